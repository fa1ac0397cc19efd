#include "core/linestate.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/frmimportmap.h"
#include "core/mapfile.h"
#include "maptestkit.h"
#include "platform/forms.h"
#include "responder.h"
#include "tempfolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class ImportWindow : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::Responder responder;
    calimage current = test::randomimage(1);
    calimage source = test::randomimage(2);
    int redraws = 0;

    void SetUp() override
    {
        // Same sites but for the two bytes after them (0x105F, 0x107F), which are no sites.
        for (int row = 4; row <= 7; ++row)
            for (int k = 0; k < 16; ++k)
                if (k < 15 || row % 2 == 0) source.settings[row][k] = current.settings[row][k];
        curimage = current;
        modified = 0;
        markuploaded();
        importmaplinks().selectmap = [this] { ++redraws; };
    }
    void TearDown() override
    {
        importmaplinks() = {};
        unload<frmImportMap>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString file(const QString &name, const QByteArray &text)
    {
        test::writefile(folder.file(name), text);
        return folder.file(name);
    }
    void opensource(const QString &path)
    {
        responder.answerok(path);
        form<frmImportMap>()->mnuOpen_Click();
    }
};
} // namespace

TEST_F(ImportWindow, CopiesEachKindOfTableAndNothingElse)
{
    // Lines that fail their check do not stop a source: older files must still import.
    QByteArray text = test::maptextof(source);
    for (int line : {3, 200}) text[76 * line + 72] = text[76 * line + 72] == '0' ? '1' : '0';
    const QString path = file("source.s20", text);
    opensource(path);
    frmImportMap *window = form<frmImportMap>();
    ASSERT_TRUE(window->Command1->isEnabled());
    EXPECT_EQ(window->windowTitle(), path);

    struct Case { int sel, first, last; };
    const Case cases[] = {{1, 0x4000, 0x47FF},  {4, 0x5000, 0x53FF}, {9, 0x1110, 0x111F},
                          {41, 0x1540, 0x177F}, {43, 0x19C0, 0x1DBF}, {44, 0x1000, 0x10FF}};
    for (const Case &c : cases) {
        curimage = current;
        modified = 0;
        markuploaded();
        window->mnuImport[c.sel]->trigger();
        responder.answerok();
        window->Command1_Click();
        for (int i = 0; i < imagebytes; ++i) {
            const int a = ecuorderaddress(i);
            const bool copied = a >= c.first && a <= c.last;
            ASSERT_EQ(imagebyte(curimage, a), imagebyte(copied ? source : current, a))
                << "selection " << c.sel << " address " << a;
        }
        EXPECT_EQ(modified, 255);
        EXPECT_EQ(ecudirty, 255);
        if (c.sel == 1) {
            // The next online trim compares against the sum of the imported map.
            int fuelsum = 0;
            for (int a = 0x4000; a <= 0x47FF; ++a) fuelsum += imagebyte(source, a);
            EXPECT_EQ(mapsums[0], fuelsum);
        }
    }
    EXPECT_EQ(redraws, 6);
    EXPECT_TRUE(responder.wasasked("Fuel map >> imported"));

    // The label of every entry of "Select from source"; four name their table by an older title.
    const char *labels[44] = {
        "Fuel map >> ", "Fuel anti-lag trim map >> ", "Fuel auxiliary trim map >> ",
        "Spark map >> ", "Spark anti-lag trim map >> ", "Spark auxiliary trim map >> ",
        "Spark backup map >> ", "Coolant temp trim map >> ", "Injector response map >> ",
        "Air temp trim map >> ", "Zero TPS vacuum map >> ", "Injection phasing map >> ",
        "Throttle pump map >> ", "Post start enrichment map >> ", "Knock threshold map >> ",
        "Boost target map >> ", "Air temp spark trim map >> ", "Coolant temp spark trim map >> ",
        "Idle speed target map >> ", "Dwell map >> ", "Cranking enrichment map >> ",
        "Start primer map >> ", "ISC open gain map >> ", "Fuel cut limit map >> ",
        "Trim by gear map >> ", "Dwell trim map >> ", "Knock fuel add map >> ",
        "Closed loop limit map >> ", "Autotune rate map >> ", "Egt fuel trim map >> ",
        "Egt spark trim map >> ", "PWM MAP 1 >> ", "PWM MAP 2 >> ", "PWM MAP 3 >> ",
        "PWM MAP 4 >> ", "PWM MAP 5 >> ", "PWM MAP 6 >> ", "PWM MAP 7 >> ", "PWM MAP 8 >> ",
        "PWM MAP 9 / VCTi >> ", "PWM MAP 10 >> ", "PWM MAP 11 >> ", "AFR target map >> ",
        "Settings and triggers >> "};
    for (int sel = 1; sel <= 44; ++sel) {
        window->mnuImport[sel]->trigger();
        EXPECT_EQ(window->Label1->text(), labels[sel - 1]) << sel;
        EXPECT_EQ(window->importsel, sel);
    }

    window->mnuImport[11]->trigger();
    responder.answercancel();
    curimage = current;
    window->Command1_Click();
    EXPECT_TRUE(responder.wasasked("Are you sure you wish to Zero TPS vacuum map >> import?"));
    EXPECT_TRUE(test::sameimage(curimage, current));
}

