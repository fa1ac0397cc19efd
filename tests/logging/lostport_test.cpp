// Every window that polls the ECU, when the ECU's end of the line goes away: the program goes
// offline with the port's reason at once, and the window says why instead of showing its last
// values as live.
#include "config/frmsettings1.h"
#include "core/flags.h"
#include "core/mainwindowhooks.h"
#include "graphics/frmatx.h"
#include "graphics/frmltt.h"
#include "graphics/frmzero.h"
#include "logging/frmdiag.h"
#include "logging/frmlog.h"
#include "logging/frmtrigtest.h"
#include "platform/forms.h"
#include "platform/loggrid.h"
#include "responder.h"
#include "simlink.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <functional>

using namespace korvane;
using namespace korvane::test;

namespace {
const QString lost = "The serial port stopped working (the line was hung up or the device removed)";

class LostPort;
struct PollingWindow {
    const char *name;
    std::function<QString(LostPort &)> act; // one tick or action; what the window shows then
    QString shown;
};
void PrintTo(const PollingWindow &window, std::ostream *out) {
    *out << window.name;
}

class LostPort : public SimLinkTest, public ::testing::WithParamInterface<PollingWindow> {
  public:
    // Opens window T with its own poll stopped (the test runs it), then the line goes away.
    template <class T> T *openthenhangup() {
        T *window = form<T>();
        window->Timer1->stop();
        ecu.hangup();
        return window;
    }

  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        online = flagset;
        mainwindowhooks().timerenabled = [] { return false; };
        mainwindowhooks().settimerenabled = [](bool) {};
        mainwindowhooks().setstatus = [this](const QString &text) { mainlabel = text; };
    }
    void TearDown() override {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(w)) dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mainwindowhooks() = {};
        online = 0;
        SimLinkTest::TearDown();
    }

    QString mainlabel = "online";
    Responder responder;
};

const PollingWindow windows[] = {
    {"logger",
     [](LostPort &t) {
         frmLog *w = t.openthenhangup<frmLog>();
         w->Timer1_Timer();
         EXPECT_TRUE(w->logGrid2->table().text(2, 1).isEmpty()); // the time alone
         // Ticks on the closed port log nothing, say why, and come once a second.
         w->Label1->setText("Logging");
         w->Timer1->setInterval(48);
         w->Timer1_Timer();
         EXPECT_EQ(w->logrow, 2);
         EXPECT_EQ(w->Timer1->interval(), 1000);
         return w->Label1->text();
     },
     lost},
    {"inputtester",
     [](LostPort &t) {
         frmDiag *w = t.openthenhangup<frmDiag>();
         w->Timer1_Timer();
         w->Timer1_Timer(); // said once
         return w->Text1->toPlainText();
     },
     "Analysis results:\n" + lost},
    {"lttpoll",
     [](LostPort &t) {
         frmLtt *w = t.openthenhangup<frmLtt>();
         w->Timer1_Timer();
         return w->windowTitle();
     },
     "Long term fuel trim table - " + lost},
    {"lttclear",
     [](LostPort &t) {
         frmLtt *w = t.openthenhangup<frmLtt>();
         w->Command2_Click();
         return w->windowTitle();
     },
     "Long term fuel trim table - " + lost},
    {"monitor",
     [](LostPort &t) {
         frmZero *w = t.openthenhangup<frmZero>();
         w->Timer1_Timer();
         return w->Label1->text();
     },
     lost},
    {"monitoraddress",
     [](LostPort &t) {
         frmZero *w = t.openthenhangup<frmZero>();
         w->Text3->setText("6A");
         w->Text1->setText("88");
         w->Command1_Click();
         return w->Label1->text();
     },
     lost},
    {"panel",
     [](LostPort &t) {
         frmAtx *w = t.openthenhangup<frmAtx>();
         w->Timer1_Timer();
         return w->windowTitle();
     },
     "Panel - " + lost},
    {"settingsthrottle",
     [](LostPort &t) {
         frmSettings1 *w = t.openthenhangup<frmSettings1>();
         w->Timer1_Timer();
         return w->Text42->text();
     },
     lost},
    {"cranktest",
     [](LostPort &t) {
         frmTrigtest *w = t.openthenhangup<frmTrigtest>();
         w->timertest();
         return w->Label1->text();
     },
     lost},
};
} // namespace

TEST_P(LostPort, TheWindowSaysWhyAndTheProgramIsOffline) {
    EXPECT_EQ(GetParam().act(*this).toStdString(), GetParam().shown.toStdString());
    EXPECT_EQ(online, 0);
    EXPECT_EQ(mainlabel.toStdString(), "offline");
    // The one notice is the port's reason: no battery, no "error", no second telling.
    EXPECT_EQ(responder.count(PromptRequest::Notice), 1);
    EXPECT_TRUE(responder.wasasked(lost + ": the program is now offline"));
}

INSTANTIATE_TEST_SUITE_P(PollingWindows, LostPort, ::testing::ValuesIn(windows),
                         [](const auto &info) { return std::string(info.param.name); });
