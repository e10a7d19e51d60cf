#include "engine/render/table_repair.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace engine {

namespace {

constexpr std::wstring_view table_start = L"<table ";
constexpr std::wstring_view closer = L"</td></tr></table>";
constexpr std::wstring_view plain_closer = L"</table>";
constexpr std::wstring_view wrapper = L"<table width=100%>";
constexpr std::wstring_view piece_mark = L"table ";

bool contains(std::wstring_view text, std::wstring_view what) {
    return text.find(what) != std::wstring_view::npos;
}

std::size_t count_of(std::wstring_view text, std::wstring_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::wstring_view::npos;
         at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// Removes every closer in one pass from the start; a closer that only forms
// where two pieces meet after a removal stays.
std::wstring without_closers(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(closer); at != std::wstring_view::npos;
         at = text.find(closer, from)) {
        out.append(text.substr(from, at - from));
        from = at + closer.size();
    }
    out.append(text.substr(from));
    return out;
}

// Closers before the first table start belong to no table. Removing one can
// join its two sides into a new closer, so the text is rebuilt one character
// at a time: `out` never holds a closer or a table start, and the first of the
// two that completes at its end is also the first in the text.
void drop_stray_closers(std::wstring& text) {
    if (text.find(closer) == std::wstring::npos) return;
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        std::wstring_view tail = out;
        if (tail.ends_with(closer)) {
            out.resize(out.size() - closer.size());
        } else if (tail.ends_with(table_start)) {
            out.append(text, i + 1);
            break;
        }
    }
    text = std::move(out);
}

// The text before the first table start, then one piece per table start,
// each beginning with "table " (its "<" left out).
std::vector<std::wstring> split_at_tables(std::wstring_view text) {
    std::vector<std::wstring> pieces;
    std::size_t at = text.find(table_start);
    pieces.emplace_back(text.substr(0, at));
    while (at != std::wstring_view::npos) {
        std::size_t next = text.find(table_start, at + 1);
        pieces.emplace_back(
            text.substr(at + 1, next == std::wstring_view::npos ? next : next - at - 1));
        at = next;
    }
    return pieces;
}

void wrap_loose_cells(std::wstring& piece) {
    if (piece.starts_with(piece_mark)) return;
    if (contains(piece, plain_closer)) {
        piece.insert(0, wrapper);
        if (!contains(piece, L"<tr")) piece.insert(wrapper.size(), L"<tr>");
        if (!contains(piece, L"<td")) piece.insert(wrapper.size() + 4, L"<td>");
    } else if (contains(piece, L"<td") || contains(piece, L"<tr")) {
        piece.insert(0, wrapper);
    }
}

// Cells that follow a closed table in the same piece get a table of their own.
void finish_piece(std::wstring& piece) {
    if (piece.starts_with(piece_mark)) piece.insert(0, 1, L'<');
    if (!contains(piece, table_start)) return;
    std::size_t close_at = piece.find(closer);
    if (close_at == std::wstring::npos) return;
    std::size_t cut = close_at + closer.size();
    std::wstring tail = without_closers(std::wstring_view(piece).substr(cut));
    piece.resize(cut);
    if (contains(tail, L"<td") || contains(tail, L"<tr")) {
        piece.append(wrapper);
        piece.append(tail);
        piece.append(closer);
    } else {
        piece.append(tail);
    }
}

}  // namespace

std::wstring balance_tables(std::wstring text) {
    drop_stray_closers(text);
    std::vector<std::wstring> pieces = split_at_tables(text);
    std::wstring result;
    result.reserve(text.size() + 64);
    for (auto& piece : pieces) {
        wrap_loose_cells(piece);
        finish_piece(piece);
        result.append(piece);
    }
    // A table still open here would take in everything after the unit, the
    // next page's frame included.
    std::size_t opened = count_of(result, L"<table");
    std::size_t closed = count_of(result, plain_closer);
    for (std::size_t i = closed; i < opened; ++i) result.append(closer);
    return result;
}

}  // namespace engine