TEST_F(ImportWindow, RefusesASourceWithOtherSitesAndKeepsAGoodSourceOverABadOne)
{
    const QString good = file("good.s20", test::maptextof(source));
    opensource(good);
    QByteArray text = test::maptextof(test::randomimage(3));
    text[76 * 5 + 20] = 'G';
    opensource(file("bad.s20", text));
    frmImportMap *window = form<frmImportMap>();
    EXPECT_EQ(window->windowTitle(), good);
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_TRUE(test::sameimage(srcimage, source));

    calimage otherspread = source;
    otherspread.settings[6][3] ^= 1; // one rpm-site increment, ECU 0x1063
    opensource(file("other.s20", test::maptextof(otherspread)));
    EXPECT_TRUE(responder.wasasked("different load or rpm spread"));
    EXPECT_FALSE(loaded<frmImportMap>());
    EXPECT_FALSE(form<frmImportMap>()->Command1->isEnabled());
    EXPECT_TRUE(test::sameimage(curimage, current));
}

TEST_F(ImportWindow, TheKeyboardAloneOpensASourceAndImportsATable)
{
    const QString path = file("source.s20", test::maptextof(source));
    frmImportMap *window = form<frmImportMap>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const auto menukey = [](Qt::Key key) {
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), key);
    };

    QTest::keyClick(window, Qt::Key_F10);
    ASSERT_EQ(QApplication::activePopupWidget(), window->mnuFile);
    responder.answerok(path);
    menukey(Qt::Key_Down); // "Open source"
    menukey(Qt::Key_Return);
    ASSERT_TRUE(window->Command1->isEnabled());

    QTest::keyClick(window, Qt::Key_F10);
    menukey(Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), window->mnuSelect);
    for (int i = 0; i < 3; ++i) menukey(Qt::Key_Down); // over the separator to "Spark"
    menukey(Qt::Key_Return);
    EXPECT_EQ(window->Label1->text(), "Spark map >> ");
    QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->Command1);
    responder.answerok();
    QTest::keyClick(window->Command1, Qt::Key_Space);
    for (int a = 0; a < imagebytes; ++a) {
        const int address = ecuorderaddress(a);
        const bool spark = address >= 0x5000 && address <= 0x53FF;
        ASSERT_EQ(imagebyte(curimage, address), imagebyte(spark ? source : current, address))
            << address;
    }

    // Alt alone marks the first menu, and the arrow opens it.
    QTest::keyClick(window, Qt::Key_Alt);
    EXPECT_EQ(window->menubar->activeAction(), window->mnuFile->menuAction());
    QTest::keyClick(window->menubar, Qt::Key_Down);
    EXPECT_EQ(QApplication::activePopupWidget(), window->mnuFile);
    menukey(Qt::Key_Escape);
}
