#pragma once
#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

namespace korvane {

// The cells of a log grid: rows x columns texts, row 0 the column headings. Kept as plain
// texts, not widget items: a log table has 27169 x 17 of them.
class LogTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Sets the size; every cell is empty afterwards. Returns false (size unchanged) when the
    // cells cannot be allocated.
    bool resize(int rows, int cols);
    int rows() const { return nrows; }
    int cols() const { return ncols; }
    // Out-of-range cells read empty and ignore writes.
    const QString &text(int row, int col) const;
    void settext(int row, int col, const QString &text);
    // Empties columns firstcol..lastcol of rows firstrow..lastrow.
    void clearcells(int firstrow, int lastrow, int firstcol, int lastcol);
    // While redraw is off, changes are kept but not shown; switching it on shows them all.
    void setredraw(bool on);
    bool redraw() const { return redrawing; }

    // The view shows rows 1.. as its rows and row 0 as its column headings.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    bool inside(int row, int col) const {
        return row >= 0 && row < nrows && col >= 0 && col < ncols;
    }
    std::vector<QString> cells;
    int nrows = 0, ncols = 0;
    bool redrawing = true;
};

// The log grid control: a table view over its own LogTable.
class LogGrid : public QTableView {
    Q_OBJECT
  public:
    explicit LogGrid(QWidget *parent = nullptr);
    LogTable &table() { return cells; }
    const LogTable &table() const { return cells; }
    void setcolwidth(int col, int twips);
    void setrowheight(int twips);    // every data row
    void setheaderheight(int twips); // row 0

  private:
    LogTable cells;
};

} // namespace korvane
