// An editable text: one line, or several lines that wrap and take Return.
//
// `text_changed` is raised for every change of the text, typed by the user or
// set by code, so whoever sets a value by code sees it stored the same way.
// A box may have a limit on the characters a user puts in: a key, paste or
// drop that would make the text longer is refused whole, the text stays as
// it was and `input_refused` is raised. A text set by code is taken whole,
// and one longer than the limit may be edited but not lengthened. A box
// raises `focus_lost` when the user leaves it.
// UI thread only.
#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class TextBox final : public Element {
public:
    static std::shared_ptr<TextBox> create(bool multi_line = false);

    bool multi_line() const { return multi_line_; }

    std::wstring text() const;
    void set_text(const std::wstring& text);

    const std::wstring& placeholder_text() const { return placeholder_; }
    void set_placeholder_text(std::wstring text);

    bool read_only() const { return read_only_; }
    void set_read_only(bool read_only);

    // Characters as the program's texts hold them; no limit until set.
    std::size_t max_length() const { return max_length_; }
    void set_max_length(std::size_t characters);

    // The frame around the text: inner space, border colour and widths.
    void set_frame(Thickness padding, Color border, Thickness border_width);

    Event<TextBox> text_changed;
    Event<TextBox> input_refused;
    // The keyboard focus left the box for another control or window; a
    // context menu opened over it does not count.
    Event<TextBox> focus_lost;

private:
    explicit TextBox(bool multi_line);

    bool multi_line_;
    bool read_only_ = false;
    std::size_t max_length_ = std::numeric_limits<std::size_t>::max();
    std::wstring placeholder_;
};

}  // namespace platform
