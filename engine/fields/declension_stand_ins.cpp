#include "engine/fields/declension_stand_ins.h"

namespace engine {

std::wstring number_words_in_case(std::wstring digits, int, int) { return digits; }

std::wstring decline_phrase(std::wstring text, int) { return text; }

int number_plural_class(std::wstring) { return 2; }

std::wstring agree_counted_noun(std::wstring noun, int, int, bool) { return noun; }

}  // namespace engine
