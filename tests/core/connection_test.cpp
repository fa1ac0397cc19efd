#include "core/linestate.h"
#include "core/buildprofile.h"
#include "core/connection.h"
#include "core/flags.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/prefs.h"
#include "platform/serialport.h"
#include "responder.h"
#include "simecu.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
// The main window as getecu sees it: its status label and the synchronisation warning.
class Connect : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ecu.ok());
        setbuildprofile();
        resetlinestate();
        editready = 0;
        comport = 1;
        hidemessages = 0;
        prefs[10] = prefon; // auto connect
        mainwindowhooks().setstatus = [this](const QString &text) { status = text; };
        mainwindowhooks().syncwarning = [this] {
            warned = true;
            warnedwithportopen = mainport().PortOpen();
        };
    }
    void TearDown() override {
        closemainport();
        mainwindowhooks() = {};
        resetlinestate();
        prefs[10] = prefoff;
    }
    TempProgramFolder folder;
    SimEcu ecu{1};
    Responder responder;
    QString status;
    bool warned = false, warnedwithportopen = false;
};
} // namespace

TEST_F(Connect, RightFirmwareGoesOnlineSilently) {
    markedited();
    getecu();
    EXPECT_TRUE(warned);
    EXPECT_FALSE(warnedwithportopen);
    EXPECT_EQ(ecudirty, flagset);
    EXPECT_EQ(online, flagset);
    EXPECT_EQ(editready, flagset);
    EXPECT_EQ(status, "online");
    EXPECT_TRUE(mainport().PortOpen());
    EXPECT_TRUE(responder.asked.empty());
    EXPECT_EQ(ecu.received(), QByteArray("c"));
}

TEST_F(Connect, WrongFirmwareStaysOnlineAndWarnsUnlessHidden) {
    ecu.setfirmware(27);
    getecu();
    EXPECT_EQ(online, flagset);
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].text, "ECU is connected, but you are using the wrong software "
                                       "version, using this software could cause coil damage!");
    EXPECT_EQ(responder.asked[0].title, "System error");

    closemainport();
    gooffline(Offline::windowclosing);
    hidemessages = prefon;
    getecu();
    EXPECT_EQ(online, flagset);
    EXPECT_EQ(responder.asked.size(), 1u);
}

TEST_F(Connect, SilentEcuLeavesThePortClosedAndOffline) {
    ecu.setsilent(true);
    getecu();
    EXPECT_EQ(online, 0);
    EXPECT_EQ(status, "offline");
    EXPECT_FALSE(mainport().PortOpen());
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_TRUE(responder.asked[0].text.startsWith("ECU not connected."));
}

TEST_F(Connect, MissingPortAndAutoConnectOff) {
    comport = 99; // nothing linked as COM99, and no /dev/ttyS98
    getecu();
    EXPECT_EQ(online, 0);
    EXPECT_EQ(status, "offline");
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].text,
              "an error occurred opening the com port: /dev/ttyS98: No such file or directory");

    comport = 1;
    prefs[10] = prefoff;
    getecu();
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(mainport().PortOpen());
    EXPECT_TRUE(ecu.received().isEmpty());
}

TEST_F(Connect, VersionCheckTexts) {
    ASSERT_EQ(openmainport(), QString());
    EXPECT_EQ(checkversion(2), VersionCheck::matched);
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].text,
              "This is the correct PC software for the ECU .Version 2.50 R14, ECU: KORVANE 2.50 "
              "R15 built May 2007 - Dec 2007");
    EXPECT_EQ(checkversion(1), VersionCheck::matched);
    EXPECT_EQ(responder.asked.size(), 1u);

    ecu.setfirmware(27);
    hidemessages = prefon; // mode 2 forces its messages, mode 1 does not
    EXPECT_EQ(checkversion(2), VersionCheck::mismatched);
    ASSERT_EQ(responder.asked.size(), 3u);
    EXPECT_EQ(responder.asked[1].text, "This is not the correct PC software for the ECU");
    EXPECT_EQ(responder.asked[2].text, "Using this software could cause coil damage!");
    EXPECT_EQ(checkversion(1), VersionCheck::mismatched);
    EXPECT_EQ(responder.asked.size(), 3u);

    ecu.clearreceived();
    EXPECT_EQ(checkversion(0), VersionCheck::notrun);
    EXPECT_EQ(checkversion(3), VersionCheck::notrun);
    EXPECT_FALSE(ecu.waitreceived(1, 30));

    ecu.setsilent(true);
    EXPECT_EQ(checkversion(1), VersionCheck::noreply);
    EXPECT_EQ(responder.asked.back().text, "Version information check failed");
    EXPECT_EQ(responder.asked.back().title, "System error");
    EXPECT_TRUE(mainport().PortOpen());
}
