#include "platform/mapgrid.h"

#include "platform/colour.h"
#include "platform/fittext.h"

#include <QHeaderView>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace korvane {

namespace {
// Cells drawn without the toolkit's focus frame: the program paints the cursor itself, and a
// second marker on the grid's own current cell would show a different cell at times.
class PlainCells : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

QTableWidgetItem *newcell()
{
    auto *item = new QTableWidgetItem(QString());
    // Shown only: the program writes every value itself.
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

void fixheader(QHeaderView *header)
{
    // A click on a header would otherwise move the current cell or select a line.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
}
} // namespace

MapGrid::MapGrid(QWidget *parent) : QTableWidget(parent), corner(new QLabel(this))
{
    setItemDelegate(new PlainCells(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setDragEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    // A small face so that "760 mmHg" or "12000 RPM" fits a column header.
    setFont(QFont(QStringLiteral("Arial"), 8));
    // One scroll step is one row or column, so the scroll position is the first visible index.
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerItem);
    fixheader(horizontalHeader());
    fixheader(verticalHeader());
    // Wide enough for the longest row label and the table captions in the corner.
    verticalHeader()->setMinimumWidth(72);
    corner->setAlignment(Qt::AlignCenter);
    corner->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MapGrid::setgridsize(int rows, int columns)
{
    setRowCount(rows);
    setColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        if (!verticalHeaderItem(r)) setVerticalHeaderItem(r, newcell());
        for (int c = 0; c < columns; ++c)
            if (!item(r, c)) setItem(r, c, newcell());
    }
    for (int c = 0; c < columns; ++c)
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, newcell());
    updateGeometries();
}

// Column labels keep their whole text for the program; the header shows what fits.
void MapGrid::fitcolumnlabel(int column)
{
    QTableWidgetItem *label = horizontalHeaderItem(column);
    if (!label) return;
    const QString text = label->data(Qt::UserRole).isValid() ? label->data(Qt::UserRole).toString()
                                                             : label->text();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const Fitted fitted = fittext(text, font(), columnWidth(column) - 2 * margin - 2);
    label->setData(Qt::UserRole, text);
    label->setFont(fitted.font);
    label->setText(fitted.shown);
}

void MapGrid::fitcorner()
{
    const Fitted fitted = fittext(cornertext, font(), corner->width() - 4);
    corner->setFont(fitted.font);
    corner->setText(fitted.shown);
}

void MapGrid::setcellsize(int rowheight, int columnwidth)
{
    // The style's minimum would otherwise overrule small sizes.
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowheight);
    horizontalHeader()->setDefaultSectionSize(columnwidth);
    for (int r = 0; r < rowCount(); ++r) setRowHeight(r, rowheight);
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, columnwidth);
        fitcolumnlabel(c);
    }
    updateGeometries();
}

QTableWidgetItem *MapGrid::cell(int row, int column) const
{
    if (row < -1 || column < -1 || row >= rowCount() || column >= columnCount()) return nullptr;
    if (row == -1 && column == -1) return nullptr;
    if (row == -1) return horizontalHeaderItem(column);
    if (column == -1) return verticalHeaderItem(row);
    return item(row, column);
}

void MapGrid::settext(int row, int column, const QString &text)
{
    if (row == -1 && column == -1) {
        cornertext = text;
        fitcorner();
        return;
    }
    QTableWidgetItem *item = cell(row, column);
    if (!item) return;
    item->setText(text);
    if (row == -1) {
        item->setData(Qt::UserRole, QVariant());
        fitcolumnlabel(column);
    }
}

QString MapGrid::text(int row, int column) const
{
    if (row == -1 && column == -1) return cornertext;
    const QTableWidgetItem *item = cell(row, column);
    if (item && row == -1 && item->data(Qt::UserRole).isValid())
        return item->data(Qt::UserRole).toString();
    return item ? item->text() : QString();
}

void MapGrid::setbackcolour(int row, int column, uint32_t colour)
{
    if (row == -1 && column == -1) {
        QPalette palette = corner->palette();
        palette.setColor(QPalette::Window, tocolor(colour));
        corner->setPalette(palette);
        corner->setAutoFillBackground(true);
    }
    if (QTableWidgetItem *item = cell(row, column)) item->setBackground(tocolor(colour));
}

uint32_t MapGrid::backcolour(int row, int column) const
{
    if (row == -1 && column == -1 && corner->autoFillBackground())
        return fromcolor(corner->palette().color(QPalette::Window));
    const QTableWidgetItem *item = cell(row, column);
    if (!item || item->background().style() == Qt::NoBrush) return rgbcolour(255, 255, 255);
    return fromcolor(item->background().color());
}

