#include "config/settingscatalogue.h"
#include "core/linestate.h"
#include "core/commio.h"
#include "core/mainport.h"
#include "platform/beep.h"
#include "settingsfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace korvane;
using namespace korvane::test;

namespace {
// The first bytes of a single-setting write: 'c', 'c', 'H', address with its flag bit, value.
QByteArray writehead(std::initializer_list<uint8_t> bytes) {
    QByteArray head;
    for (uint8_t b : bytes)
        head += char(b);
    return head;
}
} // namespace

TEST_F(SettingsWindow, ValueEntriesStoreTheirByteAndShowIt) {
    liveloop = false;
    open(false);
    struct Case {
        int field, button, address;
        QString typed;
        int byte;
        QString shown;
    };
    const Case cases[] = {
        {12, 14, 0x1088, "2000", 40, "2000"}, // UPPER RPM LIMIT
        {12, 14, 0x1088, "12100", 240, "12000"},
        {27, 28, 0x1083, "16400", 255, "16320"}, // RPM LIMIT SOFT
        {16, 31, 0x10BA, "761", 253, "759"},     // MAX VACUUM
        {43, 47, 0x1096, "254", 254, "254"},     // a raw byte
        {43, 47, 0x1096, "254.5", 255, "255"},
        {43, 47, 0x1096, "12.5", 12, "12"},
        {20, 20, 0x10C9, "101.7", 255, "102"}, // AC STEPS UP
        {22, 22, 0x108D, "101.7", 255, "102"}, // MOVING STEPS UP: its limit is 254 steps
        {19, 19, 0x10C8, "99.5", 250, "100"},  // MAX PWM DUTY
        {40, 43, 0x102C, "102", 255, "102"},   // LAUNCH FUEL CUT: 255 steps is no correction
        {46, 50, 0x10BE, "5.09", 250, "5"},    // BACKUP SPARK KNOCK BUFFER VOLTAGE
        {26, 27, 0x10CC, "2.6", 255, "2.55"},  // BATCH MIN PULSE
        {32, 35, 0x107F, "0.5", 8, "0.5"},     // KNOCK RETARD STEP
        {32, 35, 0x107F, "6", 80, "5.0"},
        {13, 11, 0x10CB, "10", 20, "20"}, // TPS SENSITIVITY
        {13, 11, 0x10CB, "60", 50, "50"},
        {25, 25, 0x108B, "0", 1, "1"}, // MAP SENSITIVITY
        {25, 25, 0x108B, "30", 20, "20"},
    };
    for (const Case &c : cases) {
        modified = 0;
        markuploaded();
        enter(c.field, c.button, c.typed);
        EXPECT_EQ(setting(c.address), c.byte) << c.typed.toStdString();
        EXPECT_EQ(window->Text.at(c.field)->text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(modified, flagset);
        EXPECT_EQ(ecudirty, flagset);
    }
}

TEST_F(SettingsWindow, RefusedEntriesBeepAndKeepTheStoredValue) {
    liveloop = false;
    open(false);
    enter(12, 14, "2000");
    modified = 0;
    markuploaded();
    for (const char *typed : {"abc", "", "-60", "1e400", "nan", "1,500"}) {
        const int beeps = beepcount();
        enter(12, 14, typed);
        EXPECT_EQ(beepcount(), beeps + 1) << typed;
        EXPECT_EQ(setting(0x1088), 40) << typed;
        EXPECT_EQ(window->Text.at(12)->text(), "2000") << typed;
    }
    const int threshold = setting(0x108B), trim = setting(0x10B0);
    enter(25, 25, "-3"); // MAP SENSITIVITY refuses a negative threshold
    EXPECT_EQ(setting(0x108B), threshold);
    window->Text15[0]->setText("x");
    window->Command13[0]->click();
    EXPECT_EQ(setting(0x10B0), trim);
    EXPECT_EQ(window->Text15[0]->text(), "0");
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(ecudirty, 0);
}

TEST_F(SettingsWindow, ReturnOrWheelStoreNoSettingByThemselves) {
    liveloop = false;
    open(false);
    window->show();
    const calimage before = curimage;
    window->Text.at(43)->setText("100"); // WEGO ZERO CAL typed, its "enter" not pressed
    QTest::keyClick(window->Text.at(44), Qt::Key_Return);
    QComboBox *aux1 = window->Combo.at(1);
    QWheelEvent turn(QPointF(5, 5), aux1->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(aux1, &turn);
    EXPECT_EQ(std::memcmp(&before, &curimage, sizeof before), 0);
    EXPECT_EQ(modified, 0);
}

TEST_F(SettingsWindow, OnlineEditsGoToTheEcuAtOnce) {
    open(true);
    EXPECT_FALSE(liveloop); // the main poll stands still while the window is open
    EXPECT_EQ(livewrite, flagset);
    ecu.clearreceived();
    enter(12, 14, "2000");
    QByteArray wire = takereceived(70);
    EXPECT_EQ(wire.size(), 70);
    EXPECT_EQ(wire.left(6), writehead({0x63, 0x63, 0x48, 0x90, 0x88, 0x28}));
    EXPECT_EQ(commrx, 0xB0);
    EXPECT_EQ(ecu.memory(0x1088), 40);

    // KNOCK RETARD STEP: 0.25 stores 4 and shows 0.3; that text entered again sends 4, not 5.
    enter(32, 35, "0.25");
    EXPECT_EQ(window->Text.at(32)->text(), "0.3");
    window->Command.at(35)->click();
    wire = takereceived(140);
    EXPECT_EQ(wire.mid(0, 6), writehead({0x63, 0x63, 0x48, 0x90, 0x7F, 0x04}));
    EXPECT_EQ(wire.mid(70, 6), writehead({0x63, 0x63, 0x48, 0x90, 0x7F, 0x04}));

    window->Check.at(6)->click(); // ENABLE CLOSED LOOP
    wire = takereceived(70);
    EXPECT_EQ(wire.left(6), writehead({0x63, 0x63, 0x48, 0x90, 0x85, 0x0F}));
    EXPECT_EQ(ecu.memory(0x1085), 15);

    // Gear road speeds go out as three writes in address order.
    const char *vss[] = {"3", "2", "2", "1", "1", "0"};
    for (int i = 0; i < 6; ++i)
        window->Text24[i]->setText(vss[i]);
    window->Command.at(56)->click();
    ASSERT_TRUE(ecu.waitreceived(210, 1000));
    const std::vector<double> at = ecu.receivedms(); // on the ECU's clock, in ms
    wire = takereceived(210);
    ASSERT_EQ(wire.size(), 210);
    EXPECT_GE(at[70] - at[69], 10); // the ECU needs 10 ms between the writes of a group
    EXPECT_GE(at[140] - at[139], 10);
    EXPECT_EQ(wire.mid(0, 6), writehead({0x63, 0x63, 0x48, 0x90, 0xE0, 0x32}));
    EXPECT_EQ(wire.mid(70, 6), writehead({0x63, 0x63, 0x48, 0x90, 0xE1, 0x21}));
    EXPECT_EQ(wire.mid(140, 6), writehead({0x63, 0x63, 0x48, 0x90, 0xE2, 0x10}));
    for (int a = 0x1080; a < 0x1100; ++a)
        EXPECT_EQ(ecu.memory(a), setting(a)) << a;

    window->reject();
    EXPECT_TRUE(liveloop);
    EXPECT_EQ(livewrite, flagset);        // the main window's edits still go out
    EXPECT_TRUE(responder.asked.empty()); // no download reminder, no write failure
}

TEST_F(SettingsWindow, OpeningAndRefillingChangeNothingAndSendNothing) {
    curimage.settings[8][0] = 7;   // KNOCK 1 AMPLIFIER ENABLE: any non-zero byte
    curimage.settings[10][1] = 3;  // CTS TYPE naming no button
    curimage.settings[9][13] = 20; // AUX1 beyond the list
    ecu.loadimage(curimage);
    const calimage before = curimage;
    ecu.clearreceived();
    open(true);
    EXPECT_TRUE(window->Check.at(1)->isChecked());
    for (QRadioButton *b : window->Option.at(1))
        EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(window->Combo.at(1)->currentIndex(), 16);

    // The image changes behind the window; a refill shows it both ways.
    curimage.settings[8][0] = 0;
    curimage.settings[10][1] = 1;
    window->Command37->click(); // the spread pages' "&Cancel" refill the whole window
    window->Command54->click();
    EXPECT_FALSE(window->Check.at(1)->isChecked());
    EXPECT_TRUE(window->Option.at(1)[1]->isChecked());
    EXPECT_EQ(window->Combo.at(1)->count(), 17);
    curimage.settings[8][0] = 7;
    curimage.settings[10][1] = 3;

    window->reject();
    EXPECT_EQ(std::memcmp(&before, &curimage, sizeof before), 0);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(ecudirty, 0);
    EXPECT_TRUE(ecu.received().isEmpty());
}

TEST_F(SettingsWindow, FillShowsEveryFormOfStoredByte) {
    curimage.settings[11][0] = 100;   // injector 1 trim
    curimage.settings[12][12] = 255;  // BATCH MIN PULSE
    curimage.settings[7][15] = 8;     // KNOCK RETARD STEP
    curimage.settings[14][0] = 0x3A;  // gear VSS
    curimage.settings[15][14] = 0xF0; // gear boost trims 1 and 2
    curimage.settings[11][12] = 0x82; // injector modules: INJ1 and INJ7 right
    curimage.settings[12][13] = 0x01; // PWM1 low frequency
    curimage.settings[9][4] = 50;     // range multiplier, shown as stored
    curimage.settings[15][15] = 0x2E; // gear boost trims 3 and 4
    curimage.settings[6][1] = 22, curimage.settings[4][1] = 44; // second rpm and load increments
    curimage.settings[8][5] = 1;     // ENABLE CLOSED LOOP: any byte but 0 is on
    curimage.settings[8][10] = 0x01; // the first feature bit
    liveloop = false;
    open(false);
    EXPECT_EQ(window->Text15[0]->text(), "-2.8");
    EXPECT_EQ(window->Text.at(26)->text(), "2.55");
    EXPECT_EQ(window->Text.at(32)->text(), "0.5");
    EXPECT_EQ(window->Text24[0]->text(), "3");
    EXPECT_EQ(window->Text24[1]->text(), "10");
    EXPECT_EQ(window->Label61[1]->text(), "13 VSS / 1000 RPM");
    EXPECT_EQ(window->Text.at(53)->text(), "-1");
    EXPECT_EQ(window->Text.at(54)->text(), "0");
    EXPECT_EQ(window->Text.at(14)->text(), "50");
    EXPECT_EQ(window->Text.at(55)->text() + window->Text.at(56)->text(), "-14-2");
    EXPECT_EQ(window->Text9[1]->text() + window->Text35[1]->text(), "2244");
    EXPECT_TRUE(window->Check.at(6)->isChecked());
    for (int i = 0; i < 8; ++i) {
        const bool right = i == 0 || i == 6;
        EXPECT_EQ(window->Option.at(10 + i)[1]->isChecked(), right) << i;
        EXPECT_EQ(window->Option.at(10 + i)[0]->isChecked(), !right) << i;
        EXPECT_EQ(window->Check18[i]->isChecked(), i == 7) << i;
        EXPECT_EQ(window->Check21[i]->isChecked(), i == 0) << i;
    }
}

TEST_F(SettingsWindow, HandlersOfSeveralFieldsAndBits) {
    liveloop = false;
    open(false);
    window->Text15[2]->setText("0.25");
    window->Command13[2]->click();
    EXPECT_EQ(setting(0x10B2), 130);
    EXPECT_EQ(window->Text15[2]->text(), "0.2");
    window->Text15[2]->setText("-7");
    window->Command13[2]->click();
    EXPECT_EQ(setting(0x10B2), 78);
    EXPECT_EQ(window->Text15[2]->text(), "-5");
    window->Text15[2]->setText("7"); // and at most +5
    window->Command13[2]->click();
    EXPECT_EQ(setting(0x10B2), 178);

    const char *vss[] = {"3", "2.4", "2", "1", "1", "0"};
    for (int i = 0; i < 6; ++i)
        window->Text24[i]->setText(vss[i]);
    window->Command.at(56)->click();
    EXPECT_EQ(setting(0x10E0), 0x32);
    EXPECT_EQ(setting(0x10E1), 0x21);
    EXPECT_EQ(setting(0x10E2), 0x10);
    const char *totals[] = {"3", "5", "7", "8", "9", "9"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(window->Label61[i]->text(), QString(totals[i]) + " VSS / 1000 RPM");

    const char *boost[] = {"-3", "0", "-16", "-1"}; // below the range: -15
    for (int n = 0; n < 4; ++n)
        window->Text.at(53 + n)->setText(boost[n]);
    window->Command.at(58)->click();
    EXPECT_EQ(setting(0x10FE), 0xD0);
    EXPECT_EQ(setting(0x10FF), 0x1F);
    window->Text.at(55)->setText("x"); // a failed group stores nothing, resets the bad field
    window->Text.at(53)->setText("-4");
    window->Command.at(58)->click();
    EXPECT_EQ(setting(0x10FE), 0xD0);
    EXPECT_EQ(window->Text.at(55)->text(), "0");

    window->Option.at(10)[1]->click();
    window->Option.at(16)[1]->click();
    window->Command.at(10)->click();
    EXPECT_EQ(setting(0x10BC), 0x82); // INJ1 bit 7, INJ7 bit 1

    curimage.settings[8][10] = 0x08;
    window->Check21[3]->setChecked(false);
    window->Check21[3]->click(); // ticks it: the bit was set already
    EXPECT_EQ(setting(0x108A), 0x08);
    window->Check21[3]->click();
    EXPECT_EQ(setting(0x108A), 0x00);

    curimage.settings[12][13] = 0;
    modified = 0;
    markuploaded();
    window->Check18[7]->setChecked(true); // PWM1
    window->Check18[0]->setChecked(true); // PWM8
    window->Command.at(51)->click();
    EXPECT_EQ(setting(0x10CD), 0x81);
    window->Check19[6]->setChecked(true);
    window->Command.at(52)->click();
    EXPECT_EQ(setting(0x10CA), 0x02);
    EXPECT_EQ(window->Check19[6]->text(), "PWM10 LOW FREQUENCY");
    EXPECT_EQ(window->Check18[0]->text(), "PWM8 LOW FREQUENCY ");
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);

    window->Combo.at(4)->setCurrentIndex(9);
    emit window->Combo.at(4)->activated(9);
    EXPECT_EQ(setting(0x1022), 9);
    window->Option.at(6)[2]->click();
    EXPECT_EQ(setting(0x1090), 2);
}

TEST_F(SettingsWindow, ThrottlePollAndCalibration) {
    open(true);
    EXPECT_TRUE(window->Command.at(45)->isEnabled());
    ecu.setquery(0x59, {9, 8, 254, 7});
    ecu.clearreceived();
    window->Timer1_Timer();
    EXPECT_EQ(ecu.received(), QByteArray("\x59"));
    EXPECT_EQ(livetps, 254);
    EXPECT_EQ(window->Text42->text(), "254");
    ecu.setsilent(true); // a pulled cable slows the poll until the next good reply
    window->Timer1_Timer();
    EXPECT_EQ(window->Timer1->interval(), 1000);
    ecu.setsilent(false);

    window->Command.at(45)->click(); // two counts above 254 is still one byte
    EXPECT_EQ(setting(0x108E), 255);
    EXPECT_EQ(window->Text.at(1)->text(), "255");
    EXPECT_EQ(ecu.memory(0x108E), 255);
    ecu.setquery(0x59, {9, 8, 30, 7});
    window->Timer1_Timer();
    EXPECT_EQ(window->Timer1->interval(), 100);
    window->Command.at(45)->click();
    EXPECT_EQ(setting(0x108E), 32);
    window->Command.at(46)->click();
    EXPECT_EQ(setting(0x109A), 30);
}

TEST_F(SettingsWindow, OfflineTheCalibrateButtonsAndThePollRest) {
    liveloop = false;
    open(false);
    EXPECT_FALSE(window->Command.at(45)->isEnabled());
    EXPECT_FALSE(window->Command.at(46)->isEnabled());
    ecu.clearreceived();
    window->Timer1_Timer();
    window->Command45_Click();
    EXPECT_TRUE(ecu.received().isEmpty());
    EXPECT_EQ(modified, 0);
    window->reject();
    EXPECT_TRUE(responder.wasasked("These output settings must be downloaded"));
    EXPECT_EQ(livewrite, flagset);
}

TEST_F(SettingsWindow, EntriesFollowTheUsersNumberFormat) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    liveloop = false;
    open(false);
    enter(26, 27, "2,6"); // BATCH MIN PULSE: the correction in the same format
    EXPECT_EQ(setting(0x10CC), 255);
    EXPECT_EQ(window->Text.at(26)->text(), "2,55");
    enter(26, 27, "1.5"); // a group sign, never a decimal one: refused
    EXPECT_EQ(setting(0x10CC), 255);
}

// Every row of the settings catalogue: its field, its "enter" button, its ECU address and its
// scale. Each row stores a byte no other row stores, so two rows on one address show.
TEST_F(SettingsWindow, EveryCatalogueRowHasItsOwnAddressAndScale) {
    liveloop = false;
    open(false);
    struct Row {
        int field, button, address;
        const char *typed;
        int byte;
        const char *shown;
        int over; // the byte far beyond the row's limit: its correction
    };
    const Row rows[] = {
        {43, 47, 0x1096, "11", 11, "11", 255},      {44, 48, 0x1097, "12", 12, "12", 255},
        {17, 15, 0x10C6, "13", 13, "13", 255},      {18, 16, 0x10C7, "14", 14, "14", 255},
        {8, 2, 0x1099, "15", 15, "15", 255},        {4, 8, 0x108C, "16", 16, "16", 255},
        {16, 31, 0x10BA, "51", 17, "51", 253},      {22, 22, 0x108D, "7.2", 18, "7.2", 255},
        {29, 30, 0x10C2, "7.6", 19, "7.6", 255},    {20, 20, 0x10C9, "8", 20, "8", 255},
        {3, 7, 0x10C3, "21", 21, "21", 255},        {19, 19, 0x10C8, "8.8", 22, "8.8", 250},
        {23, 23, 0x109F, "9.2", 23, "9.2", 188},    {27, 28, 0x1083, "1536", 24, "1536", 255},
        {30, 34, 0x10B8, "1600", 25, "1600", 255},  {37, 40, 0x1089, "1664", 26, "1664", 255},
        {32, 35, 0x107F, "1.7", 27, "1.7", 80},     {36, 39, 0x105F, "1.8125", 29, "1.8", 192},
        {40, 43, 0x102C, "12", 30, "12", 250},      {41, 44, 0x102D, "12.4", 31, "12.4", 250},
        {45, 49, 0x10BD, "32", 32, "32", 255},      {46, 50, 0x10BE, "0.66", 33, "0.66", 250},
        {12, 14, 0x1088, "1700", 34, "1700", 240},  {11, 9, 0x1095, "1750", 35, "1750", 240},
        {6, 3, 0x10CE, "36", 36, "36", 255},        {7, 4, 0x10CF, "37", 37, "37", 255},
        {10, 6, 0x10B9, "38", 38, "38", 255},       {34, 36, 0x10A9, "1950", 39, "1950", 255},
        {47, 57, 0x10B6, "40", 40, "40", 255},      {48, 59, 0x10B7, "41", 41, "41", 255},
        {1, 17, 0x108E, "42", 42, "42", 255},       {2, 18, 0x109A, "43", 43, "43", 255},
        {13, 11, 0x10CB, "44", 44, "44", 50},       {25, 25, 0x108B, "9", 9, "9", 20},
        {14, 12, 0x1094, "45", 45, "45", 255},      {21, 21, 0x10C4, "18.4", 46, "18.4", 250},
        {5, 1, 0x10A3, "47", 47, "47", 255},        {31, 32, 0x10A0, "48", 48, "48", 255},
        {28, 29, 0x1084, "49", 49, "49", 255},      {26, 27, 0x10CC, "0.5", 50, "0.5", 255},
        {33, 33, 0x1087, "51", 51, "51", 255},
    };
    ASSERT_EQ(std::size(rows), valuesettings().size());
    for (const Row &r : rows) {
        enter(r.field, r.button, r.typed);
        EXPECT_EQ(window->Text.at(r.field)->text(), r.shown) << r.address;
    }
    for (const Row &r : rows)
        EXPECT_EQ(setting(r.address), r.byte) << r.address;

    const std::pair<int, int> flags[] = {
        {1, 0x1080},  {5, 0x1081},  {3, 0x1092},  {7, 0x10AD},  {9, 0x10AE},  {17, 0x10AC},
        {11, 0x10C5}, {6, 0x1085},  {15, 0x10A6}, {16, 0x10C1}, {10, 0x10BF}, {13, 0x109B},
        {14, 0x10A4}, {2, 0x1093},  {4, 0x1086},  {8, 0x1098},  {12, 0x109E}};
    ASSERT_EQ(std::size(flags), flagsettings().size());
    for (auto [box, address] : flags) {
        setimagebyte(curimage, address, 7);
        window->Check.at(box)->setChecked(false);
        window->Check.at(box)->click();
        EXPECT_EQ(setting(address), 15) << box;
        window->Check.at(box)->click();
        EXPECT_EQ(setting(address), 0) << box;
    }
    const std::pair<int, int> options[] = {{1, 0x10A1}, {3, 0x10A2}, {6, 0x1090}, {7, 0x1091}};
    for (auto [group, address] : options) {
        window->Option.at(group).back()->click();
        EXPECT_EQ(setting(address), int(window->Option.at(group).size()) - 1) << group;
    }
    const int auxaddress[] = {0x109D, 0x1020, 0x1021, 0x1022, 0x1023, 0x10A7};
    for (int combo = 1; combo <= 6; ++combo) {
        window->Combo.at(combo)->setCurrentIndex(combo + 2);
        emit window->Combo.at(combo)->activated(combo + 2);
        EXPECT_EQ(setting(auxaddress[combo - 1]), combo + 2) << combo;
    }

    // A new opening shows each stored byte in its own field.
    window->reject();
    open(false);
    for (const Row &r : rows)
        EXPECT_EQ(window->Text.at(r.field)->text(), r.shown) << r.address;
    for (const Row &r : rows) {
        enter(r.field, r.button, "99999");
        EXPECT_EQ(setting(r.address), r.over) << r.address;
    }
}

// A field may show its byte rounded (sixteenths to a tenth): its shown text, entered again
// untouched, keeps the byte of every entry for every byte, and so does the text the handler
// writes back after that first entry.
TEST_F(SettingsWindow, EnteringTheShownTextAgainNeverMovesAByte) {
    closemainport(); // no pause between a group's bytes
    liveloop = false;
    open(false);
    const int groups[] = {0x10B0, 0x10B1, 0x10B2, 0x10B3, 0x10B4, 0x10B5, // injector trims
                          0x10E0, 0x10E1, 0x10E2, 0x10FE, 0x10FF};        // gear nibbles
    for (int byte = 0; byte < 256; ++byte) {
        for (const valuesetting &s : valuesettings())
            setimagebyte(curimage, s.address, uint8_t(byte));
        for (int address : groups)
            setimagebyte(curimage, address, uint8_t(byte));
        window->initialise();
        for (int twice = 0; twice < 2; ++twice) {
            for (const valuesetting &s : valuesettings())
                window->Command.at(s.button)->click();
            for (QPushButton *trim : window->Command13)
                trim->click();
            window->Command.at(56)->click();
            window->Command.at(58)->click();
        }
        for (const valuesetting &s : valuesettings())
            EXPECT_EQ(setting(s.address), byte) << s.caption;
        for (int address : groups)
            EXPECT_EQ(setting(address), byte) << address;
    }
}
