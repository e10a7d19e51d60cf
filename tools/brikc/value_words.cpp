#include "tools/brikc/value_words.h"

#include <span>
#include <vector>

#include "tools/brikc/source_error.h"
#include "tools/brikc/source_text.h"
#include "tools/brikc/value_text.h"

namespace brikc {

namespace {

struct word {
    std::wstring_view text;
    std::uint16_t value;
};

constexpr word flags[] = {{L"no", 0}, {L"yes", 1}};
constexpr word aligns[] = {{L"left", 0}, {L"center", 1}, {L"right", 2}, {L"justify", 3}};
constexpr word page_kinds[] = {{L"legacy", 0}, {L"standard", 1}};
constexpr word field_types[] = {{L"memo", 0},  {L"date", 1}, {L"text", 2},    {L"number", 3},
                                {L"plain", 4}, {L"pick", 5}, {L"options", 6}, {L"choice", 7},
                                {L"image", 9}, {L"note", 10}};
constexpr word numberings[] = {{L"none", 0}, {L"1.", 1},  {L"1.1.", 2}, {L"1.1.1.", 3}, {L"1)", 4},
                               {L"I.", 5},   {L"i.", 6},  {L"i)", 7},   {L"(i)", 8},    {L"A.", 9},
                               {L"a.", 10},  {L"a)", 11}, {L"(a)", 12}, {L"-", 13}};
constexpr std::uint16_t restart_flag = 100;
constexpr std::uint16_t no_indent_flag = 1000;

std::span<const word> words_of(value_kind kind) {
    switch (kind) {
        case value_kind::flag: return flags;
        case value_kind::align: return aligns;
        case value_kind::page_kind: return page_kinds;
        case value_kind::field_type: return field_types;
        case value_kind::numbering: return numberings;
        default: return {};
    }
}

std::uint16_t read_one(value_kind kind, std::wstring_view text, int line) {
    if (words_of(kind).empty()) return read_u16(text, line);
    for (const word& w : words_of(kind))
        if (w.text == text) return w.value;
    if (!text.empty() && text.front() >= L'0' && text.front() <= L'9' &&
        text.find_first_not_of(L"0123456789") == std::wstring_view::npos)
        return read_u16(text, line);
    std::string expected;
    for (const word& w : words_of(kind))
        expected += (expected.empty() ? "" : ", ") + encode_utf8(w.text);
    throw source_error(line,
                       "unknown value '" + encode_utf8(text) + "'" +
                           (expected.empty() ? "" : " (expected a number or " + expected + ")"));
}

std::wstring write_one(value_kind kind, std::uint16_t value) {
    for (const word& w : words_of(kind))
        if (w.value == value) return std::wstring(w.text);
    return std::to_wstring(value);
}

}  // namespace

std::uint16_t read_value_word(value_kind kind, std::wstring_view text, int line) {
    if (kind != value_kind::numbering) return read_one(kind, text, line);
    std::vector<std::wstring_view> parts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(L' ', pos), text.size());
        if (end > pos) parts.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    if (parts.empty()) throw source_error(line, "a numbering kind is required");
    unsigned long value = read_one(kind, parts[0], line);
    bool restart = false, no_indent = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == L"restart" && !restart) {
            restart = true;
            value += restart_flag;
        } else if (parts[i] == L"no-indent" && !no_indent) {
            no_indent = true;
            value += no_indent_flag;
        } else {
            throw source_error(line, "unknown numbering word '" + encode_utf8(parts[i]) +
                                         "' (expected restart or no-indent)");
        }
    }
    if (value > 65535) throw source_error(line, "numbering kind is out of range 0-65535");
    return std::uint16_t(value);
}

std::wstring write_value_word(value_kind kind, std::uint16_t value) {
    if (kind != value_kind::numbering) return write_one(kind, value);
    std::uint16_t base = value;
    std::wstring flags_text;
    if (base >= no_indent_flag && base < no_indent_flag + 200) {
        base -= no_indent_flag;
        flags_text = L" no-indent";
    }
    if (base >= restart_flag && base < restart_flag + 100) {
        base -= restart_flag;
        flags_text = L" restart" + flags_text;
    }
    return write_one(kind, base) + flags_text;
}

}  // namespace brikc
