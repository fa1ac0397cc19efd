#include "graphics/frmpreferences.h"

#include "core/prefs.h"
#include "responder.h"
#include "tempfolder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class Preferences : public ::testing::Test {
  protected:
    test::TempProgramFolder folder{false};
    test::Responder responder;
    void SetUp() override { std::fill(std::begin(prefs), std::end(prefs), prefoff); }
    void TearDown() override
    {
        if (loaded<frmPreferences>()) form<frmPreferences>()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
    }
};
} // namespace

TEST_F(Preferences, EachGroupStoresIntoItsOwnSlot)
{
    frmPreferences *window = form<frmPreferences>();
    // What a click on the first and on the second button of group g stores in slot g.
    const int16_t first[21] = {-1, -1, -1, -1, 0, -1, -1, -1, -1, -1, -1, 1, -1, 0, 0, 0, 0, 0, 0, 0, 0};
    const int16_t second[21] = {0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 2, 0, -1, -1, -1, -1, -1, -1, -1, -1};
    for (int g = 0; g < 21; ++g) {
        std::fill(std::begin(prefs), std::end(prefs), int16_t(7));
        window->Option[g]->button(0)->click();
        EXPECT_EQ(prefs[g], first[g]) << g;
        EXPECT_EQ(std::count(std::begin(prefs), std::end(prefs), 7), 20) << g; // no other slot
        window->Option[g]->button(1)->click();
        EXPECT_EQ(prefs[g], second[g]) << g;
    }
    window->Option[11]->button(4)->click();
    EXPECT_EQ(comport, 5);
}

TEST_F(Preferences, LoadShowsTheValuesOkKeepsThemUnsavedSaveWritesThem)
{
    prefs[4] = prefon; // roam mode grid
    comport = 9;       // no button for it
    frmPreferences *window = form<frmPreferences>();
    EXPECT_EQ(window->Option[0]->checkedId(), 1); // IMPERIAL
    EXPECT_EQ(window->Option[4]->checkedId(), 1); // GRID
    EXPECT_EQ(window->Option[11]->checkedId(), -1);

    window->Option[0]->button(0)->click();
    window->Command3->click(); // Ok
    EXPECT_EQ(prefs[0], prefon);
    EXPECT_FALSE(QFile::exists(preferencesfile()));

    // A save that fails is told and keeps the window open.
    QDir().mkpath(preferencesfile());
    form<frmPreferences>()->Command1->click();
    EXPECT_TRUE(responder.wasasked("The preferences were not saved"));
    EXPECT_TRUE(loaded<frmPreferences>());
    QDir().rmdir(preferencesfile());
    form<frmPreferences>()->Command1->click();
    EXPECT_TRUE(QFile::exists(preferencesfile()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loaded<frmPreferences>());
}
