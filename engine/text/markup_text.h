// Markup as text for a place that shows no markup (a caption, a title, a
// status bar): what a script rendered for the page reads there as a reader
// of the page would read it.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Tags (from "<" followed by a letter, "/" or "!" to the next ">") are
// dropped, and character references become their characters: decimal and
// hexadecimal ones, and the named ones the pages use (&nbsp; &thinsp;
// &amp; &lt; &gt; &quot; &apos; and a few typographic ones). Anything else
// stays as it is: "a < b", "R&D", "&unknown;".
std::wstring markup_to_text(std::wstring_view html);

}  // namespace engine
