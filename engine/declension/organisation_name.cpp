#include "engine/declension/organisation_name.h"

#include <algorithm>
#include <string_view>

#include "engine/declension/bare_name_head.h"
#include "engine/declension/decline_word.h"
#include "engine/declension/legal_forms.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/phrase.h"
#include "engine/declension/public_body.h"
#include "engine/declension/sole_trader.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::size_t none = std::wstring::npos;

void trim_trailing(std::wstring& text, std::wstring_view characters) {
    while (!text.empty() && characters.find(text.back()) != std::wstring_view::npos)
        text.pop_back();
}

std::wstring without_leading_blanks(const std::wstring& text) {
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) ++begin;
    return text.substr(begin);
}

bool is_quote(wchar_t c) { return c == L'"' || c == L'«' || c == L'»'; }

bool starts_quoted(const std::wstring& name) {
    return name.size() >= 2 && (name[0] == L'"' || name[0] == L'«');
}

// The legal form after the last comma, when the table has it; the name
// before that comma. Any other text there is the name's tail.
bool split_at_comma(organisation_name& organisation, const std::wstring& normalised,
                    std::size_t comma) {
    const std::wstring after = normalised.substr(comma + 1);
    if (!find_legal_form(after)) return false;
    organisation.legal_form = without_leading_blanks(after);
    organisation.name = normalised.substr(0, comma);
    trim_trailing(organisation.name, L",");
    return true;
}

// Where the tail of `name` starts: at the first comma after its last straight
// quote, or its first comma when it has none. A name in guillemets has no
// closing quote to tell its end, so it keeps its commas.
std::size_t tail_start(const std::wstring& name) {
    if (name.find_first_of(L"«»") != std::wstring::npos) return none;
    const std::size_t closing = name.rfind(L'"');
    return name.find(L',', closing == none ? 0 : closing);
}

// Digits in an organisation's name are a number it bears (ИНН 7701234567,
// Школа 2000), never an amount: the words before the first word with a digit
// decline, the rest stays as typed.
std::wstring decline_before_digits(const std::wstring& text, int grammatical_case) {
    const std::size_t digit = text.find_first_of(L"0123456789");
    if (digit == none) return decline_phrase(text, grammatical_case);
    std::size_t end = text.find_last_of(L' ', digit);
    if (end == none) return text;
    while (end > 0 && text[end - 1] == L' ') --end;
    return decline_phrase(text.substr(0, end), grammatical_case) + text.substr(end);
}

// A quoted name declined inside its own quotes.
std::wstring decline_quoted_name(const std::wstring& name, int grammatical_case) {
    std::size_t begin = 0, end = name.size();
    while (begin < end && is_quote(name[begin])) ++begin;
    while (end > begin && is_quote(name[end - 1])) --end;
    return name.substr(0, begin) +
           decline_before_digits(name.substr(begin, end - begin), grammatical_case) +
           name.substr(end);
}

// A public body's noun and the adjectives before it decline; what follows
// them, an abbreviation included, is already in the case it needs
// («Администрации города Тулы», «Межрайонной ИФНС России»). A ministry
// written short declines as its noun («Минфину России»); any other name up
// to its head («Почте России», «ЦЗН г. Твери»).
std::wstring decline_unquoted_name(const std::wstring& name, int grammatical_case) {
    const public_body_head body = find_public_body(name);
    if (body.gender == 0) {
        const std::size_t end = find_bare_name_head(name).declines_end;
        return decline_before_digits(name.substr(0, end), grammatical_case) + name.substr(end);
    }
    std::wstring out = decline_phrase(name.substr(0, body.length), grammatical_case);
    if (body.ministry_end == 0) return out + name.substr(body.length);
    return out +
           decline_short_ministry(
               std::wstring_view(name).substr(body.length, body.ministry_end - body.length),
               grammatical_case) +
           name.substr(body.ministry_end);
}

// A name without a legal form in a case; a quoted one declines inside its
// quotes.
std::wstring decline_bare_name(const std::wstring& name, int grammatical_case) {
    return starts_quoted(name) ? decline_quoted_name(name, grammatical_case)
                               : decline_unquoted_name(name, grammatical_case);
}

}  // namespace

