#include "shell/StringGrid.h"

#include "shell/Theme.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>

namespace larkspan {

// ---------------------------------------------------------------- model

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !valid(index.column(), index.row()))
        return {};
    const qsizetype i = at(index.column(), index.row());
    switch (role) {
    case Qt::DisplayRole:
        return texts_.at(i);
    case Qt::BackgroundRole:
        if (colors_.at(i).isValid())
            return colors_.at(i);
        if (index.row() < fixedRows_ || index.column() < fixedColumns_)
            return theme::buttonFace();
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment_);
    case Qt::FontRole:
        if (index.column() == boldColumn_ && index.row() == boldRow_) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    if ((horizontal && fixedRows_ == 0) || (!horizontal && fixedColumns_ == 0))
        return {};
    const int column = horizontal ? section : 0;
    const int row = horizontal ? 0 : section;
    if (!valid(column, row))
        return {};
    if (role == Qt::DisplayRole)
        return texts_.at(at(column, row));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment_);
    if (role == Qt::BackgroundRole && colors_.at(at(column, row)).isValid())
        return colors_.at(at(column, row));
    return {};
}

void StringGridModel::resize(int columns, int rows)
{
    columns = std::max(0, columns);
    rows = std::max(0, rows);
    if (columns == columns_ && rows == rows_)
        return;
    beginResetModel();
    QVector<QString> texts(qsizetype(columns) * rows);
    QVector<QColor> colors(qsizetype(columns) * rows);
    const int keepColumns = std::min(columns, columns_);
    const int keepRows = std::min(rows, rows_);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepColumns; ++c) {
            texts[qsizetype(r) * columns + c] = std::move(texts_[at(c, r)]);
            colors[qsizetype(r) * columns + c] = colors_[at(c, r)];
        }
    texts_ = std::move(texts);
    colors_ = std::move(colors);
    columns_ = columns;
    rows_ = rows;
    endResetModel();
}

QString StringGridModel::cell(int column, int row) const
{
    return valid(column, row) ? texts_.at(at(column, row)) : QString();
}

void StringGridModel::setCell(int column, int row, const QString& text)
{
    if (!valid(column, row))
        return;
    QString& slot = texts_[at(column, row)];
    if (slot == text)
        return;
    slot = text;
    const QModelIndex i = index(row, column);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
    if (row < fixedRows_)
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    if (column < fixedColumns_)
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
}

void StringGridModel::setRow(int row, const QStringList& texts)
{
    if (row < 0 || row >= rows_)
        return;
    const int n = std::min<int>(columns_, texts.size());
    for (int c = 0; c < n; ++c)
        texts_[at(c, row)] = texts.at(c);
    Q_EMIT dataChanged(index(row, 0), index(row, columns_ - 1), {Qt::DisplayRole});
    if (row < fixedRows_)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

QColor StringGridModel::cellColor(int column, int row) const
{
    return valid(column, row) ? colors_.at(at(column, row)) : QColor();
}

void StringGridModel::setCellColor(int column, int row, const QColor& color)
{
    if (!valid(column, row))
        return;
    colors_[at(column, row)] = color;
    const QModelIndex i = index(row, column);
    Q_EMIT dataChanged(i, i, {Qt::BackgroundRole});
}

void StringGridModel::clearCellColors()
{
    colors_.fill(QColor());
    if (rows_ > 0 && columns_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::BackgroundRole});
}

void StringGridModel::clearTexts()
{
    for (QString& t : texts_)
        t.clear();
    if (rows_ > 0 && columns_ > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::DisplayRole});
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
}

void StringGridModel::setCellAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    if (rows_ > 0 && columns_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::TextAlignmentRole});
}

void StringGridModel::setFixedCounts(int fixedColumns, int fixedRows)
{
    fixedColumns_ = fixedColumns;
    fixedRows_ = fixedRows;
}

void StringGridModel::setBoldCell(int column, int row)
{
    const int oldColumn = boldColumn_, oldRow = boldRow_;
    boldColumn_ = column;
    boldRow_ = row;
    if (valid(oldColumn, oldRow))
        Q_EMIT dataChanged(index(oldRow, oldColumn), index(oldRow, oldColumn), {Qt::FontRole});
    if (valid(column, row))
        Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::FontRole});
}

// ----------------------------------------------------------------- view

