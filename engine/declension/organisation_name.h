// An organisation in a text field: a legal form and a name.
//
// Three layouts are recognised: a legal form before the name (ООО "Ромашка",
// Общество с ограниченной ответственностью «Ромашка»), and a legal form of
// the table after a comma (Ромашка, ООО). A form of the table, abbreviated
// or written in full, is found in any letter case (ооо «ромашка»). Any other
// text after a comma (ИНН 7701234567, г. Москва) is the name's tail and stays
// where it was typed. The legal form declines; a quoted name and the tail do
// not, and digits are never spelled out. A public body without a legal form
// (Администрация города Тулы) declines its noun and agrees with it. The
// record owns copies of its parts and lives for one rendering; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct organisation_name {
    explicit organisation_name(std::wstring text);

    // The text as received.
    std::wstring full;
    // The legal form as written, empty when none was found.
    std::wstring legal_form;
    // The name, quotes included, and its tail.
    std::wstring name;
    // The end of `name` from the comma after it («, ИНН 7701234567»), as
    // typed; empty when there is none.
    std::wstring tail;
    // Gender code, 0 until detect_gender computes it.
    std::uint32_t gender = 0;
};

void split_organisation_name(organisation_name& organisation, std::wstring text);

// `name` without its tail: what declines and tells a gender.
std::wstring name_without_tail(const organisation_name& organisation);

// The legal form that opens `normalised` when the name is quoted further in:
// its first word (up to the first blank or the opening quote) when that is in
// capitals, else everything before the opening quote. `name_start` receives
// where the name begins.
std::wstring take_legal_form_prefix(const std::wstring& normalised, std::size_t first_blank,
                                    std::size_t opening_quote, std::size_t& name_start);

// True when `text` has a letter and every letter is a capital.
bool is_all_capitals(std::wstring text);

// The full name of an abbreviated legal form (ООО, ооо), setting `gender`
// from the table; a form written in full sets it too and comes back trimmed,
// as does an unknown text, which leaves `gender` alone.
std::wstring expand_legal_form(std::wstring abbreviation, std::uint32_t& gender);

// Computes (once), stores and returns the gender: from the legal-form table,
// else the legal form's word, else a public body's noun, else the name's.
std::uint32_t detect_gender(organisation_name& organisation);

// What a template asks of an organisation: a case (2 to 6; 0 as typed) and at
// most one part, the first set of these winning. `any` tells that something
// was asked; without it the legal form and name come back as found.
struct organisation_request {
    int grammatical_case = 0;
    bool any = false;
    bool legal_form = false;
    bool name = false;
    bool full_name = false;  // the legal form written out in full, then the name (or
                             // the name alone)
};

void render_organisation_name(organisation_name& organisation, std::wstring& out,
                              const organisation_request& request);

}  // namespace engine
