#include "core/transferwindow.h"

#include "core/buildprofile.h"
#include "core/prefs.h"
#include "core/transferport.h"
#include "platform/colour.h"
#include "platform/fittext.h"
#include "platform/twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace korvane {

QLabel *placelabel(QWidget *parent, const QString &text, int left, int top, int width, int height) {
    auto *control = new QLabel(text, parent);
    control->setGeometry(tw(left), tw(top), tw(width), tw(height));
    control->setWordWrap(true);
    return control;
}

QPushButton *placebutton(QWidget *parent, const QString &text, int left, int top, int width) {
    auto *control = new QPushButton(text, parent);
    control->setGeometry(tw(left), tw(top), tw(width), tw(375));
    return control;
}

void painttransfer(QWidget *window, std::initializer_list<QWidget *> plain,
                   std::initializer_list<QWidget *> buttons) {
    const auto paint = [](QWidget *widget, uint32_t colour, QPalette::ColorRole role) {
        QPalette palette = widget->palette();
        palette.setColor(role, tocolor(colour));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    };
    paint(window, profilecolours[1], QPalette::Window);
    // A check box fills its background from the button colour, a label from the window's.
    for (QWidget *control : plain)
        paint(control, profilecolours[1], control->backgroundRole());
    for (QWidget *control : buttons) {
        paint(control, profilecolours[1] - 0x101010, QPalette::Button);
        // A button that cannot act still says what it is: the style's faded text would vanish
        // into the darker button colour.
        QPalette palette = control->palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
        control->setPalette(palette);
    }
}

QString comlabel(int port) {
    return QStringLiteral("COM%1").arg(port);
}

QString stepcomport(int delta) {
    comport = int16_t(std::clamp(comport + delta, 1, 15));
    return comlabel(comport);
}

TransferView viewon(QLabel *label, QProgressBar *bar) {
    TransferView view;
    view.status = [label](const QString &text) {
        // The window's face, so a long reason shrinks only the text that needs it.
        setwrappedtext(*label, text, label->window()->font());
        label->repaint();
    };
    view.progress = [bar](int value) {
        bar->setVisible(value >= 0);
        if (value < 0 || bar->value() == value) return;
        bar->setValue(value);
        bar->repaint();
    };
    return view;
}

} // namespace korvane
