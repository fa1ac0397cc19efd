#include "core/linestate.h"
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/livedata.h"
#include "core/mainwindowhooks.h"
#include "core/mapfile.h"
#include "core/names.h"
#include "core/prefs.h"
#include "editor/celltext.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/frmwarn6.h"
#include "editor/mapcatalogue.h"
#include "mainwindowfixture.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "responder.h"
#include "tempfolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

TEST_F(MainWindow, OpensOfflineOnTheFuelMapMaximised) {
    EXPECT_EQ(curmap, 1);
    EXPECT_EQ(curload, 1);
    EXPECT_EQ(online, 0);
    EXPECT_EQ(livewrite, flagset);
    EXPECT_EQ(window->lblMap->text(), "Fuel");
    EXPECT_EQ(window->Label1->text(), "0 rpm");
    EXPECT_EQ(window->Label42->text(), "offline");
    EXPECT_EQ(window->windowTitle(), mapfilename);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 100);
    EXPECT_TRUE(window->mapgrid->hasFocus());
    EXPECT_EQ(window->mapgrid->text(5, 7), cellvaluetext(1, curimage.fuelmap[5][7], false, 0));
    EXPECT_EQ(window->mapgrid->text(-1, 0), "760 mmHg");
    EXPECT_EQ(window->lblTrim->text(), "0.005");
    // The panel's Mode button leaves the hint line's first letters in view.
    EXPECT_LT(window->Command6->geometry().right(), window->Text1->geometry().left());

    // Offline a tick of the live loop only lets edits through.
    editready = 0;
    window->Timer1_Timer();
    EXPECT_EQ(editready, flagset);

    // The serial link reaches the window while it is open, and no longer after Exit.
    ASSERT_TRUE(bool(mainwindowhooks().setstatus));
    setmainstatus("error");
    EXPECT_EQ(window->Label42->text(), "error");
    window->mnuExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loaded<frmFuel1>());
    EXPECT_FALSE(bool(mainwindowhooks().setstatus));

    // Full size before any desktop acts on the maximise request (there may be none), and a
    // Hold of the closed window does not carry over.
    panelhold = 255;
    EXPECT_EQ(form<frmFuel1>()->size(),
              QGuiApplication::primaryScreen()->availableGeometry().size());
    EXPECT_EQ(panelhold, 0);
}

TEST_F(MainWindow, AtItsLeastWidthEveryButtonAndTheLinkStatusShowWhole) {
    // Where the screen is narrower than the window needs, the screen wins.
    const int least = frmFuel1::leastwidth();
    EXPECT_EQ(window->minimumWidth(),
              std::min(least, QGuiApplication::primaryScreen()->availableGeometry().width()));
    window->showNormal();
    window->setMinimumWidth(800); // as on a screen 800 wide
    window->Label2->setText("7000 rpm ");
    for (const int width : {least, 800}) {
        window->resize(width, 600);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->width(), width);
        QList<QWidget *> checked = {window->Label2, window->Label42};
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (button->isVisible()) checked << button;
        for (const QWidget *control : checked) {
            const std::string name = control->property("text").toString().toStdString();
            EXPECT_TRUE(window->rect().contains(control->geometry())) << name << " " << width;
            for (const QWidget *other : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(other == control || !other->isVisible() ||
                            !control->geometry().intersects(other->geometry()))
                    << name << " under " << other->metaObject()->className() << " " << width;
        }
        EXPECT_EQ(window->Label2->QLabel::text(), "7000 rpm "); // whole, if in a smaller face
        EXPECT_EQ(window->Label42->QLabel::text(), "offline");
    }
}

