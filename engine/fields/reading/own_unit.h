// The third stage of the reading: whether the words typed with a number name
// the unit its field counts («2 недели» is no term in days).
#pragma once

#include "engine/fields/number_unit.h"
#include "engine/fields/single_number.h"

namespace engine::reading {

// Every unit word names a unit the field reads, and none is money.
bool in_own_unit(const number_words& words, number_unit unit);

}  // namespace engine::reading
