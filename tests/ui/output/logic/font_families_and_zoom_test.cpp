#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/output/document_zoom.h"
#include "ui/output/font_families.h"

namespace {

using Names = std::vector<std::wstring>;

TEST(FontFamilies, ListedOnceWithoutFoundriesInUtf16Order) {
    const Names system = {L"Liberation Serif",        L"DejaVu Sans [Foundry B]", L"Noto Sans",
                          L"DejaVu Sans [Foundry A]", L"\U0001F600 Emoji",        L"\uFF21 Wide",
                          L"Liberation Serif",        L"Arial [Monotype]x",       L"Agave"};
    // A character beyond the BMP sorts by its surrogates, below U+FF21.
    EXPECT_EQ(ui::font_family_list(system),
              (Names{L"Agave", L"Arial [Monotype]x", L"DejaVu Sans", L"Liberation Serif",
                     L"Noto Sans", L"\U0001F600 Emoji", L"\uFF21 Wide"}));
}

TEST(FontFamilies, EachLanguageShowsItsOwnSelection) {
    const Names list = {
        L"@MS Gothic", L"Agency", L"Noto MDL2 Assets", L"Segoe Fluent Icons", L"Segoe UI", L"Zapf",
        L"arial",      L"Ёлка",   L"1942 report"};
    EXPECT_EQ(ui::shown_font_families(list, 0),
              (Names{L"Agency", L"Segoe UI", L"Zapf", L"arial", L"Ёлка", L"1942 report"}));
    EXPECT_EQ(ui::shown_font_families(list, 1),
              (Names{L"Agency", L"Noto MDL2 Assets", L"Segoe Fluent Icons", L"Segoe UI", L"Zapf"}));
}

TEST(DocumentZoom, CaptionAndScriptShowTheZoomTheViewApplies) {
    EXPECT_EQ(ui::zoom_script(150.9), L"document.body.style['zoom']='150%';");
    EXPECT_EQ(ui::zoom_text(std::numeric_limits<double>::quiet_NaN()), L"100%");
    EXPECT_EQ(ui::zoom_script(-std::numeric_limits<double>::infinity()),
              L"document.body.style['zoom']='100%';");
}

}  // namespace
