#include "platform/canvasimage.h"
#include "platform/colour.h"
#include "platform/twips.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {
constexpr double pixels(double twips) {
    return twips / twipsperpixel;
}
int pixel(double twips) {
    return int(std::floor(twips / twipsperpixel));
}

// Qt counts angles in sixteenths of a degree, counter-clockwise as the program does.
int sixteenths(double radians) {
    return int(std::lround(radians * 180 / std::numbers::pi * 16));
}
int span(double start, double end) {
    double sweep = end - start;
    if (sweep < 0) sweep += 2 * std::numbers::pi; // runs through angle 0
    return sixteenths(sweep);
}

QRectF ellipserect(const Drawn &d) {
    const double rx = pixels(d.r), ry = pixels(d.r * d.aspect);
    return QRectF(pixels(d.x1) - rx, pixels(d.y1) - ry, 2 * rx, 2 * ry);
}
} // namespace

ImageCanvas::ImageCanvas(QSize size) : picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    picture.fill(tocolor(BackColor));
}

ImageCanvas::~ImageCanvas() = default;

const QImage &ImageCanvas::image() {
    painter.reset();
    return picture;
}

void ImageCanvas::resize(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (size == picture.size()) return;
    painter.reset();
    QImage larger(size, QImage::Format_RGB32);
    larger.fill(tocolor(BackColor));
    QPainter(&larger).drawImage(0, 0, picture);
    picture = larger;
}

void ImageCanvas::setbackcolour(uint32_t colour) {
    BackColor = colour;
    if (!blank) return;
    painter.reset();
    picture.fill(tocolor(colour));
}

void ImageCanvas::draw(const Drawn &d) {
    blank = false;
    if (!painter) painter = std::make_unique<QPainter>(&picture);
    QPainter &p = *painter;
    QPen pen(tocolor(d.colour), d.width, d.style == DrawStyle::dotted ? Qt::DotLine : Qt::SolidLine,
             Qt::RoundCap);
    switch (d.kind) {
    case Drawn::clear:
        p.fillRect(picture.rect(), tocolor(d.colour));
        break;
    case Drawn::box: {
        const QRect corners(QPoint(pixel(std::min(d.x1, d.x2)), pixel(std::min(d.y1, d.y2))),
                            QPoint(pixel(std::max(d.x1, d.x2)), pixel(std::max(d.y1, d.y2))));
        p.fillRect(corners, tocolor(d.fill));
        break;
    }
    case Drawn::point:
        p.setPen(pen);
        p.drawPoint(QPointF(pixels(d.x1), pixels(d.y1)));
        break;
    case Drawn::line:
        p.setPen(pen);
        p.drawLine(QPointF(pixels(d.x1), pixels(d.y1)), QPointF(pixels(d.x2), pixels(d.y2)));
        break;
    case Drawn::ellipse:
        p.setPen(pen);
        p.setBrush(d.filled ? QBrush(tocolor(d.fill)) : QBrush(Qt::NoBrush));
        p.drawEllipse(ellipserect(d));
        break;
    case Drawn::arc:
        p.setPen(pen);
        p.drawArc(ellipserect(d), sixteenths(d.start), span(d.start, d.end));
        break;
    case Drawn::pie:
        p.setPen(Qt::NoPen);
        p.setBrush(tocolor(d.fill));
        p.drawPie(ellipserect(d), sixteenths(d.start), span(d.start, d.end));
        break;
    case Drawn::text:
        p.setPen(tocolor(d.colour));
        p.setFont(d.font);
        p.drawText(QRectF(pixels(d.x1), pixels(d.y1), picture.width(), picture.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, d.string);
        break;
    }
}

} // namespace korvane
