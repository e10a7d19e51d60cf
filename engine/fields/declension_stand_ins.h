// STAND-INS for the Russian declension routines that are not built yet.
//
// The renderers call these by their final names and signatures. Until the
// declension work lands, a phrase comes back unchanged. Each goes when its
// real routine lands: delete it here and include the real header in its
// callers.
#pragma once

#include <string>

namespace engine {

// A free phrase put into a case.
std::wstring decline_phrase(std::wstring text, int grammatical_case);

}  // namespace engine
