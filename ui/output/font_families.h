// The font families the Font page lists: read from the system once per run
// as a sorted list, and filtered when shown by the interface language.
#pragma once

#include <string>
#include <vector>

namespace ui {

// The system's family names as the page lists them: a name the system gives
// with its foundry ("Family [Foundry]") is no family a page can use and
// becomes "Family"; each name once, in the order of their UTF-16 code units.
std::vector<std::wstring> font_family_list(std::vector<std::wstring> system_names);

// The families of `list` that the page shows: in Russian (language 1) those
// whose name starts with a Latin capital A to Z; in English all but vertical
// ("@") faces, "Segoe Fluent Icons" and names holding "MDL".
std::vector<std::wstring> shown_font_families(const std::vector<std::wstring>& list, int language);

}  // namespace ui
