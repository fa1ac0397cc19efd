#pragma once
// Helpers shared by the map file, line check and start-up window tests.
#include "core/calimage.h"
#include "core/frmwarn10.h"
#include "core/maptext.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include <cstring>
#include <random>

namespace korvane::test {

// Every byte random; afrmap column 50 (never stored) stays 0.
inline calimage randomimage(unsigned seed) {
    calimage image{};
    std::mt19937 rng(seed);
    for (int i = 0; i < imagebytes; ++i)
        setimagebyte(image, ecuorderaddress(i), rng() & 255);
    return image;
}

inline bool sameimage(const calimage &a, const calimage &b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A whole, valid map text of image, as the writer makes it from its skeleton.
inline QByteArray maptextof(const calimage &image) {
    QByteArray text = blankmaptext();
    packimage(image, text);
    return text;
}

inline void writefile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

inline QByteArray readfile(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// While alive, answers every "Working invalid file" wait the way a hurried user would: types
// the skip code and lets the window tick until it closes. Counts the waits.
class WaitWindowCloser {
  public:
    WaitWindowCloser() {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *wait = qobject_cast<frmWarn10 *>(QApplication::activeModalWidget());
            if (!wait || !wait->isVisible()) return;
            ++waits;
            wait->Text1->setText("brantopewelk");
            while (wait->isVisible())
                wait->Timer1_Timer();
        });
        timer.start();
    }
    int waits = 0;

  private:
    QTimer timer;
};

} // namespace korvane::test
