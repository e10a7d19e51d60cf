// How a row shares its width between a pane at each side and the content
// between them, without any windowing system. Widths are device-independent
// pixels.
//
// The content keeps a least width: a share of the row, at most a cap (and
// never less than its own controls need). The panes take their open widths
// when the rest of the row holds them; in a narrower row they give way in
// proportion to their open widths, down to what their controls need.
#pragma once

namespace platform {

struct PaneWidths {
    double start = 0;
    double end = 0;
    friend bool operator==(const PaneWidths&, const PaneWidths&) = default;
};

struct ContentShare {
    double share = 0;  // of the row's width, below 1
    double cap = 0;
};

// The least width of the content in a row `row_width` wide whose content's
// controls need `content_needs`.
double content_least_width(double row_width, ContentShare content, double content_needs);

// The widths the panes take in a row `row_width` wide, when they ask for
// `open`, their controls need `needs` and the content keeps `content_least`.
PaneWidths fit_side_panes(double row_width, PaneWidths open, PaneWidths needs,
                          double content_least);

// The narrowest row that holds panes needing `needs` and content needing
// `content_needs` beside them, the content keeping its share.
double narrowest_row(PaneWidths needs, ContentShare content, double content_needs);

}  // namespace platform
