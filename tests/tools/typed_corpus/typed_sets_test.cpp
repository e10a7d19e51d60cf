#include "tools/typed_corpus/typed_sets.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The rows of one set stay together under their first row's place, whatever
// lies between; escapes stand for what they name, and a row that cannot be
// one set's value is named, not typed.
TEST(TypedSets, RowsGatherIntoTheirSetsWithEscapesReadAndFaultsNamed) {
    std::istringstream table(
        "set\tlanguage\ttemplate\tfield\tvalue\n"
        "7\tru\tФормы/Акт\tМатериалы\tнет\r\n"
        "3\ten\tForms/Invoice\tNotes\tone\\ttwo\\nthree \\\\ four\n"
        "7\tru\tФормы/Акт\tЦена\t86 500-00\n"
        "7\ten\tForms/Invoice\tNotes\tx\n"
        "3\ten\tForms/Invoice\tRate\n");
    std::vector<std::string> problems;
    const std::vector<corpus::typed_set> sets = corpus::read_typed_sets(table, problems);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].id, "7");
    EXPECT_EQ(sets[0].template_name, "Формы/Акт");
    const golden::typed_values act = {{L"Материалы", L"нет"}, {L"Цена", L"86 500-00"}};
    EXPECT_EQ(sets[0].values, act);
    const golden::typed_values invoice = {{L"Notes", L"one\ttwo\nthree \\ four"}};
    EXPECT_EQ(sets[1].values, invoice);
    EXPECT_EQ(problems, (std::vector<std::string>{"line 5: set 7 names another template",
                                                  "line 6: 4 cells, not 5"}));
}

}  // namespace
