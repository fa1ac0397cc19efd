#include "platform/canvas.h"
#include "platform/twips.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>

namespace korvane {

namespace {
QString installedfamily(const QString &name) {
    // Liberation Sans has Arial's metrics; a font that is not installed (the gauge titles'
    // HandelGothic BT) falls back to DejaVu Sans rather than to whatever the system picks.
    if (name.compare(QLatin1String("arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (QFontDatabase::hasFamily(name)) return name;
    return QStringLiteral("DejaVu Sans");
}

// Metrics as an image of 96 dpi measures them: what the picture boxes draw on.
QFontMetricsF metrics(const QFont &font) {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetricsF(font, &device);
}
} // namespace

QFont Canvas::font() const {
    const QString family = installedfamily(FontName);
    QFont f(family);
    // The panel's cells and scales were laid out for a narrower face than DejaVu Sans: at its
    // full width "COOL" crosses the cell line and the scale numbers run into each other.
    if (family == QLatin1String("DejaVu Sans")) f.setStretch(QFont::Condensed);
    f.setPointSizeF(FontSize > 0 ? FontSize : 8);
    f.setBold(FontBold);
    f.setItalic(FontItalic);
    return f;
}

Drawn Canvas::pen(Drawn::Kind kind, uint32_t colour) const {
    Drawn d;
    d.kind = kind;
    d.colour = colour;
    d.width = DrawWidth < 1 ? 1 : DrawWidth;
    d.style = drawstyle;
    return d;
}

void Canvas::cls() {
    Drawn d = pen(Drawn::clear, BackColor);
    draw(d);
    CurrentX = CurrentY = 0;
}

void Canvas::line(double x1, double y1, double x2, double y2, uint32_t colour) {
    Drawn d = pen(Drawn::line, colour);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    draw(d);
    CurrentX = x2, CurrentY = y2;
}

void Canvas::pset(double x, double y, uint32_t colour) {
    Drawn d = pen(Drawn::point, colour);
    d.x1 = d.x2 = x, d.y1 = d.y2 = y;
    draw(d);
    CurrentX = x, CurrentY = y;
}

void Canvas::box(double x1, double y1, double x2, double y2, uint32_t colour) {
    Drawn d = pen(Drawn::box, colour);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    d.filled = true, d.fill = colour;
    draw(d);
    CurrentX = x2, CurrentY = y2;
}

void Canvas::circle(double x, double y, double r, uint32_t colour, double aspect) {
    Drawn d = pen(Drawn::ellipse, colour);
    d.x1 = x, d.y1 = y, d.r = r, d.aspect = aspect;
    d.filled = fillstyle == FillStyle::solid;
    d.fill = FillColor;
    draw(d);
    CurrentX = x, CurrentY = y;
}

void Canvas::arc(double x, double y, double r, uint32_t colour, double start, double end,
                 double aspect) {
    sector(Drawn::arc, x, y, r, colour, start, end, aspect);
}

void Canvas::pie(double x, double y, double r, uint32_t colour, double start, double end,
                 double aspect) {
    sector(Drawn::pie, x, y, r, colour, start, end, aspect);
}

void Canvas::sector(Drawn::Kind kind, double x, double y, double r, uint32_t colour, double start,
                    double end, double aspect) {
    Drawn d = pen(kind, colour);
    d.x1 = x, d.y1 = y, d.r = r, d.aspect = aspect, d.start = start, d.end = end;
    d.filled = kind == Drawn::pie, d.fill = colour;
    draw(d);
    CurrentX = x, CurrentY = y;
}

void Canvas::print(const QString &text) {
    Drawn d = pen(Drawn::text, ForeColor);
    d.x1 = CurrentX, d.y1 = CurrentY;
    d.string = text;
    d.font = font();
    draw(d);
    CurrentX += textwidth(text);
}

void Canvas::print(double x, double y, const QString &text) {
    CurrentX = x, CurrentY = y;
    print(text);
}

double Canvas::textwidth(const QString &text) const {
    return metrics(font()).horizontalAdvance(text) * twipsperpixel;
}

double Canvas::textheight(const QString &) const {
    return metrics(font()).height() * twipsperpixel;
}

} // namespace korvane
