// A person's full name in a text field: surname, first name, patronymic.
//
// render_person_name gives the whole name or one part, with initials, in any
// case; gender_from_patronymic gives the gender other words agree with. The
// record owns copies of its parts and lives for one rendering; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

struct person_name {
    explicit person_name(std::wstring text);

    // The name as received.
    std::wstring full;
    // 1 when the first word is initials («И.И. Иванов»): the surname is then
    // the second word, `first_name`, and the initials stay as typed.
    std::uint32_t initials_first = 0;
    // Where the particles typed before the surname («фон», «ван дер») end in
    // `full`, 0 when there are none: they stay before it in every case.
    std::size_t particles_end = 0;
    std::wstring surname;
    std::wstring first_name;
    // A Turkic one keeps its оглы or кызы: «Гейдар оглы».
    std::wstring patronymic;
    // Gender code, 0 until computed; may hold a surname's name code (38, 39, 45).
    std::uint32_t gender = 0;
};

// Cuts `full` at blanks into the three parts («Иванов И.О.» gives «И.» and «О.»);
// a fourth word оглы, кызы, улы, уулу or угли stays with the patronymic, and
// particles in small letters before the surname (фон, ван дер) are kept apart.
void split_person_name(person_name& name);

// Computes, stores and returns the gender: by the patronymic (кызы a woman,
// оглы and the like a man), else the first name when it reads as a man's or
// a woman's, else the surname's name code, else masculine.
std::uint32_t gender_from_patronymic(person_name& name);

// What a template asks of a name: a case (2 to 6; 0 leaves the name as typed)
// and at most one form, the first set of these winning. `any` tells that
// something was asked; without it the name comes back as typed.
struct person_request {
    int grammatical_case = 0;
    bool any = false;
    bool initials = false;  // surname and initials
    bool surname = false;
    bool first_name = false;
    bool first_and_patronymic = false;  // first name and patronymic
};

void render_person_name(person_name& name, std::wstring& out, const person_request& request);

// The initials of `text`: each word gives its first letter, with "." when
// `with_dots` is set; brackets, digits and quotes are skipped. In capitals.
std::wstring make_initials(std::wstring text, bool with_dots);

}  // namespace engine
