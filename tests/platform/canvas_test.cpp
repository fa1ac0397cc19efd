#include "platform/canvasimage.h"
#include "platform/canvasrecorder.h"
#include "platform/picturebox.h"

#include <QFontInfo>
#include <cmath>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
constexpr uint32_t red = 0x0000FF; // 0x00BBGGRR

QColor at(ImageCanvas &c, double xtwips, double ytwips) {
    return c.image().pixelColor(int(xtwips / 15), int(ytwips / 15));
}
} // namespace

TEST(Canvas, PaintsTwipsInProgramColours) {
    ImageCanvas c(QSize(100, 100));
    c.BackColor = 0;
    c.cls();
    c.box(150, 150, 300, 300, red); // pixels 10..20, both corners included
    EXPECT_EQ(at(c, 150, 150), QColor(255, 0, 0));
    EXPECT_EQ(at(c, 300, 300), QColor(255, 0, 0));
    EXPECT_EQ(at(c, 316, 300), QColor(0, 0, 0));

    // An arc from 5.0 to 0.3 radians runs through 3 o'clock, not round the left side.
    c.arc(750, 750, 600, 0x00FF00, 5.0, 0.3);
    EXPECT_EQ(at(c, 750 + 600, 750), QColor(0, 255, 0));
    EXPECT_EQ(at(c, 750 - 600, 750), QColor(0, 0, 0));
    c.pie(750, 750, 450, 0xFF0000, 5.0, 0.3);
    EXPECT_EQ(at(c, 750 + 300, 750 - 30), QColor(0, 0, 255));
    EXPECT_EQ(at(c, 750, 750 - 300), QColor(0, 0, 0));

    // A dotted line leaves gaps; the current position follows the line's end.
    c.drawstyle = DrawStyle::dotted;
    c.line(0, 1200, 1485, 1200, 0xFFFFFF);
    int lit = 0;
    for (int x = 0; x < 99; ++x)
        lit += c.image().pixelColor(x, 80) == Qt::white;
    EXPECT_GT(lit, 20);
    EXPECT_LT(lit, 80);
    EXPECT_EQ(c.CurrentX, 1485);
}

TEST(Canvas, PrintsBelowTheCurrentPositionInTheFontsAskedFor) {
    ImageCanvas c(QSize(200, 100));
    c.BackColor = 0;
    c.cls();
    c.ForeColor = 0xFFFFFF;
    c.FontSize = 14;
    c.print(150, 600, "Load");
    EXPECT_GT(c.CurrentX, 150 + 30 * 15); // moved past the text
    int inkabove = 0, inkbelow = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y)
            (y < 40 ? inkabove : inkbelow) += c.image().pixelColor(x, y) != Qt::black;
    EXPECT_EQ(inkabove, 0);
    EXPECT_GT(inkbelow, 50);

    EXPECT_EQ(QFontInfo(c.font()).family(), "Liberation Sans");
    c.FontName = "HandelGothic BT";
    EXPECT_EQ(QFontInfo(c.font()).family(), "DejaVu Sans");
    // Narrow enough for the panel: a row label inside its cell, scale numbers 258 twips apart.
    c.FontSize = 12;
    c.FontBold = c.FontItalic = true;
    EXPECT_LT(c.textwidth("COOL"), 705);
    c.FontSize = 7;
    c.FontItalic = false;
    EXPECT_LT(c.textwidth("100"), 258);
}

TEST(Canvas, PictureBoxKeepsItsDrawingThroughResizes) {
    PictureBox box;
    box.resize(120, 120);
    box.setbackcolour(0);
    box.canvas().cls();
    box.canvas().box(0, 0, 450, 450, red);
    box.resize(200, 200);
    const QImage shown = box.grab().toImage();
    const QPoint inside = box.contentsRect().topLeft() + QPoint(5, 5);
    EXPECT_EQ(shown.pixelColor(inside), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(inside + QPoint(100, 100)), QColor(0, 0, 0));

    RecordingCanvas r;
    r.fillstyle = FillStyle::solid;
    r.FillColor = red;
    r.circle(10, 20, 30, 0, 0.9);
    ASSERT_EQ(r.drawn.size(), 1u);
    EXPECT_TRUE(r.drawn[0].filled);
    EXPECT_EQ(r.drawn[0].fill, red);
    EXPECT_EQ(r.drawn[0].aspect, 0.9);
}
