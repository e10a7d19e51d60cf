#include "engine/fields/reading/own_currency.h"

namespace engine::reading {

bool in_own_currency(const number_words& words, std::uint32_t currency) {
    return !words.money || currency == 0 || (words.currencies & currency) != 0;
}

}  // namespace engine::reading
