#include "engine/declension/governing_participles.h"

#include <array>

namespace engine {

namespace {

struct participle_stem {
    std::wstring_view stem;
    bool governs_instrumental;
};

// clang-format off
constexpr std::array<participle_stem, 4> participle_stems = {{
    {L"заведующ",  true},
    {L"управляющ", true},
    {L"исполняющ", false},
    {L"замещающ",  false},
}};

constexpr std::array<std::wstring_view, 3> nominative_endings = {L"ий", L"ая", L"ие"};

constexpr std::array<std::wstring_view, 13> instrumental_endings = {
    L"ом", L"ем", L"ём", L"ой", L"ей", L"ёй", L"ою", L"ею", L"ью", L"ами", L"ями", L"ым", L"им"};
// clang-format on

const participle_stem* stem_of(std::wstring_view word) {
    for (const participle_stem& row : participle_stems) {
        if (!word.starts_with(row.stem) || word.size() != row.stem.size() + 2) continue;
        for (std::wstring_view ending : nominative_endings)
            if (word.ends_with(ending)) return &row;
    }
    return nullptr;
}

bool looks_instrumental(std::wstring_view word) {
    for (std::wstring_view ending : instrumental_endings)
        if (word.size() > ending.size() && word.ends_with(ending)) return true;
    return false;
}

}  // namespace

bool is_governing_participle(std::wstring_view word) { return stem_of(word) != nullptr; }

bool participle_heads_title(std::wstring_view word, std::wstring_view next) {
    const participle_stem* row = stem_of(word);
    if (!row) return false;
    return !row->governs_instrumental || next.empty() || looks_instrumental(next);
}

}  // namespace engine
