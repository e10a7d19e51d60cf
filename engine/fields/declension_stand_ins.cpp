#include "engine/fields/declension_stand_ins.h"

namespace engine {

std::wstring decline_phrase(std::wstring text, int) { return text; }

}  // namespace engine
