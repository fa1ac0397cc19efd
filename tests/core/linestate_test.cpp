// Going offline sets every fact about the line before it tells the tuner, whose notice of a
// lost port stays until dismissed: the real message window, its timer and every other running.
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/frmwarn9.h"
#include "core/linestate.h"
#include "platform/forms.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace korvane;

TEST(LineState, ALostPortsNoticeStaysUntilDismissedAndComesAfterEveryFact) {
    resetlinestate();
    goonline();
    entrypending = true;
    bool seen = false;
    // Longer than any timed message stays.
    QTimer::singleShot(4500, [&] {
        ASSERT_TRUE(loaded<frmWarn9>() && form<frmWarn9>()->isVisible());
        EXPECT_EQ(online, 0);
        EXPECT_FALSE(entrypending);
        EXPECT_TRUE(syncwarningdue()); // the entry never sent
        EXPECT_EQ(offlinetext(), "The serial port stopped working (unplugged)");
        seen = true;
        QTest::keyClick(form<frmWarn9>(), Qt::Key_Escape);
    });
    gooffline(Offline::portlost, "unplugged");
    EXPECT_TRUE(seen);
    EXPECT_FALSE(loaded<frmWarn9>() && form<frmWarn9>()->isVisible());
    resetlinestate();
}
