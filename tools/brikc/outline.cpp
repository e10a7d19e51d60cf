#include "tools/brikc/outline.h"

#include "tools/brikc/source_error.h"
#include "tools/brikc/value_text.h"

namespace brikc {

namespace {

bool name_char(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'0' && ch <= L'9') || ch == L'-';
}

int indent_of(const std::wstring& line, int number) {
    int indent = 0;
    for (wchar_t ch : line) {
        if (ch == L' ') {
            ++indent;
        } else if (ch == L'\t') {
            throw source_error(number, "tab in indentation; indent with spaces");
        } else {
            break;
        }
    }
    return indent;
}

bool blank(const std::wstring& line) {
    return line.find_first_not_of(L" \t") == std::wstring::npos;
}

std::wstring trim_right(std::wstring text) {
    while (!text.empty() && text.back() == L' ') text.pop_back();
    return text;
}

// A plain or quoted value starting at `text` (leading blanks already gone).
std::wstring single_value(const std::wstring& text, int line) {
    if (text.empty() || text.front() != L'"') return trim_right(text);
    std::size_t end = 0;
    std::wstring value = read_quoted(text, end, line);
    if (text.find_first_not_of(L' ', end) != std::wstring::npos)
        throw source_error(line, "text after the closing quote");
    return value;
}

// The lines of a block value: those after `first` indented deeper than the
// key; blank lines inside are kept. `next` receives the first line after it,
// `entry.value_lines` where each line's text starts.
std::wstring block_value(const std::vector<std::wstring>& lines, std::size_t first, int key_indent,
                         bool fold, std::size_t& next, outline_entry& entry) {
    std::vector<std::wstring> body;
    int block_indent = -1;
    std::size_t i = first;
    for (; i < lines.size(); ++i) {
        const std::wstring& line = lines[i];
        if (blank(line)) {
            body.emplace_back();
            continue;
        }
        const int indent = indent_of(line, int(i) + 1);
        if (indent <= key_indent) break;
        if (block_indent < 0) block_indent = indent;
        if (indent < block_indent)
            throw source_error(int(i) + 1, "block line indented less than the block's first line");
        body.push_back(trim_right(line.substr(std::size_t(block_indent))));
    }
    next = i;
    while (!body.empty() && body.back().empty()) body.pop_back();
    if (body.empty()) throw source_error(int(first), "empty block value");
    std::wstring value;
    for (std::size_t k = 0; k < body.size(); ++k) {
        const std::wstring& part = body[k];
        if (fold) {
            if (part.empty()) continue;
            if (!value.empty()) value.push_back(L' ');
            entry.value_lines.emplace_back(value.size(), int(first + k) + 1);
            value += part.substr(part.find_first_not_of(L' '));
        } else {
            if (k > 0) value.push_back(L'\n');
            entry.value_lines.emplace_back(value.size(), int(first + k) + 1);
            value += part;
        }
    }
    return value;
}

}  // namespace

std::vector<outline_entry> parse_outline(const std::vector<std::wstring>& lines) {
    std::vector<outline_entry> top;
    // The open level lines, outermost first.
    std::vector<outline_entry*> open;
    bool after_key = false;
    int key_indent = 0;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::wstring& line = lines[i];
        const int number = int(i) + 1;
        if (blank(line)) {
            ++i;
            continue;
        }
        const int indent = indent_of(line, number);
        const std::wstring content = line.substr(std::size_t(indent));
        if (content.front() == L'#') {
            ++i;
            continue;
        }
        outline_entry entry;
        entry.line = number;
        entry.indent = indent;
        std::size_t pos = 0;
        while (pos < content.size() && name_char(content[pos])) ++pos;
        if (pos == 0) throw source_error(number, "expected a name (small letters, digits and '-')");
        for (std::size_t k = 0; k < pos; ++k) entry.name.push_back(char(content[k]));
        std::size_t next = i + 1;
        if (pos < content.size() && content[pos] == L':') {
            entry.is_key = true;
            entry.has_value = true;
            const std::size_t start = content.find_first_not_of(L' ', pos + 1);
            const std::wstring rest = start == std::wstring::npos ? L"" : content.substr(start);
            if (start != std::wstring::npos && start == pos + 1)
                throw source_error(number, "a blank must follow the ':' of '" + entry.name + "'");
            const std::wstring trimmed = trim_right(rest);
            if (trimmed == L"|" || trimmed == L">")
                entry.value = block_value(lines, i + 1, indent, trimmed == L">", next, entry);
            else
                entry.value = single_value(rest, number);
            entry.quoted = !rest.empty() && rest.front() == L'"';
        } else if (pos < content.size() && content[pos] == L' ') {
            const std::size_t start = content.find_first_not_of(L' ', pos);
            entry.has_value = start != std::wstring::npos;
            if (entry.has_value) entry.value = single_value(content.substr(start), number);
        } else if (pos < content.size()) {
            throw source_error(number, "unexpected character after '" + entry.name + "'");
        }

        if (after_key && indent > key_indent)
            throw source_error(number, "a key's value cannot have nested lines");
        while (!open.empty() && open.back()->indent >= indent) open.pop_back();
        if (open.empty() && indent != 0) throw source_error(number, "unexpected indentation");
        std::vector<outline_entry>& siblings = open.empty() ? top : open.back()->children;
        if (!siblings.empty() && siblings.front().indent != indent)
            throw source_error(number, "indentation differs from the lines beside it");
        after_key = entry.is_key;
        key_indent = indent;
        siblings.push_back(std::move(entry));
        if (!siblings.back().is_key) open.push_back(&siblings.back());
        i = next;
    }
    return top;
}

}  // namespace brikc