organisation_name::organisation_name(std::wstring text) : full(text) {
    split_organisation_name(*this, std::move(text));
}

namespace {

void split_parts(organisation_name& organisation, std::wstring text) {
    std::wstring normalised;
    std::size_t opening = none, closing = none, comma = none;
    for (wchar_t c : text) {
        if (c == L' ' && (normalised.empty() || normalised.back() == L' ')) continue;
        if (c == L'«' || (c == L'"' && opening == none))
            opening = normalised.size();
        else if (c == L'"')
            closing = normalised.size();
        else if (c == L',')
            comma = normalised.size();
        normalised += c;
    }
    while (!normalised.empty() && is_blank(normalised.back())) normalised.pop_back();
    if (comma != none && comma >= normalised.size()) comma = none;
    std::size_t first_blank = normalised.find(L' ');

    // A legal form written in full opens the text like its abbreviation.
    if (const std::size_t length = full_legal_form_length(normalised)) {
        organisation.legal_form = normalised.substr(0, length);
        organisation.name = normalised.substr(length);
        trim_trailing(organisation.name, L", \t\r\n");
        return;
    }

    // A body named by its abbreviation has no legal form, though its first
    // word may read as one (ГУ of ГУ МВД, МФЦ before a quoted name).
    if (find_public_body(normalised).abbreviation) {
        organisation.name = normalised;
        trim_trailing(organisation.name, L", \t\r\n");
        return;
    }

    if (opening == none) {
        std::uint32_t gender = 0;
        if (first_blank != none) expand_legal_form(normalised.substr(0, first_blank), gender);
        if (gender != 0) {
            organisation.legal_form = normalised.substr(0, first_blank);
            organisation.name = normalised.substr(first_blank + 1);
        } else if (comma != none) {
            if (!split_at_comma(organisation, normalised, comma)) {
                organisation.name = normalised;
                trim_trailing(organisation.name, L",");
            }
        } else {
            organisation.name = normalised;
        }
        return;
    }
    bool comma_after_name = comma != none && closing != none && comma > closing;
    if (opening == 0) {
        if (!comma_after_name) {
            organisation.name = normalised;
        } else if (!split_at_comma(organisation, normalised, comma)) {
            organisation.name = normalised;
            trim_trailing(organisation.name, L",");
        }
        return;
    }
    if (comma_after_name && split_at_comma(organisation, normalised, comma)) return;
    std::size_t name_start = 0;
    organisation.legal_form = take_legal_form_prefix(normalised, first_blank, opening, name_start);
    organisation.name = normalised.substr(name_start);
    trim_trailing(organisation.name, L", \t\r\n");
}

}  // namespace

// The blanks between the legal form and the name belong to neither: kept,
// they would double the blank every rendering puts between the two.
void split_organisation_name(organisation_name& organisation, std::wstring text) {
    split_parts(organisation, std::move(text));
    organisation.legal_form = without_leading_blanks(organisation.legal_form);
    trim_trailing(organisation.legal_form, L" \t\r\n");
    organisation.name = without_leading_blanks(organisation.name);
    // «ВО», «ДПО» after an educational institution's form belong to it.
    if (find_legal_form(organisation.legal_form)) {
        if (const std::size_t level = education_level_length(organisation.name)) {
            organisation.legal_form += L' ' + organisation.name.substr(0, level);
            organisation.name = without_leading_blanks(organisation.name.substr(level));
        }
    }
    const std::size_t tail = tail_start(organisation.name);
    if (tail != none) organisation.tail = organisation.name.substr(tail);
}

std::wstring name_without_tail(const organisation_name& organisation) {
    return organisation.name.substr(0, organisation.name.size() - organisation.tail.size());
}

std::wstring take_legal_form_prefix(const std::wstring& normalised, std::size_t first_blank,
                                    std::size_t opening_quote, std::size_t& name_start) {
    std::size_t word_end = std::min(first_blank, opening_quote);
    if (word_end != none && word_end <= normalised.size() &&
        is_all_capitals(normalised.substr(0, word_end))) {
        name_start = word_end;
        return normalised.substr(0, word_end);
    }
    name_start = std::min(opening_quote, normalised.size());
    return normalised.substr(0, name_start);
}

