// Markup as text for a place that shows no markup (a caption, a title, a
// status bar): what a script rendered for the page reads there as a reader
// of the page would read it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace engine {

// Tags (from "<" followed by a letter, "/" or "!" to the next ">") are
// dropped, and character references become their characters: decimal and
// hexadecimal ones, and the named ones the pages use (&nbsp; &thinsp;
// &amp; &lt; &gt; &quot; &apos; and a few typographic ones). Anything else
// stays as it is: "a < b", "R&D", "&unknown;".
std::wstring markup_to_text(std::wstring_view html);

// The length of the tag `html` opens with, its ">" included; 0 when it opens
// with none and its "<" reads as itself.
std::size_t tag_length(std::wstring_view html);
// The character the reference `html` opens with stands for, and the
// reference's length; a length of 0 when it opens with none of those above.
std::pair<char32_t, std::size_t> character_reference_at(std::wstring_view html);

}  // namespace engine
