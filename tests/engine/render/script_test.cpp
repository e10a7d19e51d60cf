#include "engine/render/script.h"

#include <gtest/gtest.h>

#include "engine/document/document.h"
#include "engine/fields/parameter_fixture.h"

using namespace engine;
using engine::testing::parameter_document;

namespace {

// A chain of `levels` conditional blocks, each nested in the then-part of the
// one around it.
std::wstring nested_blocks(int levels) {
    std::wstring source = L"core";
    for (int i = 0; i < levels; ++i) source = L"{ЕСЛИ 1 ТО \"" + source + L"\"}";
    return source;
}

}  // namespace

using ScriptRun = parameter_document;

TEST_F(ScriptRun, IndentedNewLineFollowsThePageSetup) {
    render_context context(&doc, view);
    context.style.first_indent_text = L"12.500000";
    EXPECT_EQ(script(L"a{.}b", context).run(),
              L"a<br /><span style=\"margin-left:12.500000mm;\"></span>b");
    doc.data->page_setup.record.v[1] = 1;
    EXPECT_EQ(script(L"a{.}b", context).run(), L"a<br />b");
}

TEST_F(ScriptRun, AssignmentsStoreUnderTheWordKeyAndPrintNothing) {
    add_field(L"Цена", L"10");
    EXPECT_EQ(run(L"{Ж:}Итого{:Ж}{Общая  Сумма = Цена}"), L"<b>Итого</b>");
    EXPECT_EQ(variable(L"общая|сумма"), L"10");
    run(L"{общая сумма = \"20\"}");
    EXPECT_EQ(run(L"{Общая Сумма}"), L"20");
    EXPECT_EQ(doc.data->scratch.records.size(), 1u);
    // A parameter of the same name comes before the variable.
    run(L"{Цена = \"20\"}");
    EXPECT_EQ(run(L"{цена}"), L"10");
}

TEST_F(ScriptRun, NestingBeyondTheLimitIsOutputUnevaluated) {
    EXPECT_EQ(run(nested_blocks(max_script_nesting)), L"core");
    EXPECT_EQ(run(nested_blocks(max_script_nesting + 1)), L"{ЕСЛИ 1 ТО &quot;core&quot;}");
    // Deep input beyond any sensible template still finishes.
    EXPECT_FALSE(run(nested_blocks(2000)).empty());
}

TEST(ScriptWithoutDocument, ReferencesAreEmptyAndNothingIsStored) {
    render_context context(nullptr, view_state{});
    EXPECT_EQ(script(L"a{x}b{.}{y = 1}{ЕСЛИ x ТО \"t\" ИНАЧЕ \"e\"}", context).run(), L"ab<br />e");
    EXPECT_FALSE(script(L"{x}", context).test());
}
