#include "editfixture.h"
#include "editor/celltext.h"
#include "editor/frminput.h"
#include "editor/inputentry.h"
#include "editor/mapcatalogue.h"
#include "editor/numbertext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>

using namespace korvane;
using namespace korvane::test;

TEST(InputEntry, TypedValuesBecomeRawValuesWithinEachMapsRange)
{
    struct Case {
        int map;
        double typed;
        int raw; // -1: refused
    };
    const Case cases[] = {{1, 50, -1},     {1, 49.99, 9998}, {1, 0, 0},        {2, -10.08, -1},
                          {2, 10.08, -1},  {2, 0, 128},      {3, 10.07, 254},  {4, 12.5, 12},
                          {4, 13.5, 14},   {4, -0.4, -1},    {5, -50, -1},     {5, -49, 79},
                          {41, 100.9, 252}, {41, 101, -1},   {43, 14.7, 147},  {43, 25.58, -1},
                          {8, 1, -1}};
    for (const Case &c : cases)
        EXPECT_EQ(inputraw(c.map, c.typed, false, 0).value_or(-1), c.raw) << c.map << " " << c.typed;
    // Map 40 in cam degrees over a spread of 60; with no spread known nothing is accepted.
    EXPECT_EQ(inputraw(40, -30, true, 60).value_or(-1), 0);
    EXPECT_EQ(inputraw(40, 30, true, 60).value_or(-1), -1);
    EXPECT_EQ(inputraw(40, 0, true, 0).value_or(-1), -1);

    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(typednumber("14,7").value_or(-1), 14.7);
    for (const char *bad : {"nan", "inf", "1e400", "", "12x", "1.500"})
        EXPECT_FALSE(typednumber(bad).has_value()) << bad;
    QLocale::setDefault(saved);
}

TEST_F(Editing, ManualEntryFillsAGroupAndRestoresTheLiveLoop)
{
    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    window->mnuAFR_Click();
    currpm = 2;
    curload = 4;
    key(Qt::Key_Right, Qt::ControlModifier, 2);
    key(Qt::Key_Up, Qt::ControlModifier, 3);
    window->Timer1->start();
    bool timerstopped = false;
    const auto typeandenter = [&](const QString &text) {
        return [&, text](frmInput &w) {
            timerstopped = !window->Timer1->isActive();
            QTest::keyClicks(w.Text1, text);
            QTest::keyClick(w.Text1, Qt::Key_Return);
        };
    };
    EXPECT_EQ(whilemodal<frmInput>([&] { key(Qt::Key_Space); }, typeandenter("14,7")), 1);
    EXPECT_TRUE(timerstopped);
    EXPECT_TRUE(window->Timer1->isActive());
    for (int r = 2; r <= 4; ++r)
        for (int l = 4; l <= 7; ++l) {
            EXPECT_EQ(curimage.afrmap[r][l], 147);
            EXPECT_EQ(cellchanged[10][r][l], 255);
        }
    EXPECT_FALSE(groupactive);
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
    EXPECT_EQ(window->mapgrid->text(3, 5), "14,7");

    // A failed conversion stores and marks nothing; the window shows the value it replaces.
    window->Timer1->stop();
    curimage.afrmap[2][3] = 120;
    currpm = 2;
    curload = 3;
    QString label;
    whilemodal<frmInput>([&] { key(Qt::Key_F7); }, [&](frmInput &w) {
        label = w.Label1->text();
        typeandenter("nan")(w);
    });
    EXPECT_EQ(label, "Value was:    12 :1");
    EXPECT_EQ(curimage.afrmap[2][3], 120);
    EXPECT_EQ(cellchanged[10][2][3], 0);
    EXPECT_FALSE(window->Timer1->isActive()); // it did not run before
    QLocale::setDefault(saved);
}

// The grid shows map 40 in cam degrees to a tenth and "Value was" to a whole degree, coarser
// than a count over a narrow spread: either text typed again keeps the cell, on every map.
TEST_F(Editing, EnteringAShownValueAgainNeverMovesTheCell) {
    curimage.settings[13][11] = 16; // map 40 in cam degrees
    const std::pair<int, int> mapspreads[] = {{1, 0},  {2, 0},  {3, 0},   {4, 0},
                                              {5, 0},  {6, 0},  {7, 0},   {41, 0},
                                              {42, 0}, {43, 0}, {40, 20}, {40, 60}};
    for (auto [map, spread] : mapspreads) {
        curmap = map;
        vctspread = uint8_t(spread);
        for (int raw = 0; raw < 256; ++raw) {
            setcellvalue(curimage, map, 1, 1, raw);
            const bool vct = vctform();
            const QString was =
                valuewastext(map, raw, vct, spread).split(' ', Qt::SkipEmptyParts)[2];
            for (const QString &text : {cellvaluetext(map, raw, vct, spread), was}) {
                inputentry(text, 1, 1);
                EXPECT_EQ(cellvalue(curimage, map, 1, 1), raw) << map << " " << text.toStdString();
            }
        }
    }
    vctspread = 0;
}

// A key as the window system delivers it to a window, at a time in ms; a held key's repeats
// come marked, or unmarked as a release and a press at one moment.
static void windowkey(QWidget *window, QEvent::Type type, Qt::Key k, ulong at,
                      bool marked = false) {
    QKeyEvent key(type, k, Qt::NoModifier, k == Qt::Key_Return ? "\r" : "", marked);
    key.setTimestamp(at);
    QApplication::sendEvent(window->windowHandle(), &key);
}
static void heldrepeats(QWidget *window, Qt::Key k, ulong &at) {
    windowkey(window, QEvent::KeyPress, k, ++at, true);
    windowkey(window, QEvent::KeyRelease, k, ++at);
    windowkey(window, QEvent::KeyPress, k, at);
}

TEST_F(Editing, AHeldReturnThatClosesManualEntrySendsNothingFromTheGrid) {
    goonline();
    window->mnuPwm3D_Click(1); // PWM MAP 10 at 0x1540, 24 cells a row
    editready = flagset;
    holdat(3, 5);
    ulong at = 1000;
    whilemodal<frmInput>([&] { key(Qt::Key_Space); },
                         [&](frmInput &w) {
                             QTest::keyClicks(w.Text1, "20");
                             windowkey(&w, QEvent::KeyPress, Qt::Key_Return,
                                       at); // stores and closes
                             heldrepeats(&w, Qt::Key_Return, at);
                         });
    ASSERT_TRUE(entrypending);
    heldrepeats(window, Qt::Key_Return, at);
    heldrepeats(window, Qt::Key_Return, at);
    EXPECT_FALSE(ecu.waitreceived(1, 30)); // the entry waits for an Enter of its own
    EXPECT_TRUE(entrypending);
    // Released and pressed again on the grid, Return sends; the grid keeps its own repeats.
    windowkey(window, QEvent::KeyRelease, Qt::Key_Return, ++at);
    windowkey(window, QEvent::KeyPress, Qt::Key_PageUp, ++at);
    heldrepeats(window, Qt::Key_PageUp, at);
    windowkey(window, QEvent::KeyPress, Qt::Key_Return, ++at);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0x8D, 53})); // 20 % is 50, three steps up
}
