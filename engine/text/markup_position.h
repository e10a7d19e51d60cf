// Where the HTML written so far leaves the next character: in text, inside a
// tag, or inside a quoted attribute value of a tag.
//
// The script follows its output with one of these, so that a value the
// template writes inside a tag («<a href="{Link}">», «<span title={Name}>»)
// is escaped to stay inside its attribute. It reads HTML as a browser does,
// reduced to what decides that: a tag opens at "<" before a letter, "/", "!"
// or "?" and ends at ">"; a value is quoted when "=" and blanks are followed
// by a quote, and ends at the same quote.
#pragma once

#include <string>
#include <string_view>

namespace engine {

class markup_position {
public:
    // Moves the position over `html`, which is written right after what was
    // followed before.
    void follow(std::wstring_view html);

    bool in_tag() const { return place_ != place::text; }
    bool in_quoted_value() const {
        return place_ == place::double_quoted || place_ == place::single_quoted;
    }

private:
    enum class place { text, tag, value_start, double_quoted, single_quoted };

    place place_ = place::text;
    bool after_open_bracket_ = false;  // the last character followed was a "<" in text
};

// `text` as it must be written at `position` so that it stays there: as it is
// in text; inside a quoted value with " ' < > and a bare & as character
// references; elsewhere in a tag also blanks, "=", "`" and "/", which would end
// an unquoted value or begin another attribute.
std::wstring escape_for_position(std::wstring_view text, const markup_position& position);

}  // namespace engine