TStringGrid::TStringGrid(const QString& objectName, int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent)
    : QTableView(parent), model_(this), fixedColumns_(fixedColumns), fixedRows_(fixedRows)
{
    setObjectName(objectName);
    model_.setFixedCounts(fixedColumns, fixedRows);
    model_.resize(columns, rows);
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setMouseTracking(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    corner_ = new QLabel(this);
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setTextFormat(Qt::PlainText);
    corner_->setAutoFillBackground(true);
    connect(&model_, &QAbstractItemModel::headerDataChanged, this, [this] { placeCorner(); });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { applyFixedLayout(); });
    setDefaultColWidth(defaultColWidth_);
    setDefaultRowHeight(defaultRowHeight_);
    applyFixedLayout();
}

void TStringGrid::applyFixedLayout()
{
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedColumns_ > 0);
    if (fixedRows_ > 0 && model_.rowCount() > 0)
        setRowHidden(0, true);
    if (fixedColumns_ > 0 && model_.columnCount() > 0)
        setColumnHidden(0, true);
    placeCorner();
}

void TStringGrid::placeCorner()
{
    const bool show = fixedRows_ > 0 && fixedColumns_ > 0;
    corner_->setVisible(show);
    if (!show)
        return;
    corner_->setText(model_.cell(0, 0));
    const QColor c = model_.cellColor(0, 0);
    QPalette p = corner_->palette();
    p.setColor(QPalette::Window, c.isValid() ? c : theme::buttonFace());
    corner_->setPalette(p);
    corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

void TStringGrid::setColCount(int columns)
{
    model_.resize(columns, model_.rowCount());
}

void TStringGrid::setRowCount(int rows)
{
    model_.resize(model_.columnCount(), rows);
}

void TStringGrid::setDefaultColWidth(int width)
{
    defaultColWidth_ = width;
    horizontalHeader()->setDefaultSectionSize(width);
    if (fixedColumns_ > 0)
        verticalHeader()->setFixedWidth(width);
    placeCorner();
}

void TStringGrid::setDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    verticalHeader()->setDefaultSectionSize(height);
    if (fixedRows_ > 0)
        horizontalHeader()->setFixedHeight(height);
    placeCorner();
}

void TStringGrid::setColWidth(int column, int width)
{
    if (column == 0 && fixedColumns_ > 0)
        verticalHeader()->setFixedWidth(width);
    else
        setColumnWidth(column, width);
    placeCorner();
}

int TStringGrid::colWidth(int column) const
{
    if (column == 0 && fixedColumns_ > 0)
        return verticalHeader()->width();
    return columnWidth(column);
}

void TStringGrid::setRowHeight(int row, int height)
{
    if (row == 0 && fixedRows_ > 0)
        horizontalHeader()->setFixedHeight(height);
    else
        QTableView::setRowHeight(row, height);
    placeCorner();
}

void TStringGrid::setSelectionColors(const QColor& background, const QColor& text)
{
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, background);
        p.setColor(group, QPalette::HighlightedText, text);
    }
    setPalette(p);
}

void TStringGrid::setBoldFocusedCell(bool on)
{
    boldFocused_ = on;
    if (!on)
        model_.setBoldCell(-1, -1);
}

void TStringGrid::setWholeRowSelection(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void TStringGrid::selectCell(int column, int row)
{
    const QModelIndex i = model_.index(row, column);
    if (i.isValid())
        setCurrentIndex(i);
}

int TStringGrid::selectedColumn() const
{
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

int TStringGrid::selectedRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

QPoint TStringGrid::mouseToCell(const QPoint& viewportPosition) const
{
    const QModelIndex i = indexAt(viewportPosition);
    return i.isValid() ? QPoint(i.column(), i.row()) : QPoint(-1, -1);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint c = mouseToCell(event->position().toPoint());
    Q_EMIT mouseReleased(c.x(), c.y());
    if (c.x() >= 0)
        Q_EMIT cellClicked(c.x(), c.y());
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QPoint c = mouseToCell(event->position().toPoint());
    Q_EMIT cellDoubleClicked(c.x(), c.y());
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    const QPoint c = mouseToCell(event->position().toPoint());
    Q_EMIT mouseMoved(c.x(), c.y());
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeCorner();
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (boldFocused_)
        model_.setBoldCell(current.column(), current.row());
}

} // namespace larkspan
