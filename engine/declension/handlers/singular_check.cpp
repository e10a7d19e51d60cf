#include "engine/declension/handlers/singular_check.h"

#include <utility>

#include "engine/declension/paradigms.h"

namespace engine {
namespace {

std::wstring drop_last(std::wstring_view word, std::size_t n) {
    return std::wstring(word.substr(0, word.size() >= n ? word.size() - n : 0));
}

int singular_case(singular_check_kind kind) { return kind == singular_check_kind::animacy ? 0 : 5; }

bool ends_with(std::wstring_view text, std::wstring_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::wstring rebuild_singular(singular_check_kind kind, std::wstring_view plural) {
    switch (kind) {
        case singular_check_kind::tsy_after_bn:
        case singular_check_kind::tsy_after_consonant: return drop_last(plural, 2) + L"ец";
        case singular_check_kind::tsy_after_soft_sign: return drop_last(plural, 3) + L"ец";
        default: return drop_last(plural, 1);
    }
}

std::wstring run_singular_check(const singular_check& check, std::wstring word, int c,
                                std::uint32_t* gender, std::uint32_t* animate) {
    std::uint32_t singular_animate = 0;
    std::wstring answer = check.handler(rebuild_singular(check.kind, word),
                                        singular_case(check.kind), gender, &singular_animate);
    const bool animate_singular = singular_animate != 0;
    int animate_paradigm = check.animate_paradigm;
    int inanimate_paradigm = check.inanimate_paradigm;
    switch (check.kind) {
        case singular_check_kind::noun_or_surname:
            if (!ends_with(answer, L"ом")) {
                word = apply_paradigm(77, std::move(word), c, singular_animate);
                if (animate) *animate = singular_animate;
                if (gender) *gender = 4;
                return word;
            }
            break;
        case singular_check_kind::tsy_after_bn:
        case singular_check_kind::tsy_after_soft_sign:
        case singular_check_kind::tsy_after_consonant: {
            const bool in_tsom = check.kind == singular_check_kind::tsy_after_consonant
                                     ? ends_with(answer, L"цом")
                                     : (answer + L' ').find(L"цом ") != std::wstring::npos;
            if (!in_tsom) {
                animate_paradigm = check.animate_ev_paradigm;
                inanimate_paradigm = check.inanimate_ev_paradigm;
            }
            break;
        }
        default: break;
    }
    word = apply_paradigm(animate_singular ? animate_paradigm : inanimate_paradigm, std::move(word),
                          c);
    if (animate_singular && animate) *animate = 1;
    if (gender) *gender = 4;
    return word;
}

}  // namespace engine