TEST_F(MainWindow, EveryMapEntrySelectsItsMapAndTitle) {
    struct Menu {
        QAction **actions;
        int count, first;
        QString hint;
    };
    const Menu menus[] = {
        {window->mnuRamMapGroup, 7, 1, QString()},
        {window->mnuCont1, 8, 8, " Offline editing control map"},
        {window->mnuCont2, 8, 16, " Offline editing control map"},
        {window->mnuCont3, 8, 24, " Offline editing control map"},
        {window->mnuPwm2D, 8, 32, " Offline editing 2D PWM map"},
        {window->mnuPwm3D, 3, 40, " Offline editing 3D PWM map"},
        {&window->mnuAFR, 1, 43, " Offline editing AFR target map"},
    };
    const QStringList titles = {"Coolant temp trim",
                                "Injector response",
                                "Air temp trim",
                                "Gear spark trim",
                                "Injection phasing",
                                "Throttle pump",
                                "Post start enrichment",
                                "Knock threshold",
                                "Boost target",
                                "Air temp spark trim",
                                "Coolant temp spark trim",
                                "Idle speed target",
                                "Dwell",
                                "Cranking enrichment",
                                "Start primer",
                                "TPS fuel trim",
                                "Fuel cut limit",
                                "Trim by gear",
                                "Dwell trim",
                                "Knock fuel add",
                                "Closed loop limit",
                                "Autotune rate",
                                "Max ISC integrator",
                                "Min AC ISC integrator"};
    // Per map: raw 200 as shown (scale, offset and source cell), the step label of step 1 and,
    // for the tables, the corner caption and the header of entry 1.
    const QStringList shown = {"1",    "5.76", "5.76", "200", "72",  "72",   "200", "100",  "1",
                               "7.2",  "72",   "200",  "80",  "100", "4",    "30",  "72",   "72",
                               "1600", "8",    "200",  "16",  "7.2", "1600", "7.2", "2.88", "20",
                               "165",  "200",  "80",   "80",  "80",  "80",   "80",  "80",   "80",
                               "80",   "80",   "80",   "80",  "80",  "80",   "20"};
    const QStringList steps = {
        "0.005", "0.08", "0.08", "1",    "1",    "1",   "1",   "0.5", "0.005", "0.1", "1",
        "1",     "0.4",  "0.5",  "0.02", "0.15", "1",   "1",   "8",   "0.04",  "1",   "0.08",
        "0.1",   "8",    "0.1",  "0.04", "0.1",  "3",   "1",   "0.4", "0.4",   "0.4", "0.4",
        "0.4",   "0.4",  "0.4",  "0.4",  "0.4",  "0.4", "0.4", "0.4", "0.4",   "0.1"};
    const QStringList captions = {"enr. %", "ms",     "enr. %",   "degrees", "degrees", "enr. %",
                                  "enr. %", "volts",  "psi",      "degrees", "degrees", "rpm",
                                  "ms",     "enr. %", "ms",       "enr. %",  "rpm",     "enr. %",
                                  "ms",     "enr. %", "vac mmHg", "I term",  "I %",     "I %"};
    const QStringList headers = {
        "-10 C",   "10.3 V", "-10 C",   "gear 2",        "800 RPM", "800 RPM", "-10 C", "800 RPM",
        "800 RPM", "-10 C",  "-10 C",   "-10 C",         "10.3 V",  "-10 C",   "-10 C", "7 % TPS",
        "-10 C",   "gear 2", "800 RPM", "1 deg. retard", "800 RPM", "800 RPM", "-10 C", "-10 C"};
    // The first cell of each map where the image holds it; only the map shown holds 200.
    auto setsource = [](int map, int raw) {
        if (map == 1)
            curimage.fuelmap[0][0] = raw;
        else if (map <= 7)
            curimage.rammaps[32 * (map - 2)][0] = int16_t(raw);
        else if (map <= 39)
            curimage.settings[map + 8][0] = int16_t(raw);
        else if (map <= 42)
            curimage.pwmmaps[24 * (map - 40)][0] = int16_t(raw);
        else
            curimage.afrmap[0][0] = int16_t(raw);
    };
    int entries = 0;
    for (const Menu &menu : menus)
        for (int i = 0; i < menu.count; ++i, ++entries) {
            const int map = menu.first + i;
            window->Text1->setText("previous hint");
            currpm = 3;
            curload = 4;
            setsource(map, 200);
            menu.actions[i]->trigger();
            ASSERT_EQ(curmap, map);
            QString title;
            if (map <= 7)
                title = mapnames[map - 1];
            else if (map <= 31)
                title = titles[map - 8];
            else if (map <= 42)
                title = "PWM MAP " + QString::number(map - 31);
            else
                title = "AFR target";
            EXPECT_EQ(window->lblMap->text(), title) << "map " << map;
            // Offline every entry starts the map at its first cell.
            EXPECT_EQ(currpm, 0);
            EXPECT_EQ(curload, 0);
            EXPECT_EQ(window->Text1->text(), menu.hint.isEmpty() ? "previous hint" : menu.hint);
            EXPECT_TRUE(window->mapgrid->hasFocus()) << "map " << map;
            EXPECT_EQ(window->mapgrid->text(0, 0), shown[map - 1]) << "map " << map;
            EXPECT_EQ(window->lblTrim->text(), steps[map - 1]) << "map " << map;
            setsource(map, 0);
            if (map >= 8 && map <= 31) {
                EXPECT_EQ(window->mapgrid->text(-1, -1), captions[map - 8]);
                EXPECT_EQ(window->mapgrid->text(-1, 1), headers[map - 8]);
            } else if (map >= 32 && map <= 39) {
                EXPECT_EQ(window->mapgrid->text(-1, -1), "duty %");
                EXPECT_EQ(window->mapgrid->text(-1, 1), "7% X");
            } else if (map >= 40 && map <= 42) {
                EXPECT_EQ(window->mapgrid->text(23, -1), "99% X");
                EXPECT_EQ(window->mapgrid->text(-1, 1), "4% Y");
            }
        }
    EXPECT_EQ(entries, 43);
}

