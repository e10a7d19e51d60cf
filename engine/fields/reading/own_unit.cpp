#include "engine/fields/reading/own_unit.h"

namespace engine::reading {

bool in_own_unit(const number_words& words, number_unit unit) {
    if (words.money || words.unit_count > words.units.size()) return false;
    const std::uint32_t read = unit_marks_read_in(unit);
    for (std::size_t i = 0; i < words.unit_count; ++i)
        if ((words.units[i] & read) == 0) return false;
    return true;
}

}  // namespace engine::reading
