// Which attributes of a tag hold an address, and whether an address a
// template and its values wrote there may stand: a link a value helps to
// write must not run script when it is followed.
#pragma once

#include <string_view>

namespace engine {

// `name` in lower case: href, src, action, formaction, xlink:href,
// background, poster, data or cite.
bool is_address_attribute(std::wstring_view name);

// The values an SVG animation element (`tag` in lower case: set, animate,
// animatemotion, animatetransform, animatecolor) gives the attribute it
// animates: to, from, by and values. They are addresses whatever that
// attribute is, since its attributeName may come after them or be a value.
bool is_animation_value_attribute(std::wstring_view tag, std::wstring_view name);

// Attributes whose text is a page or a script of its own (srcdoc, on…): no
// value is written into them.
bool is_script_attribute(std::wstring_view name);

// True when `text`, an attribute's text as written (character references
// undecoded), is read by a browser as an address with a scheme other than
// http, https, mailto, tel or file. An address without a scheme passes.
bool has_refused_scheme(std::wstring_view text);

// As has_refused_scheme, for each ";"-separated item of an animation's
// `values` (a ";" written as a reference separates too).
bool has_refused_scheme_in_list(std::wstring_view text);

// True once `text` is long enough that no text written after it can change
// what `has_refused_scheme` says of it.
bool scheme_is_settled(std::wstring_view text);

}  // namespace engine
