#include "support/remembered_texts.h"

#include <cstdint>

namespace fixture {

std::vector<std::wstring> remembered_texts(int count) {
    std::vector<std::wstring> texts;
    std::uint32_t seed = 12345;
    for (int i = 0; i < count; ++i) {
        std::wstring text;
        const int length = 10 + int(seed % 61);
        for (int c = 0; c < length; ++c) {
            seed = seed * 1103515245 + 12345;
            const std::uint32_t r = (seed >> 16) % 40;
            text += r < 6 ? L' ' : r < 23 ? wchar_t(L'a' + r - 6) : wchar_t(L'а' + r - 23);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

}  // namespace fixture
