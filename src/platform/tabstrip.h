#pragma once
#include <QStringList>
#include <QWidget>
#include <vector>

namespace korvane {

// The tab strip of a window: every tab in sight at once, on as many rows as its width needs
// (rows filled evenly, each row's tabs sharing the width), so no tab hides behind a scroll
// arrow. A click or the arrow, Home and End keys choose a tab.
class TabStrip : public QWidget {
    Q_OBJECT
  public:
    explicit TabStrip(QWidget *parent = nullptr);

    void addTab(const QString &text);
    int count() const { return int(texts.size()); }
    QString tabText(int index) const { return texts.value(index); }
    int currentIndex() const { return current; }
    // Chooses a tab; currentChanged follows when it is another one. An index outside the
    // strip is ignored.
    void setCurrentIndex(int index);
    QRect tabRect(int index) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

  signals:
    void currentChanged(int index);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    int perrow(int width) const; // tabs on each row at that width
    int rowheight() const;

    QStringList texts;
    int current = -1;
};

} // namespace korvane
