#pragma once
#include "core/mainwindowhooks.h"
#include "platform/forms.h"
#include "responder.h"
#include "simlink.h"

#include <QCoreApplication>

namespace korvane::test {

// A tool window's test: the simulated ECU on the main port, prompts answered, and a main window
// live loop that is only a flag.
class ToolWindowTest : public SimLinkTest {
  protected:
    Responder responder;
    bool maintimer = true;

    void SetUp() override
    {
        SimLinkTest::SetUp();
        mainwindowhooks().timerenabled = [this] { return maintimer; };
        mainwindowhooks().settimerenabled = [this](bool on) { maintimer = on; };
    }
    void TearDown() override
    {
        mainwindowhooks() = MainWindowHooks{};
        SimLinkTest::TearDown();
    }
    // Closes a tool window as its close box would and lets it go.
    template <class T> void close()
    {
        if (loaded<T>()) form<T>()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace korvane::test
