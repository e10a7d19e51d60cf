#include "ui/output/font_families.h"

#include <algorithm>
#include <utility>

#include "engine/text/utf16.h"

namespace ui {

namespace {

std::wstring without_foundry(std::wstring name) {
    const auto open = name.rfind(L" [");
    if (open != std::wstring::npos && name.back() == L']') name.erase(open);
    return name;
}

bool is_shown_in_english(const std::wstring& family) {
    return !family.starts_with(L'@') && family != L"Segoe Fluent Icons" &&
           family.find(L"MDL") == std::wstring::npos;
}

}  // namespace

std::vector<std::wstring> font_family_list(std::vector<std::wstring> system_names) {
    std::vector<std::pair<std::u16string, std::wstring>> keyed;
    keyed.reserve(system_names.size());
    for (std::wstring& name : system_names) {
        std::wstring family = without_foundry(std::move(name));
        if (family.empty()) continue;
        keyed.emplace_back(engine::to_utf16(family), std::move(family));
    }
    std::sort(keyed.begin(), keyed.end());
    keyed.erase(std::unique(keyed.begin(), keyed.end()), keyed.end());
    std::vector<std::wstring> list;
    list.reserve(keyed.size());
    for (auto& [units, family] : keyed) list.push_back(std::move(family));
    return list;
}

std::vector<std::wstring> shown_font_families(const std::vector<std::wstring>& list, int language) {
    std::vector<std::wstring> shown;
    for (const std::wstring& family : list) {
        const bool shown_here = language == 1
                                    ? !family.empty() && family[0] >= L'A' && family[0] <= L'Z'
                                    : is_shown_in_english(family);
        if (shown_here) shown.push_back(family);
    }
    return shown;
}

}  // namespace ui
