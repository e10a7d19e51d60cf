// The vertical position of a scroll viewer.
#include <QScrollArea>
#include <QScrollBar>

#include "platform/controls.h"
#include "platform/qt/native_widget.h"

namespace platform {

double ScrollViewer::vertical_offset() const {
    auto* area = static_cast<QScrollArea*>(widget_of(*this));
    return area ? area->verticalScrollBar()->value() : 0.0;
}

void ScrollViewer::scroll_to_vertical_offset(double offset) {
    auto* area = static_cast<QScrollArea*>(widget_of(*this));
    if (!area) return;
    area->verticalScrollBar()->setValue(offset > 0 ? int(offset + 0.5) : 0);
}

}  // namespace platform
