// Turkic patronymics: the father's name followed by оглы, улы, уулу or угли
// (son of) or кызы (daughter of), as a word of its own or after a hyphen
// («Гейдар оглы», «Гейдар-кызы»). Such a patronymic never declines and tells
// the person's gender by its last word. Pure; any thread.
#pragma once

#include <string_view>

namespace engine {

// The word that ends a Turkic patronymic, in any letter case.
bool is_turkic_patronymic_marker(std::wstring_view word);

struct turkic_patronymic {
    bool found = false;
    bool daughter = false;     // кызы
    std::wstring_view father;  // the father's name as typed; may be empty
};

// `patronymic` read as a Turkic one: `found` when its last word is a marker.
// `father` views `patronymic`.
turkic_patronymic read_turkic_patronymic(std::wstring_view patronymic);

}  // namespace engine
