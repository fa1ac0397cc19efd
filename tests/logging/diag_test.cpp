#include "core/mainwindowhooks.h"
#include "logging/frmdiag.h"
#include "logging/inputtester.h"
#include "platform/forms.h"
#include "responder.h"
#include "simlink.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
InputTester withshare(diaginput input, int low, int high, uint8_t lowbyte, uint8_t highbyte) {
    InputTester t;
    for (int i = 0; i < low; ++i) t.classify(input, lowbyte);
    for (int i = 0; i < high; ++i) t.classify(input, highbyte);
    return t;
}
} // namespace

TEST(InputTester, ThresholdsAtEachBoundary) {
    using namespace diag;
    for (auto [input, low, high] : {std::tuple{tps, 127, 128}, {ats, 24, 25}, {cts, 24, 25},
                                    {ego1, 127, 128}, {ego2, 127, 128}, {knock, 14, 15},
                                    {vss, 19, 20}, {rpm, 1, 2}}) {
        const InputTester t = withshare(input, 1, 1, uint8_t(low), uint8_t(high));
        EXPECT_EQ(t.stat(input).lowcount, 1) << input;
        EXPECT_EQ(t.stat(input).highcount, 1) << input;
    }
    for (int lit = aux1; lit <= aux6; ++lit) { // AUX1..AUX6 read bits 0..5 of one port byte
        InputTester aux;
        for (int a = aux1; a <= aux6; ++a) aux.classify(diaginput(a), uint8_t(1 << (lit - aux1)));
        for (int a = aux1; a <= aux6; ++a)
            EXPECT_EQ(aux.stat(diaginput(a)).highcount, a == lit ? 1 : 0) << lit << " " << a;
    }
    InputTester timers; // a change from the last capture byte is high
    for (uint8_t byte : {0, 0, 5, 5, 6}) timers.classify(trig, byte);
    EXPECT_EQ(timers.stat(trig).lowcount, 3);
    EXPECT_EQ(timers.stat(trig).highcount, 2);
    timers.reset();
    timers.classify(trig, 6); // the last byte outlives the reset
    EXPECT_EQ(timers.stat(trig).lowcount, 1);
}

TEST(InputTester, PassWindowsAreExclusive) {
    using namespace diag;
    // Each input's window in lows of 1000: its ends fail, one reading inside them passes.
    for (auto [input, from, to] :
         {std::tuple{tps, 550, 700}, {ats, 300, 500}, {cts, 300, 500}, {ego1, 550, 700},
          {ego2, 550, 700}, {knock, 450, 650}, {aux1, 550, 700}, {aux2, 550, 700},
          {aux3, 550, 700}, {aux4, 550, 700}, {aux5, 550, 700}, {aux6, 550, 700},
          {vss, 450, 650}, {rpm, 450, 650}}) {
        for (auto [low, pass] : {std::pair{from, false}, {from + 1, true}, {to - 1, true},
                                 {to, false}}) {
            const InputTester t = withshare(input, low, 1000 - low, 0, 255);
            EXPECT_EQ(t.passes(input), pass) << input << " " << low;
        }
    }
    for (auto [low, pass] : {std::pair{550, false}, {551, true}, {699, true}, {700, false}}) {
        InputTester t; // a change of the capture byte is high
        for (int i = 0; i < 1000; ++i) {
            t.classify(diag::trig, uint8_t(i < low ? 0 : i));
            t.classify(diag::sync, uint8_t(i < low ? 0 : i));
        }
        EXPECT_EQ(t.passes(diag::trig), pass) << low;
        EXPECT_EQ(t.passes(diag::sync), pass) << low;
    }
}

