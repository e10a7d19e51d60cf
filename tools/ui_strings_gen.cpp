// Compiles the interface-text table (resources/ui_strings.tsv) into a C++
// source that defines `engine::ui_strings_rows` and a header that names the
// rows (`engine::ui_text::library` is row 1).
//
//   ui_strings_gen TABLE.tsv OUTPUT.cpp OUTPUT.h
//
// The table is UTF-8, one row per line: the row number, a tab, the row's
// name, a tab, the English text, a tab, the Russian text. Lines that are
// empty or start with "#" are comments. Rows not listed are empty in both
// languages. A name is lower-case letters, digits and underscores, starting
// with a letter. In a text, "\t", "\n", "\r", "\\" and "\s" (a blank) stand
// for their characters, so blanks at either end of a text stay visible. Any
// other backslash, a bad row number or name, a repeated row or name, a wrong
// column count, a row without text in either language or invalid UTF-8 fails
// the build.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int row_count = 158;

struct failure {
    std::string what;
};

std::u32string decode_utf8(const std::string& bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char lead = static_cast<unsigned char>(bytes[i]);
        int extra = lead < 0x80           ? 0
                    : (lead >> 5) == 0x6  ? 1
                    : (lead >> 4) == 0xE  ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
        if (extra < 0 || i + std::size_t(extra) >= bytes.size()) throw failure{"invalid UTF-8"};
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(bytes[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80) throw failure{"invalid UTF-8"};
            c = (c << 6) | (next & 0x3F);
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) throw failure{"invalid UTF-8"};
        out += c;
        i += std::size_t(extra) + 1;
    }
    return out;
}

std::u32string unescape(const std::u32string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) throw failure{"a backslash ends the text"};
        switch (text[i]) {
            case U't': out += U'\t'; break;
            case U'n': out += U'\n'; break;
            case U'r': out += U'\r'; break;
            case U's': out += U' '; break;
            case U'\\': out += U'\\'; break;
            default: throw failure{"unknown escape"};
        }
    }
    return out;
}

// A wide literal that means the same in any source encoding.
std::string wide_literal(const std::u32string& text) {
    std::string out = "L\"";
    for (char32_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != U'"' && c != U'\\' && c != U'?') {
            out += char(c);
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\U%08X", unsigned(c));
            out += buffer;
        }
    }
    return out + "\"";
}

std::vector<std::u32string> split_tabs(const std::u32string& line) {
    std::vector<std::u32string> columns(1);
    for (char32_t c : line) {
        if (c == U'\t')
            columns.emplace_back();
        else
            columns.back() += c;
    }
    return columns;
}

int parse_row(const std::u32string& text) {
    if (text.empty() || text.size() > 3) throw failure{"bad row number"};
    int row = 0;
    for (char32_t c : text) {
        if (c < U'0' || c > U'9') throw failure{"bad row number"};
        row = row * 10 + int(c - U'0');
    }
    if (row >= row_count) throw failure{"row number outside the table"};
    return row;
}

std::string parse_name(const std::u32string& text) {
    if (text.empty() || text[0] < U'a' || text[0] > U'z')
        throw failure{"a name starts with a lower-case letter"};
    std::string name;
    for (char32_t c : text) {
        if ((c < U'a' || c > U'z') && (c < U'0' || c > U'9') && c != U'_')
            throw failure{"bad character in a name"};
        name += char(c);
    }
    return name;
}

bool write_file(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) std::cerr << path << ": cannot be written\n";
    return bool(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: ui_strings_gen TABLE.tsv OUTPUT.cpp OUTPUT.h\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::vector<std::u32string> english(row_count), russian(row_count);
    std::vector<bool> seen(row_count, false);
    std::vector<std::pair<int, std::string>> names;
    std::set<std::string> seen_names;
    std::string line;
    int line_number = 0;
    try {
        while (std::getline(in, line)) {
            ++line_number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            std::vector<std::u32string> columns = split_tabs(decode_utf8(line));
            if (columns.size() != 4)
                throw failure{"a row needs four columns: number, name, English, Russian"};
            int row = parse_row(columns[0]);
            if (seen[std::size_t(row)]) throw failure{"row listed twice"};
            seen[std::size_t(row)] = true;
            std::string name = parse_name(columns[1]);
            if (!seen_names.insert(name).second) throw failure{"name given twice"};
            names.emplace_back(row, std::move(name));
            english[std::size_t(row)] = unescape(columns[2]);
            russian[std::size_t(row)] = unescape(columns[3]);
            // A named row is shown somewhere: an empty language would show nothing there.
            if (english[std::size_t(row)].empty() || russian[std::size_t(row)].empty())
                throw failure{"a row needs text in both languages"};
        }
    } catch (const failure& f) {
        std::cerr << argv[1] << ":" << line_number << ": " << f.what << "\n";
        return 1;
    }

    std::ostringstream out;
    out << "// Generated from resources/ui_strings.tsv by tools/ui_strings_gen; do not edit.\n"
        << "#include \"engine/document/ui_strings_table.h\"\n\n"
        << "namespace engine {\n\n"
        << "const wchar_t* const ui_strings_rows[ui_string_rows][2] = {\n";
    for (int row = 0; row < row_count; ++row) {
        out << "    {" << wide_literal(english[std::size_t(row)]) << ", "
            << wide_literal(russian[std::size_t(row)]) << "},  // " << row << "\n";
    }
    out << "};\n\n}  // namespace engine\n";

    std::ostringstream header;
    header << "// Generated from resources/ui_strings.tsv by tools/ui_strings_gen; do not edit.\n"
           << "// The rows of the interface-text table by name: ui_string(ui_text::library).\n"
           << "#pragma once\n\n"
           << "namespace engine::ui_text {\n\n";
    for (const auto& [row, name] : names)
        header << "inline constexpr int " << name << " = " << row << ";\n";
    header << "\n}  // namespace engine::ui_text\n";

    return write_file(argv[2], out.str()) && write_file(argv[3], header.str()) ? 0 : 1;
}
