#pragma once
#include <QFont>
#include <QLabel>
#include <QString>

namespace korvane {

// A text in the largest face from the given one's size down to 6 points that fits width
// pixels; cut at the right with an ellipsis when even 6 points is too wide, since the leading
// words and digits of a caption matter most.
struct Fitted {
    QFont font;
    QString shown;
};
Fitted fittext(const QString &text, QFont font, int width);

// Sets a word-wrapped label's text in the largest face, from the label's own size down to 6
// points, whose lines fit the label's box: a status line with a long reason (a port's path)
// must not lose its last line.
void setwrappedtext(QLabel &label, const QString &text, const QFont &face);

// A label that keeps its whole text for the program but shows what fits its width, in a
// smaller face if need be; the whole text is its tool tip. Long link-state texts ("error: 2,
// 1 failcount = 30001 ") must stay readable in a narrow status corner.
class FitLabel : public QLabel {
  public:
    FitLabel(const QString &text, const QFont &face, QWidget *parent);
    void setText(const QString &text);
    QString text() const { return whole; }

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    void refit();
    QString whole;
    const QFont face; // the face asked for; the shown one may be smaller
};

} // namespace korvane
