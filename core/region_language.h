// The interface language from the user's home region.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace core {

// 1.0 (Russian) for RU, BY, KZ, UA and UZ in any letter case, 0.0 (English)
// for any other two-letter code; nullopt when the code cannot be read or is
// not two letters, so the stored choice stands.
std::optional<double> language_from_region(const std::optional<std::wstring>& code);

// The language a start chooses: the home region's, or `stored` where the
// region cannot be read (nullopt, or a throw).
double start_language(double stored,
                      const std::function<std::optional<std::wstring>()>& home_region);

// The index into the bilingual tables: 1 only when `language` truncates to
// exactly 1, 0 for anything else.
int language_index(double language);

}  // namespace core