TEST(InputTester, AnalysisText) {
    QLocale saved;
    QLocale::setDefault(QLocale::c());
    InputTester t = withshare(diag::tps, 6, 4, 100, 200);
    for (int i = 0; i < 3; ++i) t.classify(diag::ats, 40); // all high
    t.classify(diag::knock, 10);
    t.classify(diag::knock, 250); // high average 25 raw: 0.5 V
    t.classify(diag::rpm, 1);
    t.classify(diag::rpm, 3);
    t.classify(diag::cts, 30);
    t.classify(diag::vss, 200);
    const QString text = t.analysis();
    EXPECT_TRUE(text.startsWith("Analysis results:\r\n\r\n"
                                "TPS low: 60.0 %\r\n"
                                "TPS low av: 18.7 %\r\n"
                                "TPS high: 40.0 %\r\n"
                                "TPS high av: 27.5 %\r\n"
                                "TPS TIME TEST:              PASS\r\n\r\n"
                                "ATS low: 0.0 %\r\n"
                                "ATS low av: -20.0 C\r\n"
                                "ATS high: 100.0 %\r\n"
                                "ATS high av: -9.2 C\r\n"
                                "ATS TIME TEST:              FAIL\r\n\r\n"
                                "CTS low: 0.0 %\r\n"
                                "CTS low av: -20.0 C\r\n"
                                "CTS high: 100.0 %\r\n"
                                "CTS high av: -17.0 C\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("VSS high av: 20.0 KPH\r\n"));
    EXPECT_TRUE(text.contains("EGO2 low: n/a\r\nEGO2 high: n/a\r\n"));
    EXPECT_TRUE(text.contains("K high av: 0.5 V\r\nK TIME TEST:                  PASS\r\n"));
    EXPECT_TRUE(text.contains("EGO1 TIME TEST:            FAIL\r\n"));
    EXPECT_TRUE(text.contains("RPM low: 50.0 %\r\nRPM low av: 25.6 RPM\r\n"
                              "RPM high: 50.0 %\r\nRPM high av: 76.8 RPM\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("SYNC TIME TEST:            FAIL\r\n\r\n"));
    QLocale::setDefault(saved);
}

namespace {
class InputTest : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        mainwindowhooks().timerenabled = [this] { return timer; };
        mainwindowhooks().settimerenabled = [this](bool on) { timer = on; };
        ecu.setquery('Y', {33, 0, 0, 44});
        ecu.setquery('R', {30, 20, 0, 140});
        ecu.setquery('U', {0, 200, 10, 20});
        ecu.setquery('Z', {0x2A, 0x15, 0xFF, 0});
        ecu.setquery('T', {0, 25, 1, 9});
    }
    void TearDown() override {
        if (loaded<frmDiag>()) form<frmDiag>()->done(0);
        mainwindowhooks() = {};
        SimLinkTest::TearDown();
    }
    bool timer = true;
    Responder responder;
};
} // namespace

TEST_F(InputTest, TheCodeGatesSamplingAndRunsRestartThemselves) {
    frmDiag *w = form<frmDiag>();
    w->Timer1->stop(); // the test calls the ticks
    EXPECT_FALSE(timer);
    EXPECT_EQ(diagstep, -4);
    w->Timer1_Timer(); // the pending reset
    EXPECT_EQ(diagstep, 0);
    w->Timer1_Timer(); // twenty stars: no sampling
    EXPECT_EQ(diagstep, 0);
    EXPECT_EQ(w->Text24->text(), "33");
    EXPECT_EQ(w->Text2->text(), "44");
    EXPECT_EQ(takereceived(2), "YY");

    w->Text38->setText("pelfrost");
    w->Timer1_Timer();
    EXPECT_EQ(diagstep, 1);
    EXPECT_EQ(w->ProgressBar1->value(), 0);
    EXPECT_EQ(takereceived(6), "YRUZTY");
    // Each input reads its own byte; neighbouring bytes fall in opposite classes, so a byte
    // taken from the wrong place changes a count. TPS, ATS, CTS, EGO1, EGO2, K, AUX1..AUX6,
    // VSS, RPM, TRIG, SYNC:
    const int high[diag::count] = {1, 0, 1, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1};
    for (int i = 0; i < diag::count; ++i) {
        EXPECT_EQ(w->tester().stat(diaginput(i)).highcount, high[i]) << i;
        EXPECT_EQ(w->tester().stat(diaginput(i)).lowcount, 1 - high[i]) << i;
    }
    w->show();
    QTest::keyClick(w->Text38, Qt::Key_Return); // Return after the code keeps the run
    EXPECT_EQ(diagstep, 1);

    diagstep = 999;
    w->Timer1_Timer();
    EXPECT_EQ(diagstep, 1000);
    EXPECT_EQ(w->ProgressBar1->value(), 100);
    w->Text38->setText("Pelfrost"); // the analysis needs no code
    w->Timer1_Timer();
    EXPECT_TRUE(w->Text1->toPlainText().startsWith("Analysis results:\n\nTPS low: 0.0 %"));
    EXPECT_EQ(diagstep, 0);
    EXPECT_EQ(w->tester().stat(diag::tps).highcount, 0);

    // A silent ECU ends the tick: the step holds, the boxes keep their values, and the poll
    // backs off to once a second until the next good reply.
    w->Text38->setText("pelfrost");
    ecu.setsilent(true);
    w->Timer1_Timer();
    EXPECT_EQ(diagstep, 0);
    EXPECT_EQ(w->Text24->text(), "33");
    EXPECT_EQ(w->Timer1->interval(), 1000);
    ecu.setsilent(false);
    takereceived(1);
    w->Timer1_Timer();
    EXPECT_EQ(w->Timer1->interval(), 100);

    w->Command41->click();
    EXPECT_EQ(diagstep, -4);
    w->Command1->click();
    EXPECT_TRUE(timer);
}
