#include <gtest/gtest.h>

#include "engine/declension/handlers/dictionaries.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

// Every entry reads, is chosen for some word built from it, and ties with no
// entry that leads elsewhere.
TEST(HandlerDictionaries, EveryTableIsSound) {
    const std::pair<const char*, const rule_table*> tables[] = {
        {"-р", &long_r_rules()}, {"-й", &long_j_rules()}, {"-а", &long_a_rules()},
        {"-ь", &long_soft_rules()}, {"-к", &long_k_rules()},
    };
    for (const auto& [name, table] : tables) {
        auto problems = decl_test::rule_table_problems(*table);
        EXPECT_TRUE(problems.empty()) << name << ":\n" << testing::PrintToString(problems);
    }
}
