// The text a reader sees in a rendered document, as golden files keep it.
//
// The head, scripts and tags go; every block (division, paragraph, table,
// table row, line break) ends a line with "\n", and a table cell starts with
// a tab, which plays no other part: tabs, line feeds and returns of the
// markup's text become blanks, as a browser shows them. Character references
// become their characters, so a no-break space stays U+00A0. Nothing is
// collapsed, so blanks can still be judged.
#pragma once

#include <string>
#include <vector>

namespace golden {

std::wstring visible_text(const std::wstring& html);

// One line per block, its cells parted by " | "; inside a cell every run of
// blanks becomes one and the ends lose theirs. Cells that show nothing (no
// character but spaces of any kind) and empty lines go; elsewhere no-break
// and thin spaces are characters like any other.
std::wstring collapse_blanks(const std::wstring& text);

// What a finished document must never show: a brace, a red marker (read
// from the markup), "undefined", two blanks in a row of whatever kind inside
// a cell of a line (a form's spacing of three or more no-break or thin spaces
// aside), or a cell that starts with a no-break or thin space; nor what an
// empty field leaves behind when it gets no gap: a blank before a comma,
// full stop, semicolon or colon, "№" or "No." with no number after it, a
// colon before punctuation, empty parentheses, a minus before a count of
// days, or a signature line with no name beside it (read from the markup's
// tables). One entry for each, quoting its piece of text. A "{" that starts
// one of `typed_braces` (a typed value's brace that nothing closes, with the
// word it opens, «{12») is the clerk's text, no fault.
std::vector<std::wstring> rendering_faults(const std::wstring& html, const std::wstring& text,
                                           const std::vector<std::wstring>& typed_braces = {});

}  // namespace golden
