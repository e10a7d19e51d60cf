// A row of a pane at each side and the content between them, as a window
// with side panes lays them out.
//
// Each pane has an open width (device-independent pixels); the content
// takes the rest and keeps at least its share of the row (see pane_fit.h).
// In a row too narrow for both open widths and that share, the panes give
// way in proportion to their open widths, which stay as set, so widening
// the row gives them back. The row asks its window for no more width than
// the panes' and the content's own controls need. Every child in the
// content place takes the whole content room (one of them usually shows).
#pragma once

#include <map>
#include <memory>

#include "platform/pane_fit.h"
#include "platform/panel.h"

namespace platform {

class PaneRow final : public Panel {
public:
    enum class Place { start_pane, content, end_pane };

    static std::shared_ptr<PaneRow> create(ContentShare content);

    // Where a child sits; one without a place is content. Set it before the
    // child is appended.
    void set_place(const Element& child, Place place);
    // The width a pane asks for; 0 until set.
    double open_width(Place pane) const;
    void set_open_width(Place pane, double width);

private:
    explicit PaneRow(ContentShare content);
    void attach_widget(Element& child, std::size_t index) override;
    void detach_widget(Element& child) override;

    std::map<const Element*, Place> places_;
    PaneWidths open_;
};

}  // namespace platform
