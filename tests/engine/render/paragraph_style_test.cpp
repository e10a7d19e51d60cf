#include "engine/render/paragraph_style.h"

#include <gtest/gtest.h>

#include "engine/fields/block_fields.h"
#include "engine/render/numbering.h"
#include "engine/render/template_table.h"
#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

class ParagraphStyle : public RenderTest {
protected:
    void SetUp() override {
        block = &add_block(add_page(*doc), L"text");
        run = &add_run(*block, L"run");
    }
    std::unique_ptr<document> doc = empty_document();
    render_context context{doc.get(), view_state{}};
    doc_element* block = nullptr;
    doc_record* run = nullptr;
};

}  // namespace

TEST_F(ParagraphStyle, BlockAndRunExample) {
    block->record.v[4] = 3;
    block->record.c = 5;
    block->record.d2 = 12.5;
    block->record.v[3] = 3;
    EXPECT_EQ(
        paragraph_style(context, 0, 0, -1),
        L"style=\"font-family:Arial;line-height:0.196850in;cursor:default;margin-top:3.000000mm;"
        L"text-indent:12.500000mm;text-align:justify;\"><font face=\"Arial\"><font "
        L"style=\"font-size: 11.0pt;\">");
    run->d2 = 7;
    run->c = 2;  // the line-height threshold of runs is lower than that of blocks
    EXPECT_EQ(
        paragraph_style(context, 0, 0, 0),
        L"style=\"font-family:Arial;line-height:0.078740in;cursor:default;margin-top:0.000000mm;"
        L"text-indent:7.000000mm; text-align:left;\"><font face=\"Arial\"><font "
        L"style=\"font-size: 11.0pt;\">");
    EXPECT_EQ(context.style.first_indent_text, L"7.000000");
    block->record.c = 2;
    EXPECT_FALSE(contains(paragraph_style(context, 0, 0, -1), L"line-height"));
    run->c = 0;
    paragraph_style(context, 0, 0, 0);
    EXPECT_EQ(context.style.line_height_text, L"0.000000");
}

TEST_F(ParagraphStyle, IndentNeedsBodyAlignmentAndNoThousandFlag) {
    // clang-format off
    const struct { std::uint16_t align, kind; double indent; bool written; } rows[] = {
        {0, 0, 10, true},   {3, 0, 10, true},     {1, 0, 10, false},
        {2, 0, 10, false},  {0, 1000, 10, false}, {0, 1005, 10, false},
        {0, 999, 10, true}, {0, 0, 0, false},     {0, 0, -4, false},
    };
    // clang-format on
    for (const auto& r : rows) {
        block->record.v[3] = r.align;
        block->record.a = r.kind;
        block->record.d2 = r.indent;
        EXPECT_EQ(contains(paragraph_style(context, 0, 0, -1), L"text-indent"), r.written)
            << r.align << " " << r.kind << " " << r.indent;
    }
}

TEST_F(ParagraphStyle, BoldOpensBeforeItalicAndClosesAfterIt) {
    run->v[1] = 1;
    run->v[2] = 1;
    EXPECT_TRUE(font_open_tags(context, 0, 0, 0).ends_with(L"pt;\"><b><i>"));
    EXPECT_EQ(font_close_tags(doc->data.get(), 0, 0, 0), L"</i></b></font></font>");
    EXPECT_EQ(context.style.font_weight_text, L"700");
    font_open_tags(context, 0, 0, -1);
    EXPECT_EQ(context.style.font_weight_text, L"400");
    EXPECT_EQ(font_close_tags(doc->data.get(), 0, 0, -1), L"</font></font>");
}

TEST_F(ParagraphStyle, FaceCannotBreakOutOfAnyStyle) {
    const std::wstring raw = L"Evil\"><script>x{y};'&\x01Sans";
    block->record.s3 = raw;
    run->s3 = raw;
    std::wstring style = paragraph_style(context, 0, 0, -1);
    EXPECT_TRUE(style.starts_with(L"style=\"font-family:EvilscriptxySans;"));
    EXPECT_TRUE(contains(style, L"<font face=\"EvilscriptxySans\">"));
    EXPECT_EQ(block->record.s3, raw);  // the stored face is kept
    // Template tables, list cells and the library's heading and link rows write it cleaned too.
    context.style.font_face = raw;
    for (const std::wstring& html :
         {table_marker_html(context, 8, L"{TABLE:}"), list_item_html(context, 0, L"1.", 0, 0),
          form_item_html(context, 0, L"1.", 0, 0), heading_block_html(doc->data.get(), L"T"),
          file_link_html(doc->data.get(), L"T", render_target::screen)}) {
        EXPECT_TRUE(contains(html, L"EvilscriptxySans")) << html;
        EXPECT_FALSE(contains(html, L"Evil\"") || contains(html, L"<script")) << html;
    }
}

TEST_F(ParagraphStyle, LegacyPagesAndMissingRecords) {
    doc_record& page = doc->data->pages.groups[0].record;
    page.s3 = L"Times";
    page.v[0] = 12;
    page.v[3] = 1;
    EXPECT_TRUE(legacy_paragraph_style(context, 0).starts_with(L"style=\"font-family:Times;"));
    EXPECT_TRUE(legacy_paragraph_style(context, 0)
                    .ends_with(L"text-align:center;\"><font face=\"Times\">"
                               L"<font style=\"font-size: 12.0pt;\">"));
    EXPECT_EQ(paragraph_style(context, 5, 9, 3),
              L"style=\"font-family:;cursor:default;margin-top:0.000000mm;text-align:left;\">"
              L"<font face=\"\"><font style=\"font-size: 0.0pt;\">");
    EXPECT_EQ(font_close_tags(doc->data.get(), 0, 7, -1), L"</font></font>");
    EXPECT_EQ(find_style_record(*doc->data, 0, 0, 1), nullptr);
    EXPECT_EQ(find_style_record(*doc->data, 0, 0, -2), &page);
}
