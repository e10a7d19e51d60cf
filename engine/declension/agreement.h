// Gender agreement of one word: "он" becomes "она", "должен" "должна",
// "обязан" "обязано" for the gender of the person or organisation a
// template speaks of.
//
// Pure; any thread.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// The word (blanks around it ignored, any letter case) in the form for a
// gender code: 2 feminine, 3 neuter, 4 plural; every other code, name-class
// codes included, gives the masculine. The result is in lower case; the
// field's letter case is put back by copy_letter_case.
std::wstring agree_with_gender(std::wstring word, std::uint32_t gender);

}  // namespace engine
