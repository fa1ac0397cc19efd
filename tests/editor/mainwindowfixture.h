#pragma once
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/linestate.h"
#include "core/mapfile.h"
#include "core/names.h"
#include "core/prefs.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "platform/forms.h"
#include "responder.h"
#include "tempfolder.h"

#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace korvane::test {

// The main window opened offline on the template, shown and active, prompts answered.
class MainWindow : public ::testing::Test {
  protected:
    TempProgramFolder folder;
    Responder responder;
    frmFuel1 *window = nullptr;

    void SetUp() override
    {
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        setbuildprofile();
        inittables();
        initnames();
        ASSERT_EQ(loadmapfile(templatefile(), true), QString());
        resetlinestate();
        entrypending = false;
        window = open();
    }
    void TearDown() override
    {
        closewindow();
        fuel1links() = frmfuel1links{};
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        resetlinestate();
        entrypending = false;
    }

    frmFuel1 *open()
    {
        frmFuel1 *opened = form<frmFuel1>();
        opened->show();
        opened->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(opened));
        return opened;
    }
    void closewindow()
    {
        if (loaded<frmFuel1>()) unload<frmFuel1>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Opens the window afresh, so that links set meanwhile decide which entries it enables.
    void reopen()
    {
        closewindow();
        window = open();
    }
    int notices(const QString &text) const
    {
        int n = 0;
        for (const PromptRequest &r : responder.asked) n += r.text == text;
        return n;
    }
};

} // namespace korvane::test
