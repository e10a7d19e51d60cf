// A value script referenced again in one run is taken from a memo; whatever
// it reads, the output is what running it again would give.
#include "engine/fields/parameter_fixture.h"

using namespace engine;
using ValueMemo = engine::testing::parameter_document;

TEST_F(ValueMemo, VariablesSetBetweenReferencesOrByTheValueItselfAreFollowed) {
    add_fields({{L"f", L"[{v}]"}, {L"g", L"{k = \"a\"}b"}});
    expect_runs(
        {{L"{v = 1}{f}{v = 2}{f}{f}", L"[1][2][2]"}, {L"{k = \"z\"}{g}{k = \"z\"}{g}{k}", L"bba"}});
}

TEST_F(ValueMemo, AHiddenFieldGivesEachCallerItsOwnDefault) {
    add_field(L"h", L"{ЕСЛИ 1 ТО \"x\"}").c = 1;
    expect_runs({{L"[{h}]{ЕСЛИ h = \"h\" ТО \"named\"}[{h}]", L"[]named[]"}});
}

TEST_F(ValueMemo, TableMarkersInAValueFollowTheOpenTable) {
    add_field(L"c", L"{CELL:}x");
    std::wstring out = run(L"{TABLE:}{ROW:}{c}{c}{:TABLE}");
    EXPECT_EQ(out.find(L"</td><td"), out.rfind(L"</td><td")) << out;
    EXPECT_NE(out.find(L"</td><td"), std::wstring::npos) << out;
}

TEST_F(ValueMemo, AValueReferencedNearTheDepthLimitIsCutAsItWouldBe) {
    // d runs two levels deep; the chain c1 … c14 reaches it fourteen levels down.
    add_field(L"d", L"{ЕСЛИ 1 ТО \"{ЕСЛИ 1 ТО \"ok\"}\"}");
    for (int i = 1; i <= 14; ++i)
        add_field(L"c" + std::to_wstring(i),
                  i < 14 ? L"{c" + std::to_wstring(i + 1) + L"}" : L"{d}");
    const std::wstring chain_alone = run(L"{c1}");
    EXPECT_NE(chain_alone, L"ok");
    EXPECT_EQ(run(L"{d}|{c1}"), L"ok|" + chain_alone);
}
