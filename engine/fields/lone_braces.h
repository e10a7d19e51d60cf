// A "{" in a value that no "}" closes, braces matched by nesting, is a brace
// the clerk typed («стул [В4 {] конец»), not the start of a script: it prints
// as typed and what follows it is read as usual, so in «стул [В4 {] [В5
// {Logo}]» the first brace prints and {Logo} is a reference. While the value
// runs, each such brace is held as a character the script reads as text, and
// given back after.
//
// A value runs only when a brace of it closes, and the page renders again
// with every keystroke: each call here leaps from brace to brace by search,
// in place, and a value without a brace is searched once and left as it is.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Whether some "{" of `value` is closed by a "}": the value runs as a script.
bool holds_closed_brace(std::wstring_view value);
// Holds each "{" of `source` that no "}" closes; answers whether it held one.
bool hold_lone_braces(std::wstring& source);
// Gives back each brace held in `text`.
void release_lone_braces(std::wstring& text);

}  // namespace engine
