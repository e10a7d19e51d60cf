// Values that name themselves or each other. Each of these once recursed
// until the stack overflowed, then printed text growing with the square of
// the value: the reference that closes a cycle now prints its own source,
// and the nested runs of one reference work within a budget.
#include <string>
#include <vector>

#include "engine/fields/parameter_fixture.h"

using namespace engine;
using Recursion = engine::testing::parameter_document;

namespace {

std::wstring repeated(const std::wstring& piece, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

struct named_value {
    std::wstring name;
    std::wstring value;
};

}  // namespace

TEST_F(Recursion, TheReferenceThatClosesACycleShowsItsSourceOnEveryTarget) {
    struct shape {
        std::vector<named_value> fields;
        std::wstring paragraph;
        std::wstring expected;  // the whole output, or a part of it for a table
        int references = 1;
    };
    const std::wstring table = L"{TABLE:}{ROW:}x{CELL:}{t}{:TABLE}";
    const shape shapes[] = {
        {{{L"Seller", repeated(L"{Seller}", 500)}}, L"{Seller}", repeated(L"{Seller}", 500)},
        // No declension touches the cycle's text.
        {{{L"Seller", repeated(L"{р:Seller}", 100)}}, L"{Seller}", repeated(L"{р:Seller}", 100)},
        {{{L"Seller", L"O'Neil {Seller}"}}, L"[{Seller}]", L"[O&apos;Neil {Seller}]"},
        // A value cut by a cycle is not kept for the next reference.
        {{{L"a", L"a{b}"}, {L"b", L"b{a}"}}, L"{a}|{b}", L"ab{a}|ba{b}", 2},
        {{{L"c", L"{ЕСЛИ c ТО \"[{c}]\" ИНАЧЕ \"none\"}"}}, L"{c}", L"[{c}]"},
        {{{L"c", L"{ЕСЛИ c = \"x\" ТО \"x\" ИНАЧЕ c}"}}, L"{c}", L"{c}"},
        {{{L"t", table}}, L"{t}", L">{t}</td>"},
    };
    for (render_target where : {render_target::screen, render_target::print, render_target::word}) {
        target = where;
        for (const shape& s : shapes) {
            doc.data->parameters.groups.clear();
            std::size_t longest = 0;
            for (const named_value& f : s.fields) {
                add_field(f.name, f.value);
                longest = std::max(longest, f.value.size());
            }
            render_context context(&doc, view, target);
            const std::wstring out = script(s.paragraph, context).run();
            if (s.fields[0].value == table)
                EXPECT_NE(out.find(s.expected), std::wstring::npos) << out;
            else
                EXPECT_EQ(out, s.expected) << s.paragraph;
            EXPECT_LE(out.size(), s.paragraph.size() + s.references * nested_work_budget);
            // Work in proportion to the value and the output, not to the
            // square of the value (which the budget would then cut).
            EXPECT_LE(context.runs.work(), 4 * (longest + out.size())) << s.fields[0].value;
            EXPECT_FALSE(context.runs.budget_spent()) << s.fields[0].value;
        }
    }
}

TEST_F(Recursion, TheNestedRunsOfOneReferenceShareABudgetAndACutValueShowsItsSourceOnce) {
    // Each A reads B 500 times and each B reads C 500 times: 100 million
    // characters of text if nothing stopped it.
    const std::wstring a = L"O'Neil " + repeated(L"{B}", 500);
    add_fields({{L"B", L""}, {L"C", L""}, {L"D", L"{E}{E}"}, {L"E", L"{ЕСЛИ 1 ТО \"e\"}"}});
    add_field(L"A", a);
    field(0).s2 = repeated(L"{C}", 500);
    field(1).s2 = std::wstring(400, L'x');
    const std::wstring shown = L"O&#39;Neil " + repeated(L"{B}", 500);
    render_context context(&doc, view);
    // The budget belongs to one reference: the next starts afresh.
    EXPECT_EQ(script(L"{A}|{D}", context).run(), shown + L"|ee");
    EXPECT_GT(context.runs.run_work(), nested_work_budget);
    EXPECT_LT(context.runs.run_work(), 2 * nested_work_budget);
    // The source is shown once in a paragraph.
    EXPECT_EQ(script(L"{A}|{A}", context).run(), shown + L"|");
    EXPECT_LT(context.runs.run_work(), nested_work_per_run + 2 * a.size());
    // Four references a level would make 4^16 runs; depth and cycles stop them.
    for (const std::wstring& value :
         {std::wstring(L"{x}{x}{x}{x}"), L"{ЕСЛИ 1 ТО \"{x}\"}{x} " + std::wstring(1000, L'a'),
          L"{{x}}{x} " + std::wstring(1000, L'a'), std::wstring(L"{x}{x")}) {
        doc.data->parameters.groups.clear();
        add_field(L"x", value);
        render_context fresh(&doc, view);
        const std::wstring text = script(L"{x}", fresh).run();
        EXPECT_FALSE(text.empty()) << value;
        EXPECT_LE(text.size(), 3 + nested_work_budget) << value;
        EXPECT_FALSE(fresh.runs.budget_spent()) << value;
    }
}

TEST_F(Recursion, ManyReferencesInAParagraphShareItsBudget) {
    // A value that sets a variable is run again at every reference (found by
    // fuzzing: 274 references took seconds). Past the paragraph's budget the
    // value shows its source once, and later references nothing.
    const std::wstring y = L"{v = v + 1}" + repeated(L"{р:ФИО работника}", 50);
    add_fields({{L"ФИО работника", L"Иванова Мария Петровна"}, {L"y", y.c_str()}});
    const std::wstring paragraph = repeated(L"{y}", 1000);
    render_context context(&doc, view);
    const std::wstring out = script(paragraph, context).run();
    EXPECT_LT(context.runs.run_work(), nested_work_per_run + nested_work_budget);
    EXPECT_LT(out.size(), nested_work_per_run + 2 * y.size());
    EXPECT_NE(out.find(L"Ивановой Марии Петровны"), std::wstring::npos);
    EXPECT_NE(out.find(L"{р:ФИО работника}"), std::wstring::npos);
    // Text declined in the paragraph itself counts too: past the budget a
    // value is shown as typed.
    std::wstring long_text;
    for (int i = 0; i < 100; ++i) long_text += L"красная книга ";
    add_field(L"z", long_text);
    render_context declining(&doc, view);
    const std::wstring declined = script(repeated(L"{р:z}", 100), declining).run();
    std::size_t declined_words = 0;
    for (std::size_t at = declined.find(L"красной"); at != std::wstring::npos;
         at = declined.find(L"красной", at + 1))
        ++declined_words;
    EXPECT_GT(declined_words, 0u);
    EXPECT_LE(declined_words, (nested_work_per_run / long_text.size() + 1) * 100);
    EXPECT_NE(declined.find(L"красная книга"), std::wstring::npos);
    // A self-naming value declined at each of many references (found by
    // fuzzing: 44 references to 102 cycles took a second under the sanitizers).
    add_field(L"s", repeated(L"{р:s}", 102));
    render_context self_naming(&doc, view);
    const std::wstring cycles = script(repeated(L"{р:s}", 44), self_naming).run();
    EXPECT_LT(self_naming.runs.run_work(), nested_work_per_run + nested_work_budget);
    EXPECT_NE(cycles.find(L"{р:s}"), std::wstring::npos);
}
