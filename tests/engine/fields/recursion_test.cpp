#include <chrono>

#include "engine/fields/parameter_fixture.h"

using namespace engine;
using Recursion = engine::testing::parameter_document;

// Each of these used to recurse until the stack overflowed; the nesting guard
// of the script stops them, and the text left at the limit is shown as typed.

TEST_F(Recursion, FieldsThatNameThemselvesOrEachOtherAlsoInsideConditionsAndNestedBlocks) {
    add_fields({{L"x", L"{x}"}, {L"a", L"a{b}"}, {L"b", L"b{a}"}});
    EXPECT_EQ(run(L"[{x}]"), L"[{x}]");
    std::wstring out = run(L"{a}");
    EXPECT_TRUE(out.starts_with(L"abab")) << out;
    EXPECT_LT(out.size(), 200u);
    add_fields({{L"c", L"{ЕСЛИ c ТО \"да\" ИНАЧЕ \"нет\"}"}, {L"y", L"{ЕСЛИ y = 1 ТО \"{y}\"}"},
                {L"z", L"{ЕСЛИ 1 ТО \"{ЕСЛИ 1 ТО z}\"}"}});
    for (const wchar_t* source : {L"{c}", L"{ЕСЛИ y ТО y}", L"{z}"}) EXPECT_NO_FATAL_FAILURE(run(source));
    EXPECT_NO_FATAL_FAILURE(test(L"{c = \"да\"}"));
}

TEST_F(Recursion, BranchingSelfReferencesStillFinish) {
    // Four references per level would make 4^16 runs and gigabytes of text.
    add_field(L"x", L"{x}{x}{x}{x}");
    auto start = std::chrono::steady_clock::now();
    std::wstring out = run(L"{x}");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_FALSE(out.empty());
    EXPECT_LT(out.size(), 1'000'000u);
    // The budget belongs to one outermost run: the next one starts afresh.
    add_field(L"y", L"{ЕСЛИ 1 ТО \"ok\"}");
    EXPECT_EQ(run(L"{y}"), L"ok");
}
