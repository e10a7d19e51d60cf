// The texts of a fuzzer's input that a U+0001 parts: a paragraph and its
// values, or values typed into fields in turn.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::vector<std::wstring> pieces_of(std::wstring_view text) {
    std::vector<std::wstring> pieces;
    for (;;) {
        const std::size_t at = text.find(L'\x01');
        pieces.emplace_back(text.substr(0, at));
        if (at == std::wstring_view::npos) return pieces;
        text.remove_prefix(at + 1);
    }
}

}  // namespace fuzz
