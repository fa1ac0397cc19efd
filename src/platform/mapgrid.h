#pragma once
#include <QTableWidget>
#include <cstdint>
#include <functional>

class QKeyEvent;
class QLabel;

namespace korvane {

// The grid that shows one map: data cells (row, column) from 0, row -1 the header row (column
// labels), column -1 the header column (row labels), (-1, -1) the corner caption. The program
// owns everything the grid shows: the grid edits nothing, selects nothing, scrolls only when
// told, and hands every key to the program's handler. A grid that only shows values is set to
// Qt::NoFocus: it then takes neither the focus nor keys. Colours are 0x00BBGGRR.
class MapGrid : public QTableWidget {
    Q_OBJECT
  public:
    using KeyHandler = std::function<void(QKeyEvent &)>;

    explicit MapGrid(QWidget *parent = nullptr);

    // Every key pressed while the grid has the focus goes here, Tab and arrows included.
    void setkeyhandler(KeyHandler handler) { keyhandler = std::move(handler); }

    // Grid size and uniform row height and column width in pixels. Cells get blank texts.
    void setgridsize(int rows, int columns);
    void setcellsize(int rowheight, int columnwidth);

    // Cell roles; a cell outside the grid is ignored (reads give "" / 0 / false).
    void settext(int row, int column, const QString &text);
    QString text(int row, int column) const;
    void setbackcolour(int row, int column, uint32_t colour);
    uint32_t backcolour(int row, int column) const;
    void settextcolour(int row, int column, uint32_t colour);
    uint32_t textcolour(int row, int column) const;
    void setmark(int row, int column, bool marked);
    bool marked(int row, int column) const;

    // The grid's own current cell, in data coordinates. Setting it never scrolls.
    void setcurrentcell(int row, int column);
    int currentrow() const { return currentRow(); }
    int currentcolumn() const { return currentColumn(); }

    // The view. "last" reads the last row or column at least partly shown; setting it scrolls
    // so that index is the last one fully shown.
    int firstvisiblerow() const;
    int firstvisiblecolumn() const;
    int lastvisiblerow() const;
    int lastvisiblecolumn() const;
    void setfirstvisiblerow(int row);
    void setfirstvisiblecolumn(int column);
    void setlastvisiblerow(int row);
    void setlastvisiblecolumn(int column);

    // The size in pixels that shows the headers and every cell, with no empty band.
    QSize fittedsize() const;

    // Off: cells change without being painted; on: the grid repaints once. The grid stays
    // shown and keeps the focus either way.
    void setredraw(bool on);
    bool redraw() const { return redrawon; }

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

  private:
    QTableWidgetItem *cell(int row, int column) const;
    void handkey(QKeyEvent &event);
    int fullyshownrows() const;
    int fullyshowncolumns() const;
    void fitcolumnlabel(int column);
    void fitcorner();

    KeyHandler keyhandler;
    QLabel *corner;
    QString cornertext; // the caption in full; the corner shows what fits
    bool redrawon = true;
};

} // namespace korvane