TEST_F(MainWindow, AMapRedrawnAroundAKeptCursorShowsIt) {
    currpm = 25;
    curload = 20;
    window->mnuPrefs_Click();
    const MapGrid &grid = *window->mapgrid;
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualItemRect(grid.item(25, 20))));
    EXPECT_EQ(grid.currentrow(), 25);
    EXPECT_EQ(grid.currentcolumn(), 20);
}

TEST_F(MainWindow, OnlineTheMainMapsKeepTheCursorAndAPendingEntryBlocksEveryChoice) {
    goonline();
    currpm = 3;
    curload = 4;
    window->mnuRamMapGroup_Click(3);
    EXPECT_EQ(curmap, 4);
    EXPECT_EQ(currpm, 3);
    EXPECT_EQ(curload, 4);
    window->mnuCont2_Click(0);
    EXPECT_EQ(curmap, 16);
    EXPECT_EQ(curload, 0);
    EXPECT_EQ(window->Text1->text(), " Press enter after editing to make permanent changes");

    bool settingsopened = false;
    fuel1links().settings = [&] { settingsopened = true; };
    entrypending = true;
    const QString pressenter =
        "You should press enter to complete each cell entry or group cell entry. Please press "
        "enter after this message is unloaded to complete the cell entry of group cell entry.";
    window->mnuAFR_Click();
    window->mnuPwm3D_Click(1);
    window->mnuSettings_Click();
    window->mnuTrig_Click();
    EXPECT_EQ(curmap, 16);
    EXPECT_FALSE(settingsopened);
    EXPECT_EQ(notices(pressenter), 4);
    // Forced: shown even while the user hides notices.
    hidemessages = prefon;
    window->mnuAFR_Click();
    EXPECT_EQ(notices(pressenter), 5);
}

TEST_F(MainWindow, GatedEntriesRefuseWithTheirMessage) {
    int opened = 0;
    auto opener = [&] { ++opened; };
    frmfuel1links &links = fuel1links();
    links.monitor = links.importmap = links.triggers = links.angle = links.floatgrid = opener;
    reopen();
    EXPECT_TRUE(window->mnuZero->isEnabled());
    EXPECT_FALSE(window->mnuSettings->isEnabled()); // no settings window in the program yet
    EXPECT_TRUE(window->mnucom1->isEnabled());
    EXPECT_TRUE(window->mnuVersion->isEnabled());

    window->mnuZero->trigger();
    window->mnuVersion->trigger();
    EXPECT_EQ(notices("Tool not available offline"), 2);
    window->mnuImportMap->trigger();
    window->mnuTrig->trigger();
    EXPECT_EQ(opened, 2);

    goonline();
    window->mnuImportMap->trigger();
    EXPECT_EQ(notices("Tool not available online"), 1);
    window->mnuTrig->trigger();
    EXPECT_EQ(notices("Triggers are not available on-line"), 1);
    EXPECT_EQ(opened, 2);
    window->mnuZero->trigger();
    EXPECT_EQ(opened, 3);
    gooffline(Offline::windowclosing);

    // Not forced: the user may hide these.
    hidemessages = prefon;
    window->mnuZero->trigger();
    EXPECT_EQ(notices("Tool not available offline"), 2);
    hidemessages = prefoff;

    // The drawings and the floating grid only for the maps that have them, silently.
    const std::size_t asked = responder.asked.size();
    curmap = 8;
    window->mnuAngle->trigger();
    window->mnuFloatGrid->trigger();
    curmap = 40;
    window->mnuAngle->trigger();
    EXPECT_EQ(opened, 3);
    window->mnuFloatGrid->trigger();
    curmap = 43;
    window->mnuAngle->trigger();
    window->mnuFloatGrid->trigger();
    EXPECT_EQ(opened, 6);
    EXPECT_EQ(responder.asked.size(), asked);
}

