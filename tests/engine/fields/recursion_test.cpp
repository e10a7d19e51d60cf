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
    add_fields({{L"c", L"{ЕСЛИ c ТО \"да\" ИНАЧЕ \"нет\"}"},
                {L"y", L"{ЕСЛИ y = 1 ТО \"{y}\"}"},
                {L"z", L"{ЕСЛИ 1 ТО \"{ЕСЛИ 1 ТО z}\"}"}});
    for (const wchar_t* source : {L"{c}", L"{ЕСЛИ y ТО y}", L"{z}"})
        EXPECT_NO_FATAL_FAILURE(run(source));
    EXPECT_NO_FATAL_FAILURE(test(L"{c = \"да\"}"));
}

TEST_F(Recursion, BranchingSelfReferencesStillFinish) {
    // Four references per level would make 4^16 runs and gigabytes of text.
    // The nested runs stop once they have scanned their budget between them;
    // the runs under way then finish, each typing what its refused references
    // gave, which the bound allows for.
    const std::size_t bound = 10 * max_nested_characters;
    add_field(L"x", L"");
    for (const std::wstring& value :
         {std::wstring(L"{x}{x}{x}{x}"), L"{ЕСЛИ 1 ТО \"{x}\"}{x} " + std::wstring(1000, L'a'),
          L"{{x}}{x} " + std::wstring(1000, L'a'), std::wstring(L"{x}{x")}) {
        field(0).s2 = value;
        render_context context(&doc, view);
        std::wstring out = script(L"{x}", context).run();
        EXPECT_FALSE(out.empty()) << value;
        EXPECT_LT(context.runs.characters_scanned(), bound) << value;
        EXPECT_LT(out.size(), bound) << value;
    }
    // The budget belongs to one outermost run: the next one starts afresh.
    add_field(L"y", L"{ЕСЛИ 1 ТО \"ok\"}");
    EXPECT_EQ(run(L"{y}"), L"ok");
}
