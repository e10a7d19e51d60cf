// Every word handler that decline_word can reach, by word length and final
// letter (see find_word_handler).
//
// The common contract: the word is lower-case, already trimmed and of the
// length and final letter the name says (handlers still accept any word and
// never read outside it); the case is 1..6 from decline_word, 0 from handlers
// that only ask for gender and animacy. A recognised word comes back declined
// and the handler stores the animacy first, then the gender, so a caller that
// passes one slot for both ends with the gender; a row may store less. An
// unrecognised word comes back unchanged and neither slot is written. A null
// slot is ignored: it is never written and reads as 0. Handlers keep no state
// and never read the slots except where a row takes an input (adjectives
// agreeing in animacy, полтора's gender).
#pragma once

#include <cstdint>
#include <string>

namespace engine {

using word_handler = std::wstring (*)(std::wstring word, int c, std::uint32_t* gender,
                                      std::uint32_t* animate);

// Two- and three-letter words: closed lists of whole words.
std::wstring decline2(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline3_a(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline3_i(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline3_y(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline3_other(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);

// Four-letter words whose final letter the core lists itself.
std::wstring decline4_a(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_b(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_v(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_g(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_d(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_e(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_z(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_i(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_j(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_k(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_other(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);

// Plurals in -ки, reached only through decline_long_i.
std::wstring decline_long_i_ki(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate);
std::wstring decline_long_i_ki_anki(std::wstring word, int c, std::uint32_t* gender,
                                    std::uint32_t* animate);

// Four-letter closed lists of the word-handler dictionary.
std::wstring decline4_l(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_m(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_n(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_o(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_p(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_r(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_s(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_t(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_y(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_soft(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);
std::wstring decline4_ya(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);

// Words of five or more letters, one handler per final letter.
std::wstring decline_long_a(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_b(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_v(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
// decline_long_v, except that a word in -лов is taken as a surname (чкалов:
// animate, чкаловым); decline_long_v takes it as a common noun (отлов). Only a
// caller that knows the word is a surname asks for this.
std::wstring decline_long_v_surname(std::wstring word, int c, std::uint32_t* gender,
                                    std::uint32_t* animate);
std::wstring decline_long_g(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_d(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_e(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_zh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);
std::wstring decline_long_z(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_i(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_j(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_k(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_l(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_m(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_n(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
// Stores the gender only; the animacy slot is never written.
std::wstring decline_long_o(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_p(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_r(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_s(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_t(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_f(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_kh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);
std::wstring decline_long_ts(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);
std::wstring decline_long_ch(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);
std::wstring decline_long_sh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);
std::wstring decline_long_shch(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate);
std::wstring decline_long_soft(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate);
std::wstring decline_long_y(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate);
std::wstring decline_long_ya(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate);

}  // namespace engine
