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
    if (text.find(L"<<") != std::wstring::npos)
        throw source_error(line, "shared file '" + file + "' holds a '<<' of its own");
    return text;
}

void insert_into(std::wstring& value, const shared_files& files, int line) {
    std::size_t at = 0;
    while ((at = value.find(L"<<", at)) != std::wstring::npos) {
        const std::size_t end = value.find(L">>", at + 2);
        if (end == std::wstring::npos) throw source_error(line, "'<<' without its '>>'");
        const std::wstring text = shared_text(value.substr(at + 2, end - at - 2), files, line);
        value.replace(at, end + 2 - at, text);
        at += text.size();
    }
}

}  // namespace

shared_files shared_files_beside(const fs::path& source) {
    return [folder = fs::absolute(source).parent_path()](
               const std::string& name) -> std::optional<std::string> {
        for (fs::path at = folder;; at = at.parent_path()) {
            std::ifstream in(at / fs::path(name), std::ios::binary);
            if (in)
                return std::string(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
            if (at == at.parent_path()) return std::nullopt;
        }
    };
}

void insert_shared_texts(std::vector<outline_entry>& entries, const shared_files& files) {
    for (outline_entry& entry : entries) {
        if (entry.is_key && !entry.quoted) insert_into(entry.value, files, entry.line);
        insert_shared_texts(entry.children, files);
    }
}

}  // namespace brikc