TEST_F(MainWindow, AxesQuickswitchAsksFirstAndOnlyOnPwmMapsOffline) {
    int switched = 0;
    fuel1links().switchaxes = [&] { ++switched; };
    reopen();
    curmap = 41;
    responder.answercancel();
    window->mnuSwitchAxes_Click();
    EXPECT_TRUE(responder.wasasked("This action will switch the axes of the current 3D map"));
    EXPECT_EQ(switched, 0);
    window->mnuSwitchAxes_Click();
    EXPECT_EQ(switched, 1);
    const std::size_t asked = responder.asked.size();
    curmap = 4;
    window->mnuSwitchAxes_Click();
    goonline();
    curmap = 41;
    window->mnuSwitchAxes_Click();
    EXPECT_EQ(responder.asked.size(), asked);
    EXPECT_EQ(switched, 1);
}

TEST_F(MainWindow, SaveWritesOnlyAChosenFileAndReportsAFailure) {
    const QString before = mapfilename;
    const QStringList files = QDir(folder.path()).entryList(QDir::Files);

    responder.answercancel();
    window->mnuMainSave_Click();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), files);
    EXPECT_EQ(mapfilename, before);
    EXPECT_EQ(window->windowTitle(), before);
    EXPECT_TRUE(window->Timer1->isActive());

    // A folder that does not exist: the user is told, and nothing changes.
    responder.answerok(folder.file("missing/tune.s20"));
    window->mnuMainSave_Click();
    EXPECT_TRUE(responder.wasasked("not saved"));
    EXPECT_EQ(mapfilename, before);
    EXPECT_EQ(window->windowTitle(), before);
    EXPECT_TRUE(window->Timer1->isActive());

    const QString target = folder.file("tune.s20");
    responder.answerok(target);
    window->mnuMainSave_Click();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(mapfilename, target);
    EXPECT_EQ(window->windowTitle(), target);
    const calimage saved = curimage;
    ASSERT_EQ(loadmapfile(target, true), QString());
    EXPECT_EQ(std::memcmp(saved.fuelmap, curimage.fuelmap, sizeof saved.fuelmap), 0);
    EXPECT_EQ(std::memcmp(saved.settings, curimage.settings, sizeof saved.settings), 0);
}

// Save as opens where the current map file lies; its own pattern handed back is no file name.
TEST_F(MainWindow, SaveOpensInTheFolderOfTheCurrentFile) {
    for (const auto &[current, pattern] :
         {std::pair{folder.file("template.s20"), folder.file("*.s20")},
          std::pair{folder.file("maps/tune.s20"), folder.file("maps/*.s20")}}) {
        mapfilename = current;
        responder.answerok(pattern);
        window->mnuMainSave_Click();
        EXPECT_EQ(responder.asked.back().text, pattern);
        EXPECT_EQ(mapfilename, current);
    }
}

TEST_F(MainWindow, TheSyncWarningBeepsCentresAndClosesOnOk) {
    const int beeps = beepcount();
    QString caption;
    QPoint centre;
    QTimer::singleShot(0, [&] {
        auto *warning = qobject_cast<frmWarn6 *>(QApplication::activeModalWidget());
        ASSERT_NE(warning, nullptr);
        caption = warning->windowTitle();
        centre = warning->geometry().center();
        QTest::keyClick(warning->Command1, Qt::Key_Space);
    });
    mainwindowhooks().syncwarning();
    EXPECT_EQ(caption, "Syncronisation warning!");
    EXPECT_EQ(beepcount(), beeps + 1);
    const QPoint screencentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((centre - screencentre).manhattanLength(), 10); // a window frame may shift it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loaded<frmWarn6>());
}
