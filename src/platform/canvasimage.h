#pragma once
#include "platform/canvas.h"

#include <QImage>
#include <memory>

class QPainter;

namespace korvane {

// A canvas that paints into an image it keeps: what the picture box shows, and what stays
// when nothing draws. Painting goes on until image() is asked for.
class ImageCanvas : public Canvas {
  public:
    explicit ImageCanvas(QSize pixels = QSize(1, 1));
    ~ImageCanvas() override;

    // The picture so far. Drawing on after this is fine.
    const QImage &image();
    // A new size keeps the picture at the top left; new parts take BackColor.
    void resize(QSize pixels);
    // Sets BackColor; a canvas not drawn on yet takes it all over.
    void setbackcolour(uint32_t colour);

  protected:
    void draw(const Drawn &primitive) override;

  private:
    QImage picture;
    std::unique_ptr<QPainter> painter; // open while drawing goes on
    bool blank = true;
};

} // namespace korvane
