// The screen HTML in the pieces the view is updated by: the head, the pages
// and the tail; a page's tags and the texts between them; and the text a
// browser's text node holds for such a text. Plain functions over the text;
// views into it live as long as the text.
//
// The readings here are cautious: where one cannot be sure to match what the
// browser builds, it answers nothing, and the caller replaces more.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The screen HTML cut before every page's table. `head` is the document's
// head and the body's start, `tail` the closing "</body></html>" when the
// text ends so; each page runs to the next page or to the tail.
struct PagedHtml {
    std::wstring_view head;
    std::vector<std::wstring_view> pages;
    std::wstring_view tail;
};
PagedHtml split_pages(std::wstring_view html);

// A page as the tokenizer sees it: texts[i] stands before tags[i], and the
// last text after the last tag, so there is always one text more than tags.
struct PageMarkup {
    std::vector<std::wstring_view> texts;
    std::vector<std::wstring_view> tags;
};
PageMarkup read_markup(std::wstring_view page);

// The text node a text of the markup becomes: character references
// resolved, line ends made LF. Nothing for a reference this reader does not
// know, a NUL or half of a surrogate pair.
std::optional<std::wstring> node_text(std::wstring_view text);

// A hash of text nodes in order (FNV-1a over each node's length and UTF-16
// units); the view computes the same over the nodes it built.
std::uint32_t text_signature(const std::vector<std::wstring>& nodes);

// The signature the view should report for `page` when each non-empty text
// of its markup became one text node; nothing when a text cannot be read.
std::optional<std::uint32_t> expected_signature(std::wstring_view page);

// One text node of a page given a new text.
struct TextEdit {
    std::size_t node;  // among the page's text nodes, in document order
    std::wstring text;
    friend bool operator==(const TextEdit&, const TextEdit&) = default;
};

// The text node edits that turn the page `before` into `after` as a fresh
// reading would; nothing when the tags differ or a changed text could read
// differently on its own (empty, blanks only, a leading line feed, inside a
// raw-text element, or unreadable).
std::optional<std::vector<TextEdit>> text_edits(std::wstring_view before, std::wstring_view after);

}  // namespace app
