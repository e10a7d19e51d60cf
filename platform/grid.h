// A panel that places its children in cells of rows and columns.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/event.h"
#include "platform/panel.h"

namespace platform {

class Grid final : public Panel {
public:
    static std::shared_ptr<Grid> create();

    void set_columns(const std::vector<GridLength>& columns);
    void set_rows(const std::vector<GridLength>& rows);
    std::size_t column_count() const { return columns_.size(); }
    // The width the layout gave a column; 0 before the grid was laid out.
    double actual_column_width(int column) const;

    // The cell of a child; a child without one sits in row 0, column 0.
    // Setting it for a child already in the grid moves it there.
    void set_cell(const Element& child, int row, int column, int row_span = 1, int column_span = 1);

    // A double click on the grid or on a child that takes no clicks itself.
    Event<Grid> double_tapped;
    // Double-taps as a user would (tests).
    void double_tap() { double_tapped.raise(*this); }

private:
    struct Cell {
        int row = 0, column = 0, row_span = 1, column_span = 1;
    };
    Grid();
    void attach_widget(Element& child, std::size_t index) override;
    void detach_widget(Element& child) override;
    Cell cell_of(const Element& child) const;

    std::vector<GridLength> columns_;
    std::vector<GridLength> rows_;
    std::map<const Element*, Cell> cells_;
};

}  // namespace platform
