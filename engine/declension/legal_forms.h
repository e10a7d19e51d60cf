// The table of Russian legal forms: each abbreviation with its full name and
// grammatical gender, and the matcher that finds a legal form in a text,
// abbreviated or written in full, in any letter case (ооо, Ооо), ё read as е.
//
// Any thread; the table is constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace engine {

struct legal_form_row {
    std::wstring_view abbreviation;
    std::wstring_view full_name;
    std::uint32_t gender;  // 1 masculine, 2 feminine, 3 neuter
};

std::span<const legal_form_row> legal_form_rows();

// The row `text` names, blanks around it ignored; null when none does.
const legal_form_row* find_legal_form(std::wstring_view text);

// The length of the first full name of the table, in its order, that opens
// `text` and is followed by a blank or an opening quote; 0 when none is. The
// order puts a longer name before a shorter one it begins with.
std::size_t full_legal_form_length(std::wstring_view text);

// The level of education an educational institution's form is followed by
// («ФГБОУ ВО»): the length of «ВО», «ДО», «ДПО» or «СПО» opening `text` as a
// word of its own, 0 when none does. `full_words` receives what it stands for
// («высшего образования»).
std::size_t education_level_length(std::wstring_view text, std::wstring_view* full_words = nullptr);

}  // namespace engine
