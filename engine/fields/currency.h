// The document's currency, for money in figures and in English words.
//
// Read afresh on every call from the first parameter field named "currency"
// (sections, then fields, in order); a hidden field or none means US dollars.
#pragma once

#include <cstdint>
#include <string>

#include "engine/document/doc_model.h"
#include "engine/fields/number_value.h"

namespace engine {

// "$", "€", "£", or nothing for the "Other" currency.
std::wstring currency_sign(const number_value& number);

// The English unit names: returns the singular, fills the minor unit (one
// cent, one penny) and the plural. "Other" takes them from the
// "other_currency" field ("krona kronor": krona, krona, kronor); without that
// field, dollars.
std::wstring currency_words_en(const number_value& number, std::wstring& minor,
                               std::wstring& plural);

// The code typed for the "Other" currency (the "other_currency_abbr"
// field), as typed; empty when there is none or it is hidden.
std::wstring other_currency_code(const number_value& number);

// The currency the money form prints in a document with these parameters
// read in `language`, as a currency_mark bit (number_tail_words.h): roubles
// in Russian, otherwise the "currency" field's; 0 for "Other", a currency
// the document names itself.
std::uint32_t document_currency(const doc_node* parameters, int language);

}  // namespace engine
