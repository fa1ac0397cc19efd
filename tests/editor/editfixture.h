#pragma once
#include "core/linestate.h"
#include "core/commio.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/onlineops.h"
#include "mainwindowfixture.h"
#include "platform/beep.h"
#include "platform/mapgrid.h"
#include "simecu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

namespace korvane::test {

// The main window on the template with a simulated ECU linked as COM1; the live loop stopped
// so that no poll runs between the keys a test sends to the grid.
class Editing : public MainWindow {
  protected:
    SimEcu ecu{1};

    void SetUp() override {
        ASSERT_TRUE(ecu.ok()) << ecu.error().toStdString();
        markuploaded();
        MainWindow::SetUp();
        window->Timer1->stop();
        comport = 1;
        ecu.loadimage(curimage);
        calcmapsums();
    }
    void TearDown() override {
        MainWindow::TearDown();
        closemainport();
    }
    void goonline() {
        markuploaded(); // the ECU holds the image: no synchronisation warning
        window->mnucom1_Click();
        ASSERT_EQ(online, flagset);
        window->Timer1->stop();
        editready = flagset;
        ecu.clearreceived();
    }
    // Both axes held on cell (rpm, load) of the current map, its column told to the ECU.
    void holdat(int rpm, int load) {
        rpmhold = loadhold = prefon;
        currpm = uint8_t(rpm);
        curload = uint8_t(load);
        sendmapselect();
        ecu.clearreceived();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window->mapgrid, k, modifiers);
    }
    // Online on PWM MAP 10 (map 41 at 0x1540, 24 cells a row), both axes held on (rpm, load).
    void onpwmmap10(int rpm, int load) {
        goonline();
        window->mnuPwm3D_Click(1);
        editready = flagset;
        holdat(rpm, load);
    }
    // Holds k down on control: its press, repeats more that the keyboard repeats, its release.
    static void hold(QWidget *control, Qt::Key k, int repeats) {
        QTest::keyPress(control, k);
        QKeyEvent repeat(QEvent::KeyPress, k, Qt::NoModifier, QString(), true);
        for (int i = 0; i < repeats; ++i)
            QApplication::sendEvent(control, &repeat);
        QTest::keyRelease(control, k);
    }
    // A fuel-map cell as the ECU holds it: two bytes, high first.
    int fuelcellatecu(int r, int l) const {
        const int a = 0x4000 + 64 * r + 2 * l;
        return ecu.memory(a) << 8 | ecu.memory(a + 1);
    }
    QByteArray takereceived(int count) {
        ecu.waitreceived(count, 1000);
        const QByteArray bytes = ecu.received();
        ecu.clearreceived();
        return bytes;
    }
    // Runs action while a modal window of type T opening meanwhile is handed to answer.
    template <class T>
    int whilemodal(const std::function<void()> &action, const std::function<void(T &)> &answer) {
        int seen = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget())) {
                ++seen;
                answer(*modal);
            }
        });
        watch.start(5);
        action();
        return seen;
    }
};

// The bytes of one single-setting write as the ECU must see them.
inline QByteArray writebytes(std::initializer_list<uint8_t> addressandvalue) {
    QByteArray bytes("ccH");
    for (uint8_t b : addressandvalue)
        bytes += char(b);
    bytes += QByteArray(reinterpret_cast<const char *>(writeseqvalues + 128), 64);
    return bytes;
}

} // namespace korvane::test
