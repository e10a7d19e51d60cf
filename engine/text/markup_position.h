// Where the HTML written so far leaves the next character: in text, inside a
// tag, or inside an attribute's value, and which attribute that is.
//
// The script follows its output with one of these, so that a value the
// template writes inside a tag («<a href="{Link}">», «<span title={Name}>»)
// is escaped to stay inside its attribute, and cannot make an address that
// runs script; a value right after a "<" in text («x <{Tag}>») cannot open a
// tag. It reads HTML as a browser does, reduced to what decides that:
// a tag opens at "<" before a letter, "/", "!" or "?" and ends at ">"; an
// attribute's name runs to a blank, "/", "=" or ">"; a value is quoted when
// "=" and blanks are followed by a quote, and ends at the same quote, and
// an unquoted value ends at a blank or ">".
#pragma once

#include <string>
#include <string_view>

namespace engine {

class markup_position {
public:
    // Moves the position over `html`, which is written right after what was
    // followed before.
    void follow(std::wstring_view html);

    // Inside a tag, or right after a "<" in text, where a letter would open
    // one: a value written here is escaped for its place.
    bool in_tag() const { return place_ != place::text || after_open_bracket_; }
    // Right after a "<" in text.
    bool at_tag_opening() const { return place_ == place::text && after_open_bracket_; }
    bool in_quoted_value() const {
        return place_ == place::double_quoted || place_ == place::single_quoted;
    }
    // After the "=" of an attribute, up to the end of its value.
    bool in_value() const {
        return in_quoted_value() || place_ == place::value_start || place_ == place::unquoted;
    }
    // The name of the attribute being written, in lower case.
    const std::wstring& attribute_name() const { return name_; }
    // Inside the value of an address attribute, or of one holding a list of
    // addresses (an animation's `values`).
    bool in_address() const { return in_value() && keeps_address_; }
    bool in_address_list() const { return in_address() && address_list_; }
    // The value of an address attribute as written so far (character
    // references undecoded), of a list its last item; kept only as far as
    // its scheme needs.
    const std::wstring& address_so_far() const { return address_; }

private:
    enum class place {
        text,
        tag_name,
        before_name,
        name,
        after_name,
        value_start,
        unquoted,
        double_quoted,
        single_quoted
    };

    void start_name(wchar_t c);
    void start_value();
    void add_to_value(wchar_t c);

    place place_ = place::text;
    bool after_open_bracket_ = false;  // the last character followed was a "<" in text
    std::wstring tag_;                 // lower case, the first few characters
    std::wstring name_;
    std::wstring address_;
    bool keeps_address_ = false;  // the value being written is an address
    bool address_list_ = false;   // … a list of them, parted by ";"
    bool address_settled_ = false;
};

// `text` as it must be written at `position` so that it stays there: as it is
// in text, but right after a "<" with a first character that would open a
// tag written as a reference; inside a quoted value with " ' < > and a bare &
// as character references; elsewhere in a tag also blanks, "=", "`" and "/",
// which would end an unquoted value or begin another attribute. In an address attribute every
// "&" is written "&amp;" (no reference may hide a scheme), and nothing is
// written when the address (any item of a list) would then have a scheme
// that is refused (see link_address.h); in srcdoc and on… attributes nothing
// is written.
std::wstring escape_for_position(std::wstring_view text, const markup_position& position);

}  // namespace engine
