// The last stage of the reading: whether the money words typed with a number
// name the document's currency ("$45" is no amount where it prints roubles).
#pragma once

#include <cstdint>

#include "engine/fields/single_number.h"

namespace engine::reading {

// `currency` is the currency_mark bit of the document's currency, or 0 when
// the document names one of its own, which any money word fits.
bool in_own_currency(const number_words& words, std::uint32_t currency);

}  // namespace engine::reading
