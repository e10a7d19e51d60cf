// Looks that need no control of their own: the border and rounded corners of
// a panel, and the line wrapping of a text block. UI thread only.
#pragma once

#include "platform/controls.h"
#include "platform/element.h"
#include "platform/style.h"

namespace platform {

struct Border {
    Brush background{Color{0, 0, 0, 0}};
    Color brush{0, 0, 0, 0};
    double thickness = 0;
    double corner_radius = 0;
};

// Replaces the element's background with the border's, drawn inside the
// element's margin; set the margin first.
void set_border(Element& element, const Border& border);

void set_word_wrap(TextBlock& text, bool wrap);
// A wrapped text that breaks between any two characters, as an expression
// of digits and signs without blanks needs.
void wrap_anywhere(TextBlock& text);
// A wrapped text that stays on one line wherever its row has the room for
// it; by default a wrapped text may break a short line early.
void keep_on_one_line_when_it_fits(TextBlock& text);

// Check boxes, radio buttons and buttons draw over their whole widget; this
// keeps their margin (set first) empty around them.
void keep_margin_outside(Element& control);

}  // namespace platform
