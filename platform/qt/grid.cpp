#include "platform/grid.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <functional>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QWidget* make_grid_widget() {
    auto* widget = new QWidget;
    auto* layout = new QGridLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return widget;
}

class DoubleClickFilter final : public QObject {
public:
    DoubleClickFilter(QWidget* widget, std::function<void()> on_double_click)
        : QObject(widget), on_double_click_(std::move(on_double_click)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick ||
            static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        on_double_click_();
        return true;
    }

private:
    std::function<void()> on_double_click_;
};

QGridLayout* grid_layout(const Element& grid) {
    return static_cast<QGridLayout*>(widget_of(grid)->layout());
}

}  // namespace

std::shared_ptr<Grid> Grid::create() {
    auto grid = std::shared_ptr<Grid>(new Grid());
    std::weak_ptr<Grid> weak = grid;
    QWidget* widget = widget_of(*grid);
    widget->installEventFilter(new DoubleClickFilter(widget, [weak] {
        if (auto self = weak.lock()) self->double_tapped.raise(*self);
    }));
    return grid;
}

Grid::Grid() : Panel(Orientation::vertical, make_native(make_grid_widget())) {}

void Grid::set_columns(const std::vector<GridLength>& columns) {
    columns_ = columns;
    QGridLayout* layout = grid_layout(*this);
    for (int c = 0; c < int(columns.size()); ++c) {
        const GridLength& length = columns[std::size_t(c)];
        layout->setColumnStretch(
            c, length.unit == GridLength::Unit::star ? int(length.value * 100) : 0);
        layout->setColumnMinimumWidth(
            c, length.unit == GridLength::Unit::pixel ? int(length.value + 0.5) : 0);
    }
}

void Grid::set_rows(const std::vector<GridLength>& rows) {
    rows_ = rows;
    QGridLayout* layout = grid_layout(*this);
    for (int r = 0; r < int(rows.size()); ++r) {
        const GridLength& length = rows[std::size_t(r)];
        layout->setRowStretch(r,
                              length.unit == GridLength::Unit::star ? int(length.value * 100) : 0);
        layout->setRowMinimumHeight(
            r, length.unit == GridLength::Unit::pixel ? int(length.value + 0.5) : 0);
    }
}

void Grid::set_cell(const Element& child, int row, int column, int row_span, int column_span) {
    cells_[&child] = Cell{row, column, row_span, column_span};
    QWidget* widget = widget_of(child);
    QGridLayout* layout = grid_layout(*this);
    if (widget && layout->indexOf(widget) >= 0) {
        layout->removeWidget(widget);
        layout->addWidget(widget, row, column, row_span, column_span);
    }
}

double Grid::actual_column_width(int column) const {
    QGridLayout* layout = grid_layout(*this);
    if (column < 0 || column >= layout->columnCount()) return 0;
    const QRect cell = layout->cellRect(0, column);
    return cell.isValid() ? double(cell.width()) : 0;
}

Grid::Cell Grid::cell_of(const Element& child) const {
    auto found = cells_.find(&child);
    return found == cells_.end() ? Cell{} : found->second;
}

void Grid::attach_widget(Element& child, std::size_t) {
    const Cell cell = cell_of(child);
    grid_layout(*this)->addWidget(widget_of(child), cell.row, cell.column, cell.row_span,
                                  cell.column_span);
}

void Grid::detach_widget(Element& child) {
    Panel::detach_widget(child);
    cells_.erase(&child);
}

}  // namespace platform
