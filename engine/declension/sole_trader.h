// A sole trader (ИП Петрова Ольга Ивановна, Индивидуальный предприниматель
// Петрова Ольга Ивановна) is a person: the name after the legal form declines
// as a person's name does, and other words agree with the person's gender,
// not the legal form's.
//
// Any thread; reads only its arguments.
#pragma once

#include <cstdint>
#include <string>

#include "engine/declension/organisation_name.h"

namespace engine {

// The gender (1 or 2) of the person a sole trader's name names; 0 when the
// legal form is not ИП (abbreviated or in full) or the name is no person's:
// two or three capitalised words, unquoted, with a patronymic in -ич, -вна
// or -чна, or else a surname ending and a first name the word lists know; or
// a capitalised surname and initials (Петров П.П.), whose gender the surname
// tells.
std::uint32_t sole_trader_gender(const organisation_name& organisation);

// The person's name in case 2..6, as a person field declines it.
std::wstring decline_sole_trader_name(const std::wstring& name, int grammatical_case);

}  // namespace engine
