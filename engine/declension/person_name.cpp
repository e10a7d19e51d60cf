#include "engine/declension/person_name.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/declension/decline_word.h"
#include "engine/declension/name_particles.h"
#include "engine/declension/name_words.h"
#include "engine/declension/phrase.h"
#include "engine/declension/turkic_patronymic.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_russian_word(std::wstring_view lowered) {
    if (lowered.empty()) return false;
    for (wchar_t c : lowered)
        if ((c < L'а' || c > L'я') && c != L'ё') return false;
    return true;
}

bool ends_in_consonant(std::wstring_view lowered) {
    constexpr std::wstring_view vowels_and_signs = L"аеёиоуыэюяйьъ";
    return !lowered.empty() && vowels_and_signs.find(lowered.back()) == std::wstring_view::npos;
}

bearer bearer_of(std::uint32_t gender) { return gender == 2 ? bearer::woman : bearer::man; }

// The parts are declined in `form`, one buffer for the whole render, and
// appended to the output in the letter case they were typed in.
void lower_into(std::wstring& form, std::wstring_view typed) {
    form.resize(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) form[i] = to_lower_char(typed[i]);
}

// A surname in a case 2..6, by its ending; below case 2 as typed. Each part
// of a double surname declines by its own rule (Соколовой-Микитовой).
void append_surname(std::wstring& out, std::wstring& form, std::wstring_view surname,
                    int grammatical_case, std::uint32_t gender) {
    if (grammatical_case < 2 || surname.empty()) {
        out += surname;
        return;
    }
    auto c = static_cast<std::uint32_t>(grammatical_case);
    bearer who = bearer_of(gender);
    for (std::size_t start = 0;;) {
        std::size_t dash = surname.find(L'-', start);
        bool last = dash == std::wstring_view::npos;
        std::wstring_view typed =
            surname.substr(start, last ? std::wstring_view::npos : dash - start);
        lower_into(form, typed);
        if (last || !is_fixed_surname_prefix(form)) decline_surname(form, c, who);
        append_in_letter_case(out, typed, form);
        if (last) return;
        out += L'-';
        start = dash + 1;
    }
}

// First names and patronymics of Russian letters decline by the name rules;
// anything else (initials, a hyphen, Latin letters) as a phrase.
void append_first_name(std::wstring& out, std::wstring& form, std::wstring_view typed,
                       int grammatical_case, std::uint32_t gender) {
    lower_into(form, typed);
    if (is_russian_word(form)) {
        decline_first_name(form, static_cast<std::uint32_t>(grammatical_case), bearer_of(gender));
        append_in_letter_case(out, typed, form);
        return;
    }
    // Both parts of a double first name decline (Анны-Марии), but a man's
    // first part in a consonant, which stays as in Жан-Поля and Ханс-Петера.
    const std::size_t dash = form.find(L'-');
    if (dash != std::wstring::npos && dash > 0 && dash + 1 < form.size() &&
        is_russian_word(std::wstring_view(form).substr(0, dash)) &&
        is_russian_word(std::wstring_view(form).substr(dash + 1))) {
        const std::wstring_view first = typed.substr(0, dash);
        if (gender != 2 && ends_in_consonant(std::wstring_view(form).substr(0, dash)))
            out += first;
        else
            append_first_name(out, form, first, grammatical_case, gender);
        out += L'-';
        append_first_name(out, form, typed.substr(dash + 1), grammatical_case, gender);
        return;
    }
    out += decline_phrase(std::wstring(typed), grammatical_case);
}

// `turkic`: the patronymic is a Turkic one («Гейдар оглы»), no word of a
// phrase: declined, оглы would be lost.
void append_patronymic(std::wstring& out, std::wstring& form, const std::wstring& typed,
                       bool turkic, int grammatical_case) {
    if (turkic) {
        out += typed;
        return;
    }
    lower_into(form, typed);
    if (!is_russian_word(form) ||
        !decline_patronymic(form, static_cast<std::uint32_t>(grammatical_case))) {
        out += decline_phrase(typed, grammatical_case);
        return;
    }
    append_in_letter_case(out, typed, form);
}

// One blank, then what `append` writes; a part that writes nothing leaves no
// blank either, so an empty part never doubles a blank or ends the name in one.
template <class Append>
void append_part(std::wstring& out, Append append) {
    const std::size_t before = out.size();
    if (before != 0) out += L' ';
    const std::size_t start = out.size();
    append();
    if (out.size() == start) out.resize(before);
}

