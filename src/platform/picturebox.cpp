#include "platform/picturebox.h"
#include "platform/colour.h"

#include <QPainter>

namespace korvane {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent), surface(*this) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

Canvas &PictureBox::canvas() {
    // A hidden box hears of its size only when shown: draw on the size it has now.
    surface.resize(contentsRect().size());
    return surface;
}

void PictureBox::setbackcolour(uint32_t colour) {
    surface.setbackcolour(colour);
    QPalette back = palette();
    back.setColor(QPalette::Window, tocolor(colour));
    setPalette(back);
}

void PictureBox::Surface::draw(const Drawn &primitive) {
    ImageCanvas::draw(primitive);
    // One repaint request for a whole drawing, not one per line.
    if (!box.repaintasked) box.update();
    box.repaintasked = true;
}

void PictureBox::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    repaintasked = false;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), surface.image());
}

void PictureBox::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    surface.resize(contentsRect().size());
}

Canvas *canvasof(QWidget *widget) {
    auto *box = qobject_cast<PictureBox *>(widget);
    return box ? &box->canvas() : nullptr;
}

} // namespace korvane
