#include "engine/fields/name_field.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/declension/agreement.h"
#include "engine/declension/counted_nouns.h"
#include "engine/declension/decline_word.h"
#include "engine/declension/organisation_name.h"
#include "engine/declension/person_name.h"
#include "engine/declension/phrase.h"
#include "engine/document/document_data.h"
#include "engine/fields/empty_value_words.h"
#include "engine/fields/field_value.h"
#include "engine/fields/name_modifiers.h"
#include "engine/fields/number_value.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

bool contains(std::wstring_view text, std::wstring_view part) {
    return text.find(part) != std::wstring_view::npos;
}

// Whether `text`, lowered and without its dots, holds the lower-case `part`.
bool contains_folded(std::wstring_view text, std::wstring_view part) {
    for (std::size_t start = 0; start < text.size(); ++start) {
        std::size_t j = 0;
        for (std::size_t i = start; i < text.size() && j < part.size(); ++i) {
            if (text[i] == L'.') continue;
            if (to_lower_char(text[i]) != part[j]) break;
            ++j;
        }
        if (j == part.size()) return true;
    }
    return false;
}

// «ФИО», «Ф.И.О.» and «Фио» name a person as «фио» does: letter case and
// dots do not count.
bool names_person(std::wstring_view text) {
    return contains_folded(text, L"фио") || contains_folded(text, L"физлицо");
}

bool names_organisation(std::wstring_view text, std::wstring_view two_words) {
    return contains(text, L"юрлицо") || contains(text, two_words);
}

struct references {
    int grammatical_case = 0;
    std::wstring person;
    std::wstring organisation;
    std::wstring plain;
};

constexpr std::array<part_keyword<person_request>, 4> person_parts = {{
    {L"инициалы", &person_request::initials},
    {L"фамилия", &person_request::surname},
    {L"имя", &person_request::first_name},
    {L"ио", &person_request::first_and_patronymic},
}};

constexpr std::array<part_keyword<organisation_request>, 3> organisation_parts = {{
    {L"оргформа", &organisation_request::legal_form},
    {L"название", &organisation_request::name},
    {L"полное|название", &organisation_request::full_name},
}};

references read_modifiers(const std::vector<expr_token>& modifiers) {
    references found;
    for (const expr_token& modifier : modifiers) {
        std::wstring key = make_word_key(modifier.text);
        if (const int c = case_of_letter(key))
            found.grammatical_case = c;
        else if (key == L"инициалы")
            continue;
        else if (names_person(key))
            found.person = key;
        else if (names_organisation(key, L"юридическое|лицо"))
            found.organisation = key;
        else if (!key.empty())
            found.plain = key;
    }
    return found;
}

field_value look_up(const field_value& field, const std::wstring& key) {
    return field_value(*field.context, expr_token(key, expr_kind::reference));
}

// The agreed or declined `form` of `value` in the letter case the value was
// typed in («USD 45», «ООО «Ромашка»» keep their capitals), so the
// reference's own letter case is the only one laid over it.
std::wstring in_typed_letter_case(std::wstring value, std::wstring form) {
    return restore_letter_case(trim_blanks(value), std::move(form));
}

std::wstring agree_and_decline(const std::wstring& value, std::uint32_t gender,
                               int grammatical_case) {
    std::wstring out = in_typed_letter_case(value, agree_with_gender(value, gender));
    return grammatical_case != 0 ? decline_phrase(out, grammatical_case) : out;
}

// Agreement with a word: its gender, then the value in that gender and case.
std::wstring agree_with_word(const std::wstring& value, std::wstring word, int grammatical_case) {
    fold_case_ru(word);
    std::uint32_t gender = 0, animate = 0;
    decline_word(std::move(word), 1, &gender, &animate);
    std::wstring out = agree_with_gender(value, gender);
    if (grammatical_case != 0) {
        std::uint32_t form_animate = 0;
        out = decline_word(std::move(out), grammatical_case, &gender, &form_animate);
    }
    return in_typed_letter_case(value, std::move(out));
}

}  // namespace

person_request read_person_request(const std::vector<expr_token>& modifiers) {
    return read_name_modifiers(modifiers, person_parts);
}

organisation_request read_organisation_request(const std::vector<expr_token>& modifiers) {
    return read_name_modifiers(modifiers, organisation_parts);
}

std::vector<std::wstring_view> person_name_keywords() { return keys_of(person_parts); }

std::vector<std::wstring_view> organisation_name_keywords() { return keys_of(organisation_parts); }

bool holds_no_name(const field_value& field) {
    // The value first: it is short or none at all, and the name test reads
    // the whole name.
    return means_empty_value(field.value_text) &&
           (names_person(field.name_text) ||
            names_organisation(field.name_text, L"юридическое лицо"));
}

void render_name_field(const std::wstring& value, const field_value& field, std::wstring& output,
                       const std::vector<expr_token>& modifiers) {
    if (names_person(field.name_text)) {
        person_name person(field.value_text);
        // Every none word is one word: a name of two is never one.
        if (person.first_name.empty() && means_empty_value(field.value_text)) {
            output.clear();
            return;
        }
        render_person_name(person, output, read_person_request(modifiers));
        return;
    }
    if (names_organisation(field.name_text, L"юридическое лицо")) {
        if (means_empty_value(field.value_text)) {
            output.clear();
            return;
        }
        organisation_name organisation(field.value_text);
        render_organisation_name(organisation, output, read_organisation_request(modifiers));
        return;
    }
    references found = read_modifiers(modifiers);
    int c = found.grammatical_case;
    if (!found.person.empty()) {
        person_name person(look_up(field, found.person).value_text);
        output = agree_and_decline(value, gender_from_patronymic(person), c);
    } else if (!found.organisation.empty()) {
        organisation_name organisation(look_up(field, found.organisation).value_text);
        output = agree_and_decline(value, detect_gender(organisation), c);
    } else if (!found.plain.empty()) {
        field_value counted = look_up(field, found.plain);
        if (counted.from_number_field && counted.type != value_type::number) {
            // No count to agree with (a gap, «нет», an empty field): the form
            // that reads after any number.
            output = agree_counted_noun(value, 2, c, false);
        } else if (counted.type == value_type::number) {
            const number_value number = counted.as_number();
            const int plural_class = number_plural_class(counted.value_text);
            // After тысяча, миллион … the noun is counted by that word: the
            // genitive plural in every case.
            if (!number.has_separator && counted_by_scale_word(counted.value_text))
                output = agree_counted_noun(value, 2, 2, false);
            else
                output = agree_counted_noun(value, plural_class, c, number.has_separator);
        } else {
            output = agree_with_word(value, counted.value_text, c);
        }
    } else {
        output = c != 0 ? decline_phrase(value, c) : value;
    }
}

}  // namespace engine
