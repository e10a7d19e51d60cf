// The fields whose clause a template leaves out when they are empty: a
// condition on the field prints it, and nothing or words without a gap
// otherwise («ЕСЛИ Испытание ТО "…сроком " цифрами:Испытание … ИНАЧЕ
// "Испытание … не устанавливается."}», "{IF Travel THEN … currency:Travel}").
// The data panel tells the clerk that a word of none leaves such a clause out.
#pragma once

#include <string>
#include <vector>

namespace engine {

struct document_data;

// The word keys of those fields' names, in the order first met.
std::vector<std::wstring> fields_left_out_when_empty(const document_data& data);

}  // namespace engine