// «И.» or «И»: a first name given by its initial.
bool is_initial(std::wstring_view part) {
    return !part.empty() && part.size() <= 2 && is_alpha_char(part[0]) &&
           (part.size() == 1 || part[1] == L'.');
}

// The initials after the surname exactly as typed («И.И.», «И. И.», «Г. оглы»),
// with one blank where blanks parted them.
std::wstring initials_as_typed(const person_name& name) {
    const std::wstring_view full = name.full;
    std::wstring initials;
    std::size_t index = 0;
    for (std::size_t i = name.particles_end; i < full.size() && index < 4; ++index) {
        while (i < full.size() && full[i] == L' ') ++i;
        const std::size_t end = std::min(full.find(L' ', i), full.size());
        const std::wstring_view word = full.substr(i, end - i);
        if (index > 0 && !word.empty() && (index < 3 || is_turkic_patronymic_marker(word))) {
            if (!initials.empty()) initials += L' ';
            initials += word;
        }
        i = end;
    }
    return initials;
}

// A person is a man or a woman: a first name the word rules read as neuter
// (Пабло like окно) or plural (Фания, Натали) tells nothing, and the
// surname decides instead.
std::uint32_t gender_from_first_name(std::wstring lowered) {
    // A double first name is a man's or a woman's as its first part is.
    if (const std::size_t dash = lowered.find(L'-'); dash != std::wstring::npos && dash > 1)
        lowered.resize(dash);
    if (is_listed_mans_first_name(lowered)) return 1;
    if (is_listed_womans_first_name(lowered)) return 2;
    std::uint32_t gender = 0, animate = 0;
    decline_word(lowered, 0, &gender, &animate);
    return gender == 1 || gender == 2 ? gender : 0;
}

// The surname's ending is read in small letters, so a name typed in capitals
// tells the gender too (ИВАНОВА); the capital stays, since a capitalised
// Алина or Галина is a surname, never a listed first name.
std::wstring surname_for_classifying(const std::wstring& surname) {
    if (surname.empty()) return surname;
    std::wstring word = to_lower(surname);
    word[0] = surname[0];
    return word;
}

// Where the particles opening `text` end, 0 when none does or no word
// follows them.
std::size_t particles_end(std::wstring_view text) {
    std::size_t end = 0;
    for (std::size_t i = 0;;) {
        while (i < text.size() && text[i] == L' ') ++i;
        if (i == text.size()) return 0;  // no surname after them
        // A capital opens most names: no particle.
        if (text[i] < L'а' || text[i] > L'ф') return end;
        const std::size_t word_end = std::min(text.find(L' ', i), text.size());
        if (!is_surname_particle(text.substr(i, word_end - i))) return end;
        end = i = word_end;
    }
}

}  // namespace

person_name::person_name(std::wstring text) : full(std::move(text)) { split_person_name(*this); }

void split_person_name(person_name& name) {
    std::wstring* parts[] = {&name.surname, &name.first_name, &name.patronymic};
    std::size_t part = 0;
    const std::wstring_view text = name.full;
    std::size_t i = name.particles_end = particles_end(text);
    std::wstring_view fourth;
    while (i < text.size() && part < 4) {
        while (i < text.size() && text[i] == L' ') ++i;
        std::size_t end = text.find(L' ', i);
        if (end == std::wstring::npos) end = text.size();
        if (end > i) {
            // Particles before the surname, when a word follows them.
            if (part < 3)
                parts[part]->assign(text.substr(i, end - i));
            else
                fourth = text.substr(i, end - i);
            ++part;
        }
        i = end;
    }
    // A Turkic patronymic is two words: the father's name, then оглы or кызы.
    if (is_turkic_patronymic_marker(fourth)) {
        name.patronymic += L' ';
        name.patronymic += fourth;
    }
    // Joined initials are parted («И.О.»), before оглы too («И.Г. оглы»).
    const bool lone_marker = is_turkic_patronymic_marker(name.patronymic);
    if ((name.patronymic.empty() || lone_marker) && name.first_name.size() >= 2 &&
        name.first_name[1] == L'.') {
        std::wstring rest = name.first_name.substr(2);
        name.first_name.resize(2);
        if (lone_marker && !rest.empty()) rest += L' ';
        name.patronymic.insert(0, rest);
    }
    // The dot only tells that initials come first; the initials stay as typed.
    if (!name.surname.empty() && name.surname.back() == L'.') name.initials_first = 1;
}

