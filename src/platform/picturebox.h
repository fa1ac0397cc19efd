#pragma once
#include "platform/canvasimage.h"

#include <QFrame>

namespace korvane {

// The picture box: a sunken frame whose inside shows a canvas that keeps its drawing, so
// what was drawn stays until it is drawn over, however often the window repaints.
class PictureBox : public QFrame {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Drawing shows at the next repaint; the window schedules it.
    Canvas &canvas();
    // What the box shows now.
    const QImage &image() { return surface.image(); }
    // Sets the canvas's BackColor, and the whole box's colour until something is drawn.
    void setbackcolour(uint32_t colour);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    class Surface : public ImageCanvas {
      public:
        explicit Surface(PictureBox &box) : box(box) {}

      protected:
        void draw(const Drawn &primitive) override;

      private:
        PictureBox &box;
    };
    Surface surface;
    bool repaintasked = false;
};

// The canvas of a picture box, or nullptr when the widget is not one.
Canvas *canvasof(QWidget *widget);

} // namespace korvane
