#include <gtest/gtest.h>

#include <string>

#include "engine/declension/decline_word.h"

using namespace engine;

namespace {

struct dispatch_row {
    wchar_t letter;
    word_handler three, four, five;
};

// One row per final letter: three, four, five or more letters.
// clang-format off
const dispatch_row k_rows[] = {
    {L'а', decline3_a, decline4_a, decline_long_a}, {L'б', decline3_other, decline4_b, decline_long_b},
    {L'в', decline3_other, decline4_v, decline_long_v}, {L'г', decline3_other, decline4_g, decline_long_g},
    {L'д', decline3_other, decline4_d, decline_long_d}, {L'е', decline3_other, decline4_e, decline_long_e},
    {L'ж', decline3_other, decline4_other, decline_long_zh}, {L'з', decline3_other, decline4_z, decline_long_z},
    {L'и', decline3_i, decline4_i, decline_long_i}, {L'й', decline3_other, decline4_j, decline_long_j},
    {L'к', decline3_other, decline4_k, decline_long_k}, {L'л', decline3_other, decline4_l, decline_long_l},
    {L'м', decline3_other, decline4_m, decline_long_m}, {L'н', decline3_other, decline4_n, decline_long_n},
    {L'о', decline3_other, decline4_o, decline_long_o}, {L'п', decline3_other, decline4_p, decline_long_p},
    {L'р', decline3_other, decline4_r, decline_long_r}, {L'с', decline3_other, decline4_s, decline_long_s},
    {L'т', decline3_other, decline4_t, decline_long_t}, {L'у', decline3_other, decline4_other, nullptr},
    {L'ф', decline3_other, decline4_other, decline_long_f}, {L'х', decline3_other, decline4_other, decline_long_kh},
    {L'ц', decline3_other, decline4_other, decline_long_ts}, {L'ч', decline3_other, decline4_other, decline_long_ch},
    {L'ш', decline3_other, decline4_other, decline_long_sh}, {L'щ', decline3_other, decline4_other, decline_long_shch},
    {L'ъ', decline3_other, decline4_other, nullptr}, {L'ы', decline3_y, decline4_y, decline_long_y},
    {L'ь', decline3_other, decline4_soft, decline_long_soft}, {L'э', decline3_other, decline4_other, nullptr},
    {L'ю', decline3_other, decline4_other, nullptr}, {L'я', decline3_other, decline4_ya, decline_long_ya},
    // ё of five or more letters is settled by the entry itself.
    {L'ё', decline3_other, decline4_other, nullptr}, {L'Р', decline3_other, decline4_other, nullptr},
    {L'r', decline3_other, decline4_other, nullptr}, {L'7', decline3_other, decline4_other, nullptr},
    {L'-', decline3_other, decline4_other, nullptr},
};
// clang-format on

}  // namespace

TEST(Routing, EveryFinalLetterReachesItsHandlerAtEveryLength) {
    for (const dispatch_row& row : k_rows) {
        std::string letter = std::to_string(int(row.letter));
        EXPECT_EQ(find_word_handler(1, row.letter), nullptr) << letter;
        EXPECT_EQ(find_word_handler(2, row.letter), decline2) << letter;
        EXPECT_EQ(find_word_handler(3, row.letter), row.three) << letter;
        EXPECT_EQ(find_word_handler(4, row.letter), row.four) << letter;
        for (std::size_t length : {5u, 6u, 30u}) EXPECT_EQ(find_word_handler(length, row.letter), row.five) << letter;
    }
}
