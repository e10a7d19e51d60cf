// A person's full name in a text field: surname, first name, patronymic.
//
// render_person_name gives the whole name or one part, with initials, in any
// case; gender_from_patronymic gives the gender other words agree with. The
// record owns copies of its parts and lives for one rendering; UI thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct person_name {
    explicit person_name(std::wstring text);

    // The name as received.
    std::wstring full;
    // 1 when the first word is initials («И.И. Иванов»): the surname is then
    // the second word, `first_name`, and the initials stay as typed.
    std::uint32_t initials_first = 0;
    std::wstring surname;
    std::wstring first_name;
    std::wstring patronymic;
    // Gender code, 0 until computed; may hold a surname's name code (38, 39, 45).
    std::uint32_t gender = 0;
};

// Cuts `full` at blanks into the three parts («Иванов И.О.» gives «И.» and «О.»).
void split_person_name(person_name& name);

// Computes, stores and returns the gender: by the patronymic, else the first
// name, else the surname's name code, else masculine.
std::uint32_t gender_from_patronymic(person_name& name);

// The name as the modifiers ask: a case letter (р д в т п), and "инициалы",
// "фамилия", "имя" or "ио".
void render_person_name(person_name& name, std::wstring& out, const std::vector<expr_token>& modifiers);
// The words that ask for a part of the name, as word keys.
std::vector<std::wstring_view> person_name_keywords();

// The initials of `text`: each word gives its first letter, with "." when
// `with_dots` is set; brackets, digits and quotes are skipped. In capitals.
std::wstring make_initials(std::wstring text, bool with_dots);

}  // namespace engine
