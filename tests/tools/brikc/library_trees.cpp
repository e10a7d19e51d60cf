#include "tools/brikc/library_trees.h"

#include <gtest/gtest.h>

#include "engine/document/document.h"
#include "engine/text/utf16.h"
#include "tools/golden_text/typed_values.h"

namespace library {

std::wstring wide(const fs::path& path) { return engine::from_utf8(path.string()); }

std::set<std::wstring> names_in(const fs::path& root, const std::string& extension) {
    std::set<std::wstring> names;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().extension() != extension) continue;
        fs::path relative = fs::relative(entry.path(), root);
        relative.replace_extension();
        names.insert(wide(relative));
    }
    return names;
}

fs::path source_of(const language_tree& l, const std::wstring& name) {
    return sources / l.name / fs::path(engine::to_utf8(name + L".tpl"));
}

fs::path built_of(const language_tree& l, const std::wstring& name) {
    return build / l.number / fs::path(engine::to_utf8(name + L".brik"));
}

void type_value(engine::document& doc, const std::wstring& name, const std::wstring& value) {
    const std::wstring problem = golden::type_value(doc, name, value);
    EXPECT_TRUE(problem.empty()) << engine::to_utf8(problem);
}

}  // namespace library
