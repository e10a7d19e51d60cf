#include "tools/golden_text/typed_values.h"

#include "engine/document/document.h"
#include "engine/text/word_key.h"

namespace golden {

namespace {

constexpr std::uint16_t choice_kind = 7;

}  // namespace

std::wstring type_value(engine::document& doc, const std::wstring& name,
                        const std::wstring& value) {
    const std::wstring key = engine::make_word_key(name);
    for (engine::doc_group& section : doc.data->parameters.groups)
        for (engine::doc_element& field : section.elements) {
            if (engine::make_word_key(field.record.s1) != key) continue;
            field.record.s2 = value;
            if (field.record.a != choice_kind) return {};
            bool known = false;
            for (engine::doc_record& option : field.items) {
                option.b = option.s2 == value ? 1 : 0;
                known = known || option.b == 1;
            }
            return known ? std::wstring() : L"no option " + value + L" in " + name;
        }
    return L"no field " + name;
}

std::vector<std::wstring> typed_braces(const typed_values& values) {
    std::vector<std::wstring> braces;
    for (const auto& [field, value] : values) {
        std::vector<std::size_t> open;  // braces no "}" has closed yet
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == L'{')
                open.push_back(i);
            else if (value[i] == L'}' && !open.empty())
                open.pop_back();
        }
        for (const std::size_t i : open) {
            const std::size_t end = value.find(L' ', i);
            braces.push_back(value.substr(i, end == std::wstring::npos ? end : end - i));
        }
    }
    return braces;
}

}  // namespace golden
