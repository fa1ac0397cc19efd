#pragma once
#include <QFont>
#include <QString>
#include <cstdint>

namespace korvane {

enum class DrawStyle { solid, dotted };
enum class FillStyle { solid, transparent };

// One primitive as a backend receives it: coordinates in twips, colours 0x00BBGGRR, the pen
// width in pixels, the style in force when it was drawn.
struct Drawn {
    enum Kind { clear, line, point, box, ellipse, arc, pie, text };
    Kind kind = line;
    // line: (x1, y1)-(x2, y2); box: corners; point: (x1, y1); ellipse, arc, pie: centre
    // (x1, y1), horizontal radius r, vertical radius r * aspect; text: top left (x1, y1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double r = 0, aspect = 1;
    double start = 0, end = 0; // arc, pie: radians counter-clockwise from 3 o'clock
    uint32_t colour = 0;       // pen (text: fore colour; box, pie, clear: the fill)
    bool filled = false;       // ellipse: inside painted with fill
    uint32_t fill = 0;
    int width = 1;
    DrawStyle style = DrawStyle::solid;
    QString string; // text
    QFont font;     // text
};

// The drawing surface of a picture box, in twips (15 to the pixel), origin top left, y down.
// Set the properties, then draw; a backend keeps or records what is drawn. The font names
// the program asks for are resolved to installed ones: "arial" is Liberation Sans, a font
// that is missing falls back to DejaVu Sans, condensed.
class Canvas {
  public:
    virtual ~Canvas() = default;

    uint32_t BackColor = 0xFFFFFF; // what cls() clears to
    uint32_t ForeColor = 0;        // text, and lines drawn without a colour
    uint32_t FillColor = 0;        // inside of circles and ellipses while FillStyle is solid
    FillStyle fillstyle = FillStyle::transparent;
    DrawStyle drawstyle = DrawStyle::solid;
    int DrawWidth = 1; // pixels
    QString FontName = QStringLiteral("arial");
    double FontSize = 8; // points
    bool FontBold = false, FontItalic = false;
    double CurrentX = 0, CurrentY = 0; // where print() writes and the last line ended

    // Clears the whole surface to BackColor; the current position goes back to (0, 0).
    void cls();
    // A line from (x1, y1) to (x2, y2), both ends included; the current position moves to
    // its end.
    void line(double x1, double y1, double x2, double y2, uint32_t colour);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, ForeColor); }
    void pset(double x, double y, uint32_t colour);
    // A box filled with colour, corners included, whatever the fill properties.
    void box(double x1, double y1, double x2, double y2, uint32_t colour);
    // A circle or ellipse of horizontal radius r and height/width aspect, outlined in colour
    // and, while FillStyle is solid, filled with FillColor.
    void circle(double x, double y, double r, uint32_t colour, double aspect = 1);
    // The part of that ellipse running counter-clockwise from start to end (radians from
    // 3 o'clock); an end below the start runs through angle 0. Never filled.
    void arc(double x, double y, double r, uint32_t colour, double start, double end,
             double aspect = 1);
    // The sector between the same angles, filled with colour, without outline.
    void pie(double x, double y, double r, uint32_t colour, double start, double end,
             double aspect = 1);
    // Text in ForeColor and the font properties, the top of its cell at the current
    // position; the current position moves to the end of the text.
    void print(const QString &text);
    void print(double x, double y, const QString &text);
    double textwidth(const QString &text) const;  // twips
    double textheight(const QString &text) const; // twips

    // The installed font that stands for the font properties.
    QFont font() const;

  protected:
    virtual void draw(const Drawn &primitive) = 0;

  private:
    Drawn pen(Drawn::Kind kind, uint32_t colour) const;
    void sector(Drawn::Kind kind, double x, double y, double r, uint32_t colour, double start,
                double end, double aspect);
};

} // namespace korvane