void MapGrid::settextcolour(int row, int column, uint32_t colour)
{
    if (QTableWidgetItem *item = cell(row, column)) item->setForeground(tocolor(colour));
}

uint32_t MapGrid::textcolour(int row, int column) const
{
    const QTableWidgetItem *item = cell(row, column);
    if (!item || item->foreground().style() == Qt::NoBrush) return 0;
    return fromcolor(item->foreground().color());
}

void MapGrid::setmark(int row, int column, bool marked)
{
    QTableWidgetItem *item = cell(row, column);
    if (!item || item->font().bold() == marked) return;
    // Start from the grid's own font: an item without a font of its own reports the
    // application default, and a cell once marked would keep that typeface.
    QFont font = this->font();
    font.setBold(marked);
    item->setFont(font);
}

bool MapGrid::marked(int row, int column) const
{
    const QTableWidgetItem *item = cell(row, column);
    return item && item->font().bold();
}

void MapGrid::setcurrentcell(int row, int column)
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return;
    setCurrentCell(row, column);
}

int MapGrid::fullyshownrows() const
{
    const int height = verticalHeader()->defaultSectionSize();
    return std::max(1, height > 0 ? viewport()->height() / height : 1);
}

int MapGrid::fullyshowncolumns() const
{
    const int width = horizontalHeader()->defaultSectionSize();
    return std::max(1, width > 0 ? viewport()->width() / width : 1);
}

int MapGrid::firstvisiblerow() const { return verticalScrollBar()->value(); }
int MapGrid::firstvisiblecolumn() const { return horizontalScrollBar()->value(); }

int MapGrid::lastvisiblerow() const
{
    const int row = rowAt(viewport()->height() - 1);
    return row < 0 ? rowCount() - 1 : row;
}

int MapGrid::lastvisiblecolumn() const
{
    const int column = columnAt(viewport()->width() - 1);
    return column < 0 ? columnCount() - 1 : column;
}

void MapGrid::setfirstvisiblerow(int row) { verticalScrollBar()->setValue(std::max(0, row)); }

void MapGrid::setfirstvisiblecolumn(int column)
{
    horizontalScrollBar()->setValue(std::max(0, column));
}

void MapGrid::setlastvisiblerow(int row) { setfirstvisiblerow(row - fullyshownrows() + 1); }

void MapGrid::setlastvisiblecolumn(int column)
{
    setfirstvisiblecolumn(column - fullyshowncolumns() + 1);
}

void MapGrid::setredraw(bool on)
{
    if (on == redrawon) return;
    redrawon = on;
    // Only painting stops: hiding the grid would take the keyboard focus away from it.
    setUpdatesEnabled(on);
    if (on) viewport()->update();
}

void MapGrid::handkey(QKeyEvent &event)
{
    event.accept();
    if (keyhandler) keyhandler(event);
}

bool MapGrid::event(QEvent *event)
{
    // Caught before QWidget turns Tab into a focus move: the program decides about every key.
    if (event->type() == QEvent::KeyPress) {
        handkey(static_cast<QKeyEvent &>(*event));
        return true;
    }
    return QTableWidget::event(event);
}

void MapGrid::keyPressEvent(QKeyEvent *event) { handkey(*event); }

void MapGrid::mousePressEvent(QMouseEvent *event)
{
    // A click only gives the focus, and only to a grid that takes it (one that only shows
    // values takes none); the cursor cell is the program's.
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    event->accept();
}

void MapGrid::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }
void MapGrid::mouseMoveEvent(QMouseEvent *event) { event->accept(); }
void MapGrid::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

void MapGrid::scrollTo(const QModelIndex &, ScrollHint)
{
    // The view moves only when the program sets the first or last visible row or column.
}

QSize MapGrid::fittedsize() const
{
    // The headers take the larger of their minimum and their hint, as the view lays them out.
    const QHeaderView *top = horizontalHeader(), *left = verticalHeader();
    const int frame = 2 * frameWidth();
    return {std::max(left->minimumWidth(), left->sizeHint().width()) + top->length() + frame,
            std::max(top->minimumHeight(), top->sizeHint().height()) + left->length() + frame};
}

void MapGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    const int frame = frameWidth();
    corner->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
    fitcorner();
    corner->setVisible(verticalHeader()->isVisible() && horizontalHeader()->isVisible());
    corner->raise();
}

} // namespace korvane
