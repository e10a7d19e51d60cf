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

// The gender (1 or 2) of the person a sole trader's name names, as a person
// field gives it; 0 when the legal form is not ИП (abbreviated or in full) or
// the name, without its tail, is no person's. A person's name is unquoted:
// two capitalised words whose second is a first name the name lists hold
// (Манн Томас), or, when neither is a word trade names are built from (Альфа
// Строй, Мир Окон), whose second the word lists do not know as a thing (Кох
// Ирина, Мюллер Ханс; not Строймонтаж Плюс) or which are a surname ending and
// a first name they know; three with a patronymic in -ич, -вна or -чна or a
// Turkic one (Гейдар-кызы); more when the person's name keeps every word
// (Гейдар оглы); or a capitalised surname and initials (Петров П.П.).
std::uint32_t sole_trader_gender(const organisation_name& organisation);

// The person's name in case 2..6, as a person field declines it.
std::wstring decline_sole_trader_name(const std::wstring& name, int grammatical_case);

}  // namespace engine
