#pragma once
// A grid of text cells addressed as (column, row), with an optional fixed
// heading row and heading column. Cells live in a model of our own, so a
// schedule of ten thousand rows fills and scrolls at once; the model gives
// each cell's text as Qt::DisplayRole and its background as
// Qt::BackgroundRole. The heading row and column are model row 0 and
// column 0; the view shows them in its header bars so they stay in place
// while the body scrolls.

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <QVector>

class QLabel;

namespace larkspan {

class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void resize(int columns, int rows);
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // Replaces one whole row at once (faster than cell by cell).
    void setRow(int row, const QStringList& texts);
    QColor cellColor(int column, int row) const;
    void setCellColor(int column, int row, const QColor& color);
    void clearCellColors();
    void clearTexts();
    void setCellAlignment(Qt::Alignment alignment);
    void setFixedCounts(int fixedColumns, int fixedRows);
    void setBoldCell(int column, int row);

private:
    qsizetype at(int column, int row) const { return qsizetype(row) * columns_ + column; }
    bool valid(int column, int row) const { return column >= 0 && row >= 0 && column < columns_ && row < rows_; }

    int columns_ = 0;
    int rows_ = 0;
    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    QVector<QString> texts_;
    QVector<QColor> colors_; // invalid colour: the default background
    Qt::Alignment alignment_ = Qt::AlignRight | Qt::AlignVCenter;
    int boldColumn_ = -1;
    int boldRow_ = -1;
};

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    // fixedColumns and fixedRows are 0 or 1.
    TStringGrid(const QString& objectName, int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

    StringGridModel& cells() { return model_; }
    const StringGridModel& cells() const { return model_; }

    int colCount() const { return model_.columnCount(); }
    int rowCount() const { return model_.rowCount(); }
    void setColCount(int columns);
    void setRowCount(int rows);
    QString cell(int column, int row) const { return model_.cell(column, row); }
    void setCell(int column, int row, const QString& text) { model_.setCell(column, row, text); }

    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    void setColWidth(int column, int width);
    int colWidth(int column) const;
    void setRowHeight(int row, int height);

    void setSelectionColors(const QColor& background, const QColor& text);
    // The focused cell drawn in bold.
    void setBoldFocusedCell(bool on);
    void setWholeRowSelection(bool on);
    // Selects one body cell.
    void selectCell(int column, int row);
    int selectedColumn() const;
    int selectedRow() const;

    // The cell under a position of the viewport, (-1, -1) outside the cells.
    QPoint mouseToCell(const QPoint& viewportPosition) const;

Q_SIGNALS:
    void cellClicked(int column, int row);
    void cellDoubleClicked(int column, int row);
    void mouseReleased(int column, int row);
    void mouseMoved(int column, int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void applyFixedLayout();
    void placeCorner();

    StringGridModel model_;
    int fixedColumns_;
    int fixedRows_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    bool boldFocused_ = false;
    QLabel* corner_ = nullptr;
};

} // namespace larkspan
