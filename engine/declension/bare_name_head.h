// The head of an organisation's name typed with neither a legal form before
// it nor a body of the lists («Сбербанк России», «МГТУ им. Н.Э. Баумана»,
// «Ромашка ООО»). The words up to the head decline and give the party its
// gender and number; what follows the head is its complement («России»,
// «РФ», «Российской Федерации», «по г. Москве», «в Тверской области», «№ 5»,
// «им. …», «г. Твери», «Тверской области», a quoted name), which stays as
// typed and never gives the party its gender or number.
//
// Any thread; the lists are constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace engine {

struct bare_name_head {
    // Where what declines ends: after the head, or after the words before an
    // abbreviation or a legal form that stays as typed (0 when none).
    std::size_t declines_end = 0;
    // The party's gender: an abbreviation's 1 (masculine, singular), a legal
    // form's written last, else the gender the head's words give; 0 when
    // they give none.
    std::uint32_t gender = 0;
};

// `name` unquoted, without a legal form before it or its tail after a comma.
bare_name_head find_bare_name_head(std::wstring_view name);

}  // namespace engine