bool is_all_capitals(std::wstring text) {
    bool letter = false;
    for (wchar_t c : text) {
        if (!is_alpha_char(c)) continue;
        if (!is_upper_char(c)) return false;
        letter = true;
    }
    return letter;
}

namespace {

// A form of the table in full, or as typed when it was written in full.
std::wstring full_form(const std::wstring& typed, const legal_form_row& row) {
    return typed.size() == row.abbreviation.size() ? std::wstring(row.full_name) : typed;
}

}  // namespace

std::wstring expand_legal_form(std::wstring abbreviation, std::uint32_t& gender) {
    trim_blanks(abbreviation);
    if (const legal_form_row* row = find_legal_form(abbreviation)) {
        gender = row->gender;
        return full_form(abbreviation, *row);
    }
    // «ФГБОУ ВО»: the form, then its level of education.
    const std::size_t blank = abbreviation.rfind(L' ');
    std::wstring_view level_words;
    if (blank == none || education_level_length(std::wstring_view(abbreviation).substr(blank + 1),
                                                &level_words) != abbreviation.size() - blank - 1)
        return abbreviation;
    const std::wstring form = abbreviation.substr(0, blank);
    const legal_form_row* row = find_legal_form(form);
    if (!row) return abbreviation;
    gender = row->gender;
    return full_form(form, *row) + L" " + std::wstring(level_words);
}

std::uint32_t detect_gender(organisation_name& organisation) {
    if (organisation.gender != 0) return organisation.gender;
    // A sole trader is a person, whose gender goes before the legal form's.
    std::uint32_t gender = sole_trader_gender(organisation), animate = 0;
    if (gender == 0) expand_legal_form(organisation.legal_form, gender);
    if (gender == 0) decline_word(to_lower(organisation.legal_form), 0, &gender, &animate);
    // Without a legal form the body or the head of the name tells it; what
    // follows the head («России», «по г. Москве») never does.
    bool unquoted_name = false;
    if (gender == 0 && organisation.legal_form.empty()) {
        const std::wstring name = name_without_tail(organisation);
        gender = find_public_body(name).gender;
        unquoted_name = !starts_quoted(name);
        if (gender == 0 && unquoted_name) gender = find_bare_name_head(name).gender;
    }
    if (gender == 0 && !unquoted_name && organisation.name.size() > 3) {
        std::wstring name = name_without_tail(organisation);
        while (!name.empty() && is_quote(name.back())) name.pop_back();
        std::size_t begin = 0;
        while (begin < name.size() && is_quote(name[begin])) ++begin;
        decline_word(to_lower(name.substr(begin)), 0, &gender, &animate);
    }
    organisation.gender = gender;
    return gender;
}

void render_organisation_name(organisation_name& organisation, std::wstring& out,
                              const organisation_request& request) {
    out = organisation.full;
    const std::wstring& legal_form = organisation.legal_form;
    const std::wstring& name = organisation.name;
    const std::wstring& tail = organisation.tail;
    const std::wstring bare_name = name_without_tail(organisation);
    int c = request.grammatical_case;
    // A sole trader's name declines with the legal form, as a person's does.
    const bool person = request.any && !request.legal_form && sole_trader_gender(organisation) != 0;
    const std::wstring person_form =
        person && c != 0 ? decline_sole_trader_name(bare_name, c) + tail : name;
    if (!request.any) {
        out = legal_form.empty() ? name : legal_form + L" " + name;
    } else if (request.legal_form) {
        out = c != 0 ? decline_before_digits(legal_form, c) : legal_form;
    } else if (request.name) {
        out = person                                ? person_form
              : name.size() >= 2 && name[0] != L'"' ? decline_unquoted_name(bare_name, c) + tail
                                                    : name;
    } else if (legal_form.empty()) {
        // Without a legal form the full name is the name alone, with no
        // blank before it.
        out = c != 0 ? decline_bare_name(bare_name, c) + tail : name;
    } else if (request.full_name) {
        std::uint32_t gender = 0;
        std::wstring full_form = expand_legal_form(legal_form, gender);
        out = (c != 0 ? decline_before_digits(full_form, c) : full_form) + L" " + person_form;
    } else {
        out = decline_before_digits(legal_form, c) + L" " + person_form;
    }
}

}  // namespace engine
