#include "config/frmmigrate.h"
#include "config/sitetables.h"
#include "editor/axislabels.h"
#include "platform/beep.h"
#include "settingsfixture.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
void setincrements(int firstrow, int value) {
    for (int i = 0; i < 31; ++i)
        curimage.settings[firstrow + i / 16][i % 16] = int16_t(value);
}
} // namespace

TEST_F(SettingsWindow, SiteLabelsFollowTheBoxes) {
    liveloop = false;
    open(false);
    window->Command55[1]->click(); // LOW BOOST 2: site 19 at atmospheric
    EXPECT_EQ(window->Label22[19]->text(), "0 mmHg");
    EXPECT_EQ(window->Label22[20]->text(), "0.8 psi");
    prefs[0] = prefon;
    window->Command55[0]->click(); // LOW BOOST 1: site 15
    EXPECT_EQ(window->Label22[15]->text(), "101 kPa");
    EXPECT_EQ(window->Label22[0]->text(), "0 kPa");

    window->Command5[1]->click(); // 400 rpm spreads
    EXPECT_EQ(window->Label21[31]->text(), "12400 rpm");
    window->Text9[0]->setText("");
    EXPECT_EQ(window->Text9[0]->text(), "0");
    window->Text9[1]->setText("-5");
    EXPECT_EQ(window->Text9[1]->text(), "0");
    window->Text9[2]->setText("300");
    EXPECT_EQ(window->Text9[2]->text(), "255");
    EXPECT_EQ(window->Label21[3]->text(), "1275 rpm");
    window->Text9[3]->setText("x");
    EXPECT_TRUE(responder.wasasked("Input numbers only"));

    const char *before[] = {"55", "45", "240", "255", "15", "10", "235"};
    const char *less[] = {"70", "50", "240", "255", "30", "20", "250"};
    const char *more[] = {"50", "30", "230", "255", "10", "10", "230"};
    for (int i = 0; i < 7; ++i)
        window->Text9[i]->setText(before[i]);
    window->Command5[5]->click();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window->Text9[i]->text(), less[i]) << i;
    for (int i = 0; i < 7; ++i)
        window->Text9[i]->setText(before[i]);
    window->Command5[6]->click();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window->Text9[i]->text(), more[i]) << i;

    // Every preset: the rpm steps of 250 to 1000 rpm; the load spreads, first, 15th, 16th and
    // last increment.
    const char *rpm[] = {"50", "80", "100", "160", "200"};
    for (int i = 0; i < 5; ++i) {
        window->Command5[i]->click();
        EXPECT_EQ(window->Text9[i == 0 ? 0 : 30]->text(), rpm[i]) << i;
    }
    const char *load[4][4] = {{"60", "50", "40", "40"},
                              {"40", "40", "40", "40"},
                              {"40", "60", "60", "60"},
                              {"40", "80", "80", "80"}};
    for (int i = 0; i < 4; ++i) {
        window->Command55[i]->click();
        const int boxes[4] = {0, 14, 15, 30};
        for (int n = 0; n < 4; ++n)
            EXPECT_EQ(window->Text35[boxes[n]]->text(), load[i][n]) << i;
    }
}