std::uint32_t gender_from_patronymic(person_name& name) {
    std::uint32_t gender = 0;
    const turkic_patronymic turkic = read_turkic_patronymic(name.patronymic);
    if (turkic.found) {
        gender = turkic.daughter ? 2 : 1;
    } else if (name.patronymic.size() >= 3) {
        std::wstring_view ending =
            std::wstring_view(name.patronymic).substr(name.patronymic.size() - 3);
        bool feminine = (to_upper_char(ending[0]) == L'В' || to_upper_char(ending[0]) == L'Ч') &&
                        to_upper_char(ending[1]) == L'Н' && to_upper_char(ending[2]) == L'А';
        gender = feminine ? 2 : 1;
    }
    const std::wstring& first = name.first_name;
    if (gender == 0 && !name.initials_first && first.size() >= 2 &&
        (first.size() < 3 || first[2] != L'.'))
        gender = gender_from_first_name(to_lower(first));
    if (gender == 0) {
        int code = classify_name_word(
            surname_for_classifying(name.initials_first ? name.first_name : name.surname));
        if (code > 0) gender = static_cast<std::uint32_t>(code);
    }
    if (gender == 0) gender = 1;
    name.gender = gender;
    return gender;
}

void render_person_name(person_name& name, std::wstring& out, const person_request& request) {
    if (!request.any) {
        out = name.full;
        return;
    }
    int c = request.grammatical_case;
    std::uint32_t gender = c >= 2 ? gender_from_patronymic(name) : 0;
    const std::wstring& real_surname = name.initials_first ? name.first_name : name.surname;
    const turkic_patronymic turkic = read_turkic_patronymic(name.patronymic);
    // The patronymic's initial is that of the father's name in a Turkic one
    // («Мамедов И.Г.»).
    const std::wstring_view patronymic_initial =
        turkic.found ? turkic.father : std::wstring_view(name.patronymic);
    const bool typed_initials = !name.initials_first && is_initial(name.first_name) &&
                                (patronymic_initial.empty() || is_initial(patronymic_initial));
    std::wstring form;
    out.clear();
    auto surname = [&] {
        if (name.particles_end != 0 && !name.initials_first) {
            const std::size_t start = name.full.find_first_not_of(L' ');
            out.append(name.full, start, name.particles_end - start);
            out += L' ';
        }
        append_surname(out, form, real_surname, c, gender);
    };
    if (request.initials) {
        surname();
        append_part(out, [&] {
            if (name.initials_first)
                out += name.surname;
            else if (typed_initials)
                out += initials_as_typed(name);
            else
                out +=
                    make_initials(name.first_name + L" " + std::wstring(patronymic_initial), true);
        });
    } else if (request.surname) {
        surname();
    } else if (request.first_name) {
        // A name given by its initials has no first name to decline: its first initial stands for
        // it.
        if (name.initials_first)
            out = make_initials(name.surname, true).substr(0, 2);
        else
            append_first_name(out, form, name.first_name, c, gender);
    } else if (request.first_and_patronymic) {
        if (name.initials_first || typed_initials) {
            out = name.initials_first ? name.surname : initials_as_typed(name);
            return;
        }
        append_first_name(out, form, name.first_name, c, gender);
        append_part(out, [&] { append_patronymic(out, form, name.patronymic, turkic.found, c); });
    } else if (name.initials_first) {
        out += name.surname;
        append_part(out, surname);
        append_part(out, [&] { append_patronymic(out, form, name.patronymic, turkic.found, c); });
    } else {
        surname();
        if (typed_initials) {
            append_part(out, [&] { out += initials_as_typed(name); });
            return;
        }
        append_part(out, [&] { append_first_name(out, form, name.first_name, c, gender); });
        append_part(out, [&] { append_patronymic(out, form, name.patronymic, turkic.found, c); });
    }
}

std::wstring make_initials(std::wstring text, bool with_dots) {
    std::wstring initials;
    bool at_word_start = true;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'.') {
            at_word_start = true;
        } else if (at_word_start && is_alpha_char(c)) {
            initials += c;
            if (with_dots) initials += L'.';
            at_word_start = false;
        }
    }
    return to_upper(std::move(initials));
}

}  // namespace engine
