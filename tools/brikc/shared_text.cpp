#include "tools/brikc/shared_text.h"

#include <fstream>
#include <iterator>

#include "engine/text/utf16.h"
#include "tools/brikc/source_error.h"
#include "tools/brikc/source_text.h"

namespace brikc {

namespace {

namespace fs = std::filesystem;

std::wstring folded(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) {
        const std::size_t start = line.find_first_not_of(L" \t");
        if (start == std::wstring::npos || line[start] == L'#') continue;
        const std::size_t end = line.find_last_not_of(L" \t");
        if (!text.empty()) text.push_back(L' ');
        text += line.substr(start, end + 1 - start);
    }
    return text;
}

// Where the marker "<<NAME>>" opened at `at` ends, past its ">>"; npos where
// "<<" opens none, as the condition operator does ({IF A << "x" THEN …}):
// a name holds no blank, quote, brace or angle bracket.
std::size_t marker_end(const std::wstring& value, std::size_t at) {
    const std::size_t end = value.find_first_of(L" \t\r\n\"'{}<>«»", at + 2);
    if (end == at + 2 || end == std::wstring::npos || value.compare(end, 2, L">>") != 0)
        return std::wstring::npos;
    return end + 2;
}

std::size_t first_marker(const std::wstring& value, std::size_t from = 0) {
    while ((from = value.find(L"<<", from)) != std::wstring::npos &&
           marker_end(value, from) == std::wstring::npos)
        ++from;
    return from;
}

std::wstring shared_text(const std::wstring& name, const shared_files& files, int line) {
    const std::string file = engine::to_utf8(name);
    if (name.empty() || name.find_first_of(L"/\\") != std::wstring::npos)
        throw source_error(line, "'<<" + file + ">>' must name a file without a folder");
    const std::optional<std::string> bytes = files ? files(file) : std::nullopt;
    if (!bytes) throw source_error(line, "no shared file '" + file + "'");
    std::wstring text;
    try {
        text = folded(decode_source_lines(*bytes));
    } catch (const source_error& error) {
        throw source_error(line, located(file, error));
    }
    if (first_marker(text) != std::wstring::npos)
        throw source_error(line, "shared file '" + file + "' names a shared file of its own");
    return text;
}

// The source line holding the character at `at` of the entry's value.
int line_at(const outline_entry& entry, std::size_t at) {
    int line = entry.line;
    for (const auto& [start, number] : entry.value_lines) {
        if (start > at) break;
        line = number;
    }
    return line;
}

void insert_into(outline_entry& entry, const shared_files& files) {
    std::wstring& value = entry.value;
    // How far the texts put in so far moved what follows them.
    std::ptrdiff_t moved = 0;
    for (std::size_t at = first_marker(value); at != std::wstring::npos;
         at = first_marker(value, at)) {
        const std::size_t end = marker_end(value, at);
        const int line = line_at(entry, std::size_t(std::ptrdiff_t(at) - moved));
        const std::wstring text = shared_text(value.substr(at + 2, end - 4 - at), files, line);
        value.replace(at, end - at, text);
        moved += std::ptrdiff_t(text.size()) - std::ptrdiff_t(end - at);
        at += text.size();
    }
}

}  // namespace

shared_files shared_files_beside(const fs::path& source, const fs::path& top) {
    const fs::path folder = fs::absolute(source).parent_path().lexically_normal();
    fs::path last = top.empty() ? folder : fs::absolute(top).lexically_normal();
    if (!last.has_filename()) last = last.parent_path();  // a trailing "/"
    // A source outside the library looks in its own folder alone.
    const fs::path inside = folder.lexically_relative(last);
    if (inside.empty() || *inside.begin() == "..") last = folder;
    return [folder, last](const std::string& name) -> std::optional<std::string> {
        for (fs::path at = folder;; at = at.parent_path()) {
            std::ifstream in(at / fs::path(name), std::ios::binary);
            if (in)
                return std::string(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
            if (at == last || at == at.parent_path()) return std::nullopt;
        }
    };
}

void insert_shared_texts(std::vector<outline_entry>& entries, const shared_files& files) {
    for (outline_entry& entry : entries) {
        if (entry.is_key && !entry.quoted) insert_into(entry, files);
        insert_shared_texts(entry.children, files);
    }
}

}  // namespace brikc