TEST_F(SettingsWindow, OkStoresAWholeSpreadOfflineOnly) {
    liveloop = false;
    open(false);
    const calimage before = curimage;
    window->Command5[1]->click();
    window->Text9[30]->setText("x");
    const int beeps = beepcount();
    window->Command26->click(); // one bad box: nothing stored
    EXPECT_EQ(beepcount(), beeps + 1);
    EXPECT_EQ(std::memcmp(&before, &curimage, sizeof before), 0);
    EXPECT_EQ(modified, 0);

    window->Text9[30]->setText("255");
    window->Command26->click();
    EXPECT_EQ(curimage.settings[6][0], 80);
    EXPECT_EQ(curimage.settings[7][13], 80);
    EXPECT_EQ(curimage.settings[7][14], 255);
    EXPECT_EQ(curimage.settings[7][15], before.settings[7][15]); // knock retard step
    EXPECT_EQ(rpmsites, 31);
    EXPECT_EQ(window->Label21[30]->text(), "12000 rpm");
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
    EXPECT_TRUE(window->Command53->isEnabled());
    EXPECT_FALSE(window->Command37->isEnabled());
    EXPECT_TRUE(responder.wasasked("revised rpm spread"));
    window->TabStrip1->setCurrentIndex(10);
    EXPECT_FALSE(window->Command53->isEnabled());

    goonline();
    window->Command55[3]->click();
    window->Command38->click();
    EXPECT_TRUE(responder.wasasked("It is not possible to change the load spread online"));
    EXPECT_EQ(curimage.settings[4][1], before.settings[4][1]);
    window->Command54->click(); // "&Cancel" shows the stored spread again
    EXPECT_EQ(window->Text35[1]->text(), QString::number(before.settings[4][1]));
    gooffline(Offline::windowclosing);
    window->Command55[3]->click(); // HIGH BOOST 2 stored offline into the load rows only
    window->Command38->click();
    EXPECT_EQ(curimage.settings[4][0], 40);
    EXPECT_EQ(curimage.settings[4][15], 80);
    EXPECT_EQ(curimage.settings[5][14], 80);
    EXPECT_EQ(curimage.settings[5][15], before.settings[5][15]); // knock retard max
    EXPECT_EQ(curimage.settings[6][0], 80);                      // the rpm spread stays
    EXPECT_EQ(window->Label22[10]->text(), "0 mmHg");
    EXPECT_TRUE(window->Command24->isEnabled());
}

TEST(SiteTables, TwentyFourSitesFromThirtyTwo) {
    setincrements(4, 80);
    setincrements(6, 255);
    calcsitetables(-1);
    for (int k = 0; k < 23; ++k)
        EXPECT_EQ(oldloadinc24[k], 106) << k;
    EXPECT_EQ(oldloadinc24[23], 26);
    EXPECT_EQ(oldrpminc[30], 255);
    EXPECT_EQ(oldrpminc[31], 0);
    EXPECT_EQ(oldrpminc24[0], 339); // 255 + 0.33 x 255
    curimage.settings[4][15] = 7, curimage.settings[5][0] = 9; // where rows 4 and 5 meet
    calcsitetables(0);
    EXPECT_EQ(newloadinc[15], 7);
    EXPECT_EQ(newloadinc[16], 9);
    const uint8_t increments[32] = {10, 100, 200, 30}; // each weight of its own
    int16_t sites[24];
    sites24(increments, sites);
    EXPECT_EQ(sites[0], 43);  // 10 + 0.33 x 100
    EXPECT_EQ(sites[1], 198); // 0.66 x 200 + 0.66 x 100
    EXPECT_EQ(sites[2], 96);  // 0.33 x 200 + 30
}

TEST_F(SettingsWindow, MigrateRefillsTheMapsAndClosesTheWindow) {
    setincrements(6, 100); // 500 rpm a site
    setincrements(4, 80);
    curimage.rammaps[64 + 0][5] = 10; // spark map, rpm sites 0 and 1
    curimage.rammaps[64 + 1][5] = 15;
    liveloop = false;
    open(false);
    window->Command5[0]->click(); // 250 rpm: sites at half the old steps
    window->Command26->click();
    responder.answerok();
    window->Command53->click();
    EXPECT_TRUE(responder.wasasked("new rpm site configuration"));
    EXPECT_EQ(curimage.rammaps[64 + 0][5], 10);
    EXPECT_EQ(curimage.rammaps[64 + 1][5], 12); // 12.5, half to even
    EXPECT_EQ(curimage.rammaps[64 + 2][5], 15); // on old site 1
    EXPECT_FALSE(loaded<frmSettings1>());
    EXPECT_FALSE(loaded<frmMigrate>());
}
