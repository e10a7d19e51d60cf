// Where the template library lives, in sources and in the build, for the
// tests that read it.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace engine {
class document;
}

namespace library {

namespace fs = std::filesystem;

inline const fs::path sources = PAPERWRIGHT_LIBRARY_SOURCES;
inline const fs::path build = PAPERWRIGHT_LIBRARY_BUILD;

struct language_tree {
    std::string name;         // source folder: en, ru
    std::string number;       // build folder: 01, 00
    std::wstring start_page;  // the library page, relative, no extension
    std::wstring start_document;
    std::wstring showcase;  // the page of every field format
    int language;
};

inline const language_tree languages[] = {
    {"en", "01", L"Library", L"Agreements/Sales Agreement", L"Forms/Field Formats", 0},
    {"ru", "00", L"Библиотека", L"Договоры/Шаблон договора с произвольным текстом",
     L"Формы/Форматы полей", 1},
};

std::wstring wide(const fs::path& path);

// Template names relative to the language's folder, without extension.
std::set<std::wstring> names_in(const fs::path& root, const std::string& extension);

fs::path source_of(const language_tree& l, const std::wstring& name);
fs::path built_of(const language_tree& l, const std::wstring& name);

// Stores `value` in the field `name` as the data panel would: the field's
// text, and for a choice the option it names.
void type_value(engine::document& doc, const std::wstring& name, const std::wstring& value);

}  // namespace library
