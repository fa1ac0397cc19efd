#include "platform/loggrid.h"

#include "platform/twips.h"

#include <QHeaderView>
#include <algorithm>
#include <new>

namespace korvane {

namespace {
const QString empty;
}

bool LogTable::resize(int rows, int cols) {
    if (rows < 1 || cols < 1) return false;
    try {
        std::vector<QString> fresh(size_t(rows) * size_t(cols));
        beginResetModel();
        cells.swap(fresh);
        nrows = rows;
        ncols = cols;
        endResetModel();
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

const QString &LogTable::text(int row, int col) const {
    return inside(row, col) ? cells[size_t(row) * ncols + col] : empty;
}

void LogTable::settext(int row, int col, const QString &text) {
    if (!inside(row, col)) return;
    cells[size_t(row) * ncols + col] = text;
    if (!redrawing) return;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void LogTable::clearcells(int firstrow, int lastrow, int firstcol, int lastcol) {
    const bool was = redrawing;
    redrawing = false;
    for (int row = std::max(firstrow, 0); row <= std::min(lastrow, nrows - 1); ++row)
        for (int col = std::max(firstcol, 0); col <= std::min(lastcol, ncols - 1); ++col)
            cells[size_t(row) * ncols + col].clear();
    setredraw(was);
}

void LogTable::setredraw(bool on) {
    redrawing = on;
    if (!on || nrows == 0) return;
    emit headerDataChanged(Qt::Horizontal, 0, ncols - 1);
    if (nrows > 1) emit dataChanged(index(0, 0), index(nrows - 2, ncols - 1));
}

int LogTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(nrows - 1, 0);
}

int LogTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ncols;
}

QVariant LogTable::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return text(index.row() + 1, index.column());
}

QVariant LogTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return text(0, section);
    return section + 1;
}

LogGrid::LogGrid(QWidget *parent) : QTableView(parent) {
    setModel(&cells);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Headings longer than their column go on two lines, as the header row is high enough.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                            Qt::Alignment(Qt::TextWordWrap));
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);
    // The table only shows values: Tab goes on to the window's other controls.
    setTabKeyNavigation(false);
}

void LogGrid::setcolwidth(int col, int twips) {
    setColumnWidth(col, tw(twips));
}

void LogGrid::setrowheight(int twips) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(tw(twips));
}

// Never lower than three lines of headings, so every heading can be read.
void LogGrid::setheaderheight(int twips) {
    const int lines = 3 * horizontalHeader()->fontMetrics().lineSpacing() + 6;
    horizontalHeader()->setFixedHeight(std::max(tw(twips), lines));
}

} // namespace korvane
