// Every cut of a document file renders through all three outputs.
#include <gtest/gtest.h>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "render_tree.h"
#include "support/brik_fixture.h"

using namespace engine;
using namespace fixture;

namespace {

brik_record unit(const char16_t* text, std::uint16_t kind, std::uint16_t indent = 0) {
    // clang-format off
    return {.a = kind, .b = 1, .c = 4, .s2 = text, .s3 = u"Arial", .v = {11, 0, 0, 0, 0, indent}, .d2 = 5};
    // clang-format on
}

// Numbered blocks and runs in both layouts' reach, tables, breaks, a legacy
// page, a show_checks field and heading styles.
brik_tree rendering_tree(bool hanging_indent) {
    brik_tree tree;
    tree.page_setup = {.record = {.c = 1, .v = {0, std::uint16_t(hanging_indent)}},
                       .groups = {{.record = {.v = {297, 0, 19, 19, 10, 19}, .d1 = 210},
                                   .elements = {{}, {}, {}, {}}}}};
    brik_element first{
        .record = unit(u"Heading{%}", 1, 5),
        .items = {unit(u"Run {Ж:}bold{:Ж}", 2), unit(u"{TABLE:}{ROW:}{CELL:1,1,1,1}cell", 12, 3),
                  unit(u"dash", 13, 2)}};
    brik_element second{.record = unit(u"{ЯЧЕЙКА:}loose{:ТАБЛИЦА}after{%}", 101, 4),
                        .items = {unit(u"<img src=\"data:image/bmp;base64,Qk0=\">", 6)}};
    tree.pages.groups = {{.record = {.a = 1}, .elements = {first, second}},
                         {.record = unit(u"Legacy {TABLE:}{CELL:}x", 0, 10)}};
    tree.parameters.groups = {
        {.record = {.s1 = u"Main"}, .elements = {{.record = {.s1 = u"show_checks", .s2 = u"1"}}}}};
    return tree;
}

}  // namespace

using RenderDamage = render_test::RenderTest;

TEST_F(RenderDamage, EveryTruncationRendersThroughAllThreeOutputs) {
    memory_environment env;
    const std::wstring file = L"/library/cut.brik";
    const view_state view;
    for (bool hanging_indent : {false, true}) {
        const std::string whole = write_brik(rendering_tree(hanging_indent));
        for (std::size_t size = 0; size <= whole.size(); ++size) {
            env.put_file(file, whole.substr(0, size));
            document doc(file, 0, env);
            EXPECT_FALSE(to_html(doc, view).empty()) << size;
            EXPECT_FALSE(to_print_html(doc, view).empty()) << size;
            EXPECT_FALSE(to_word_html(doc, view).empty()) << size;
        }
        // The whole file reaches what it was built for.
        document doc(file, 0, env);
        std::wstring screen = to_html(doc, view);
        EXPECT_TRUE(render_test::contains(screen, hanging_indent
                                                      ? L"<b>1.&nbsp;</b></font></font></td>"
                                                      : L"<b>1.&nbsp;</b>Heading"));
        EXPECT_TRUE(render_test::contains(screen, L"Legacy "));
        if (hanging_indent) {
            EXPECT_TRUE(render_test::contains(screen, L"&#x2713;"));
        }
    }
}
