// Every window that polls the ECU, when the ECU's end of the line goes away: the program goes
// offline with the port's reason at once, and the window says why instead of showing its last
// values as live.
#include "config/frmsettings1.h"
#include "core/linestate.h"
#include "core/flags.h"
#include "core/mainwindowhooks.h"
#include "graphics/frmatx.h"
#include "graphics/frmltt.h"
#include "graphics/frmzero.h"
#include "logging/frmdiag.h"
#include "logging/frmlog.h"
#include "logging/frmtrigtest.h"
#include "platform/loggrid.h"
#include "responder.h"
#include "simlink.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
const QString lost = "The serial port stopped working (the line was hung up or the device removed)";

struct PollingWindow {
    const char *name;
    QString (*act)(SimEcu &); // opens the window, hangs up, one tick or action: what it shows
    QString shown;
};
void PrintTo(const PollingWindow &window, std::ostream *out) {
    *out << window.name;
}

QPointer<QDialog> opened;

// Opens window T with its own poll stopped (the test runs it); then the line goes away.
template <class T> T *hungup(SimEcu &ecu) {
    T *window = form<T>();
    opened = window;
    window->Timer1->stop();
    ecu.hangup();
    return window;
}
// Runs the window's tick, or another action of it, once.
template <class T> T *did(T *window, void (T::*action)() = &T::Timer1_Timer) {
    (window->*action)();
    return window;
}

const PollingWindow windows[] = {
    {"logger",
     [](SimEcu &e) {
         frmLog *w = did(hungup<frmLog>(e));
         EXPECT_TRUE(w->logGrid2->table().text(2, 1).isEmpty()); // the time alone
         // Ticks on the closed port log nothing, say why, and come once a second.
         w->Label1->setText("Logging");
         w->Timer1->setInterval(48);
         EXPECT_EQ(did(w)->logrow, 2);
         EXPECT_EQ(w->Timer1->interval(), 1000);
         return w->Label1->text();
     },
     lost},
    {"inputtester", // said once, under the last analysis
     [](SimEcu &e) { return did(did(hungup<frmDiag>(e)))->Text1->toPlainText(); },
     "Analysis results:\n" + lost},
    {"lttpoll", [](SimEcu &e) { return did(hungup<frmLtt>(e))->windowTitle(); },
     "Long term fuel trim table - " + lost},
    {"lttclear",
     [](SimEcu &e) { return did(hungup<frmLtt>(e), &frmLtt::Command2_Click)->windowTitle(); },
     "Long term fuel trim table - " + lost},
    {"monitor", [](SimEcu &e) { return did(hungup<frmZero>(e))->Label1->text(); }, lost},
    {"monitoraddress",
     [](SimEcu &e) {
         frmZero *w = hungup<frmZero>(e);
         w->Combo3_Click(0);
         return did(w)->Label1->text();
     },
     lost},
    {"panel", [](SimEcu &e) { return did(hungup<frmAtx>(e))->windowTitle(); }, "Panel - " + lost},
    {"settings", [](SimEcu &e) { return did(hungup<frmSettings1>(e))->Text42->text(); }, lost},
    {"cranktest",
     [](SimEcu &e) { return did(hungup<frmTrigtest>(e), &frmTrigtest::timertest)->Label1->text(); },
     lost},
};

class LostPort : public SimLinkTest, public ::testing::WithParamInterface<PollingWindow> {
  protected:
    void TearDown() override {
        if (opened) opened->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mainwindowhooks() = {};
        resetlinestate();
        SimLinkTest::TearDown();
    }
    Responder responder;
};
} // namespace

TEST_P(LostPort, TheWindowSaysWhyAndTheProgramIsOffline) {
    QString mainlabel = "online";
    mainwindowhooks().setstatus = [&mainlabel](const QString &text) { mainlabel = text; };
    mainwindowhooks().timerenabled = [] { return true; }; // the live loop the windows pause
    mainwindowhooks().settimerenabled = [](bool) {};
    goonline();
    EXPECT_EQ(GetParam().act(ecu).toStdString(), GetParam().shown.toStdString());
    EXPECT_EQ(online, 0);
    EXPECT_EQ(mainlabel.toStdString(), "offline");
    // The one notice is the port's reason: no battery, no "error", no second telling.
    EXPECT_EQ(responder.count(PromptRequest::Notice), 1);
    EXPECT_TRUE(responder.wasasked(lost + ": the program is now offline"));
}

INSTANTIATE_TEST_SUITE_P(PollingWindows, LostPort, ::testing::ValuesIn(windows),
                         [](const auto &info) { return std::string(info.param.name); });
