// The ending paradigms: the 177 ways a Russian dictionary form becomes one of
// its six case forms, and four small word utilities the declension shares.
//
// A paradigm cuts a fixed number of letters (0 to 3) from the end of the word,
// then appends the ending for the case (1 nominative ... 6 prepositional), or
// replaces the whole word by a fixed form. Any other case value selects no
// ending and returns the cut word: handlers ask for case 0 when they only want
// gender and animacy. A word shorter than the cut loses nothing.
//
// Paradigms never change letter case and read no global state; they may be
// called from any thread. Words are UTF-32, one code point per letter.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// Number of paradigms; valid numbers are 1 ... paradigm_count.
inline constexpr int paradigm_count = 177;

// The paradigm with that number, for handlers whose rows name paradigms by
// number. The animacy flag counts only for the nine paradigms that take it
// (073-078, 116, 117, 119): non-zero makes the accusative equal the genitive.
// An unknown number returns the word unchanged.
std::wstring apply_paradigm(int number, std::wstring word, int c, std::uint32_t animate = 0);

// Whether a paradigm's accusative follows an animacy flag.
bool paradigm_takes_animacy(int number);

std::wstring paradigm_001(std::wstring word, int c);
std::wstring paradigm_002(std::wstring word, int c);
std::wstring paradigm_003(std::wstring word, int c);
std::wstring paradigm_004(std::wstring word, int c);
std::wstring paradigm_005(std::wstring word, int c);
std::wstring paradigm_006(std::wstring word, int c);
std::wstring paradigm_007(std::wstring word, int c);
std::wstring paradigm_008(std::wstring word, int c);
std::wstring paradigm_009(std::wstring word, int c);
std::wstring paradigm_010(std::wstring word, int c);
std::wstring paradigm_011(std::wstring word, int c);
std::wstring paradigm_012(std::wstring word, int c);
std::wstring paradigm_013(std::wstring word, int c);
std::wstring paradigm_014(std::wstring word, int c);
std::wstring paradigm_015(std::wstring word, int c);
std::wstring paradigm_016(std::wstring word, int c);
std::wstring paradigm_017(std::wstring word, int c);
std::wstring paradigm_018(std::wstring word, int c);
std::wstring paradigm_019(std::wstring word, int c);
std::wstring paradigm_020(std::wstring word, int c);
std::wstring paradigm_021(std::wstring word, int c);
std::wstring paradigm_022(std::wstring word, int c);
std::wstring paradigm_023(std::wstring word, int c);
std::wstring paradigm_024(std::wstring word, int c);
std::wstring paradigm_025(std::wstring word, int c);
std::wstring paradigm_026(std::wstring word, int c);
std::wstring paradigm_027(std::wstring word, int c);
std::wstring paradigm_028(std::wstring word, int c);
std::wstring paradigm_029(std::wstring word, int c);
std::wstring paradigm_030(std::wstring word, int c);
std::wstring paradigm_031(std::wstring word, int c);
std::wstring paradigm_032(std::wstring word, int c);
std::wstring paradigm_033(std::wstring word, int c);
std::wstring paradigm_034(std::wstring word, int c);
std::wstring paradigm_035(std::wstring word, int c);
std::wstring paradigm_036(std::wstring word, int c);
std::wstring paradigm_037(std::wstring word, int c);
std::wstring paradigm_038(std::wstring word, int c);
std::wstring paradigm_039(std::wstring word, int c);
std::wstring paradigm_040(std::wstring word, int c);
std::wstring paradigm_041(std::wstring word, int c);
std::wstring paradigm_042(std::wstring word, int c);
std::wstring paradigm_043(std::wstring word, int c);
std::wstring paradigm_044(std::wstring word, int c);
std::wstring paradigm_045(std::wstring word, int c);
std::wstring paradigm_046(std::wstring word, int c);
std::wstring paradigm_047(std::wstring word, int c);
std::wstring paradigm_048(std::wstring word, int c);
std::wstring paradigm_049(std::wstring word, int c);
std::wstring paradigm_050(std::wstring word, int c);
std::wstring paradigm_051(std::wstring word, int c);
std::wstring paradigm_052(std::wstring word, int c);
std::wstring paradigm_053(std::wstring word, int c);
std::wstring paradigm_054(std::wstring word, int c);
std::wstring paradigm_055(std::wstring word, int c);
std::wstring paradigm_056(std::wstring word, int c);
std::wstring paradigm_057(std::wstring word, int c);
std::wstring paradigm_058(std::wstring word, int c);
std::wstring paradigm_059(std::wstring word, int c);
std::wstring paradigm_060(std::wstring word, int c);
std::wstring paradigm_061(std::wstring word, int c);
std::wstring paradigm_062(std::wstring word, int c);
std::wstring paradigm_063(std::wstring word, int c);
std::wstring paradigm_064(std::wstring word, int c);
std::wstring paradigm_065(std::wstring word, int c);
std::wstring paradigm_066(std::wstring word, int c);
std::wstring paradigm_067(std::wstring word, int c);
std::wstring paradigm_068(std::wstring word, int c);
std::wstring paradigm_069(std::wstring word, int c);
std::wstring paradigm_070(std::wstring word, int c);
std::wstring paradigm_071(std::wstring word, int c);
std::wstring paradigm_072(std::wstring word, int c);
std::wstring paradigm_073(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_074(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_075(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_076(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_077(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_078(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_079(std::wstring word, int c);
std::wstring paradigm_080(std::wstring word, int c);
std::wstring paradigm_081(std::wstring word, int c);
std::wstring paradigm_082(std::wstring word, int c);
std::wstring paradigm_083(std::wstring word, int c);
std::wstring paradigm_084(std::wstring word, int c);
std::wstring paradigm_085(std::wstring word, int c);
std::wstring paradigm_086(std::wstring word, int c);
std::wstring paradigm_087(std::wstring word, int c);
std::wstring paradigm_088(std::wstring word, int c);
std::wstring paradigm_089(std::wstring word, int c);
std::wstring paradigm_090(std::wstring word, int c);
std::wstring paradigm_091(std::wstring word, int c);
std::wstring paradigm_092(std::wstring word, int c);
std::wstring paradigm_093(std::wstring word, int c);
std::wstring paradigm_094(std::wstring word, int c);
std::wstring paradigm_095(std::wstring word, int c);
std::wstring paradigm_096(std::wstring word, int c);
std::wstring paradigm_097(std::wstring word, int c);
std::wstring paradigm_098(std::wstring word, int c);
std::wstring paradigm_099(std::wstring word, int c);
std::wstring paradigm_100(std::wstring word, int c);
std::wstring paradigm_101(std::wstring word, int c);
std::wstring paradigm_102(std::wstring word, int c);
std::wstring paradigm_103(std::wstring word, int c);
std::wstring paradigm_104(std::wstring word, int c);
std::wstring paradigm_105(std::wstring word, int c);
std::wstring paradigm_106(std::wstring word, int c);
std::wstring paradigm_107(std::wstring word, int c);
std::wstring paradigm_108(std::wstring word, int c);
std::wstring paradigm_109(std::wstring word, int c);
std::wstring paradigm_110(std::wstring word, int c);
std::wstring paradigm_111(std::wstring word, int c);
std::wstring paradigm_112(std::wstring word, int c);
std::wstring paradigm_113(std::wstring word, int c);
std::wstring paradigm_114(std::wstring word, int c);
std::wstring paradigm_115(std::wstring word, int c);
std::wstring paradigm_116(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_117(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_118(std::wstring word, int c);
std::wstring paradigm_119(std::wstring word, int c, std::uint32_t animate = 0);
std::wstring paradigm_120(std::wstring word, int c);
std::wstring paradigm_121(std::wstring word, int c);
std::wstring paradigm_122(std::wstring word, int c);
std::wstring paradigm_123(std::wstring word, int c);
std::wstring paradigm_124(std::wstring word, int c);
std::wstring paradigm_125(std::wstring word, int c);
std::wstring paradigm_126(std::wstring word, int c);
std::wstring paradigm_127(std::wstring word, int c);
std::wstring paradigm_128(std::wstring word, int c);
std::wstring paradigm_129(std::wstring word, int c);
std::wstring paradigm_130(std::wstring word, int c);
std::wstring paradigm_131(std::wstring word, int c);
std::wstring paradigm_132(std::wstring word, int c);
std::wstring paradigm_133(std::wstring word, int c);
std::wstring paradigm_134(std::wstring word, int c);
std::wstring paradigm_135(std::wstring word, int c);
std::wstring paradigm_136(std::wstring word, int c);
std::wstring paradigm_137(std::wstring word, int c);
std::wstring paradigm_138(std::wstring word, int c);
std::wstring paradigm_139(std::wstring word, int c);
std::wstring paradigm_140(std::wstring word, int c);
std::wstring paradigm_141(std::wstring word, int c);
std::wstring paradigm_142(std::wstring word, int c);
std::wstring paradigm_143(std::wstring word, int c);
std::wstring paradigm_144(std::wstring word, int c);
std::wstring paradigm_145(std::wstring word, int c);
std::wstring paradigm_146(std::wstring word, int c);
std::wstring paradigm_147(std::wstring word, int c);
std::wstring paradigm_148(std::wstring word, int c);
std::wstring paradigm_149(std::wstring word, int c);
std::wstring paradigm_150(std::wstring word, int c);
std::wstring paradigm_151(std::wstring word, int c);
std::wstring paradigm_152(std::wstring word, int c);
std::wstring paradigm_153(std::wstring word, int c);
std::wstring paradigm_154(std::wstring word, int c);
std::wstring paradigm_155(std::wstring word, int c);
std::wstring paradigm_156(std::wstring word, int c);
std::wstring paradigm_157(std::wstring word, int c);
std::wstring paradigm_158(std::wstring word, int c);
std::wstring paradigm_159(std::wstring word, int c);
std::wstring paradigm_160(std::wstring word, int c);
std::wstring paradigm_161(std::wstring word, int c);
std::wstring paradigm_162(std::wstring word, int c);
std::wstring paradigm_163(std::wstring word, int c);
std::wstring paradigm_164(std::wstring word, int c);
std::wstring paradigm_165(std::wstring word, int c);
std::wstring paradigm_166(std::wstring word, int c);
std::wstring paradigm_167(std::wstring word, int c);
std::wstring paradigm_168(std::wstring word, int c);
std::wstring paradigm_169(std::wstring word, int c);
std::wstring paradigm_170(std::wstring word, int c);
std::wstring paradigm_171(std::wstring word, int c);
std::wstring paradigm_172(std::wstring word, int c);
std::wstring paradigm_173(std::wstring word, int c);
std::wstring paradigm_174(std::wstring word, int c);
std::wstring paradigm_175(std::wstring word, int c);
std::wstring paradigm_176(std::wstring word, int c);
std::wstring paradigm_177(std::wstring word, int c);

// Erases every trailing '0' in place; a string of zeros only becomes empty.
std::wstring& trim_trailing_zeros(std::wstring& word);
// The last n characters; empty when the word is shorter than n.
std::wstring tail_chars(const std::wstring& word, std::size_t n);
// Replaces the first ё (not Ё) by е in place.
std::wstring& replace_yo(std::wstring& word);

}  // namespace engine
