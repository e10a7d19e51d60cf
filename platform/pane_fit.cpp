#include "platform/pane_fit.h"

#include <algorithm>

namespace platform {

double content_least_width(double row_width, ContentShare content, double content_needs) {
    return std::max(content_needs, std::min(row_width * content.share, content.cap));
}

PaneWidths fit_side_panes(double row_width, PaneWidths open, PaneWidths needs,
                          double content_least) {
    const double room = std::max(0.0, row_width - content_least);
    const double asked = open.start + open.end;
    if (asked <= room) return open;
    const double scale = asked > 0 ? room / asked : 0;
    PaneWidths given{open.start * scale, open.end * scale};
    // A pane held at its need leaves the other what is left.
    if (given.start < needs.start) {
        given.start = needs.start;
        given.end = std::max(needs.end, room - given.start);
    } else if (given.end < needs.end) {
        given.end = needs.end;
        given.start = std::max(needs.start, room - given.end);
    }
    return given;
}

double narrowest_row(PaneWidths needs, ContentShare content, double content_needs) {
    const double panes = needs.start + needs.end;
    // The row in which the panes' needs and the content's share just meet.
    const double by_share = content.share < 1
                                ? std::min(panes / (1 - content.share), panes + content.cap)
                                : panes + content.cap;
    return std::max(panes + content_needs, by_share);
}

}  // namespace platform
