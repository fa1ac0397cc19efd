#include "editor/copywindow.h"

#include "core/editorstate.h"
#include "editor/axislabels.h"
#include "editor/mapcatalogue.h"
#include "editor/numbertext.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QLabel>

namespace korvane {

QLabel *copylabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(QFont("Arial", 10));
    return label;
}

QString rowcaption(int i)
{
    if (mapcatalogue(curmap).kind == mapkind::pwm24) return fixedtext(4.3 * i, 0);
    return rpmlabels[i];
}

void addokcancel(QDialog &window, QGridLayout &layout, int row, QPushButton *&ok,
                 QPushButton *&cancel)
{
    ok = new QPushButton("OK", &window);
    cancel = new QPushButton("&Cancel", &window);
    QObject::connect(cancel, &QPushButton::clicked, &window, &QDialog::reject);
    layout.addWidget(ok, row, 2);
    layout.addWidget(cancel, row, 3);
}

void markcurrent(QLabel *label, QAbstractButton *current)
{
    for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(current)}) {
        if (!w) continue;
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        palette.setColor(QPalette::ButtonText, Qt::red);
        w->setPalette(palette);
    }
}

} // namespace korvane
