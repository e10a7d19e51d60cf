// The template library as the build leaves it: every source compiles to the
// file in the build tree and survives a dump, every template opens and
// renders, every library link finds its document, each language covers what
// the templates must show, a Russian place gets «г.» only when it is a town,
// and the field format pages show every format.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "engine/declension/organisation_name.h"
#include "engine/declension/person_name.h"
#include "engine/document/doc_model.h"
#include "engine/document/document.h"
#include "engine/fields/date_field.h"
#include "engine/fields/document_number.h"
#include "engine/fields/name_field.h"
#include "engine/fields/noun_before_value.h"
#include "engine/fields/number_field.h"
#include "engine/fields/place_name.h"
#include "engine/render/document_html.h"
#include "engine/render/script.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"
#include "engine/text/word_key.h"
#include "support/temp_folder.h"
#include "tools/brikc/brik_io.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/dump.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/visible_text.h"
#include "ui/editing/field_conditions.h"

namespace {

namespace fs = std::filesystem;
using library::built_of;
using library::language_tree;
using library::languages;
using library::names_in;
using library::source_of;
using library::wide;

const fs::path& library_sources = library::sources;
const fs::path& library_build = library::build;

// Calls `visit` with every record of a tree and the level depth (0 root,
// 1 group, 2 element, 3 item), children included.
template <class Visit>
void each_record(const engine::doc_node& node, Visit&& visit, int depth = 0) {
    visit(node.record, depth);
    for (std::size_t g = 0; g < engine::group_count_of(node); ++g) {
        const auto& group = node.groups[g];
        visit(group.record, 1);
        for (std::size_t e = 0; e < engine::element_count_of(group); ++e) {
            const auto& element = group.elements[e];
            visit(element.record, 2);
            for (std::size_t i = 0; i < engine::item_count_of(element); ++i)
                visit(element.items[i], 3);
            each_record(*element.children, visit, depth + 1);
        }
    }
}

using TemplateLibrary = ::testing::Test;

TEST_F(TemplateLibrary, EverySourceBuildsItsFileSurvivesADumpAndRenders) {
    fixture::temp_folder scratch;
    const fs::path again = scratch.file("again.brik");
    for (const language_tree& l : languages) {
        const auto names = names_in(library_sources / l.name, ".tpl");
        EXPECT_EQ(names, names_in(library_build / l.number, ".brik")) << l.name;
        for (const std::wstring& name : names) {
            SCOPED_TRACE(engine::to_utf8(name));
            const std::string built = fixture::read_bytes(built_of(l, name));
            // The build is deterministic: compiling again gives the same bytes.
            ASSERT_TRUE(brikc::write_brik(
                brikc::compile_source(
                    fixture::read_bytes(source_of(l, name)),
                    brikc::shared_files_beside(source_of(l, name), library_sources)),
                again));
            EXPECT_EQ(fixture::read_bytes(again), built);
            const auto tree = brikc::read_brik(built_of(l, name));
            ASSERT_TRUE(tree);
            ASSERT_TRUE(brikc::write_brik(brikc::compile_source(brikc::dump_source(*tree)), again));
            EXPECT_EQ(fixture::read_bytes(again), built);

            const engine::view_state view{.language = l.language,
                                          .library_shown = name == l.start_page};
            engine::document doc(wide(built_of(l, name)), l.language);
            ASSERT_TRUE(doc.loaded());
            EXPECT_NE(engine::to_html(doc, view).find(L"<html>"), std::wstring::npos);
        }
    }
}

TEST_F(TemplateLibrary, EveryLinkOpensADocumentOfItsOwnTreeAndEveryDocumentIsLinked) {
    for (const language_tree& l : languages) {
        SCOPED_TRACE(l.name);
        // The names the library page posts when its links are clicked.
        engine::document page(wide(built_of(l, l.start_page)), l.language);
        const std::wstring html =
            engine::to_html(page, {.language = l.language, .library_shown = true});
        const std::wstring post = L"postMessage(\"";
        std::vector<std::wstring> links;
        for (auto at = html.find(post); at != std::wstring::npos; at = html.find(post, at + 1)) {
            const auto start = at + post.size();
            std::wstring message = html.substr(start, html.find(L'"', start) - start);
            std::replace(message.begin(), message.end(), L'|', L' ');
            links.push_back(message);
            // Capitals would be copied onto the posted name.
            EXPECT_NE(engine::to_upper(message), message) << engine::to_utf8(message);
        }
        const std::set<std::wstring> linked(links.begin(), links.end());
        EXPECT_EQ(linked.size(), links.size()) << "a document is listed twice";
        std::set<std::wstring> documents = names_in(library_build / l.number, ".brik");
        documents.erase(l.start_page);
        EXPECT_EQ(linked, documents);
        EXPECT_TRUE(documents.contains(l.start_document));
    }
    // The two trees share no path.
    for (const auto& entry : fs::recursive_directory_iterator(library_build / languages[0].number))
        EXPECT_FALSE(fs::exists(library_build / languages[1].number /
                                fs::relative(entry.path(), library_build / languages[0].number)))
            << entry.path();
}

// Braces open and close in pairs: an unclosed one silently swallows the rest
// of the text.
bool balanced(const std::wstring& text) {
    int depth = 0;
    for (wchar_t ch : text) {
        if (ch == L'{') ++depth;
        if (ch == L'}' && --depth < 0) return false;
    }
    return depth == 0;
}

TEST_F(TemplateLibrary, EachLanguageCoversWhatTheTemplatesMustShowInWellFormedTexts) {
    for (const language_tree& l : languages) {
        SCOPED_TRACE(l.name);
        std::set<int> field_types, numbering_kinds;
        int conditions = 0, branches = 0;
        for (const std::wstring& name : names_in(library_build / l.number, ".brik")) {
            SCOPED_TRACE(engine::to_utf8(name));
            const auto tree = brikc::read_brik(built_of(l, name));
            ASSERT_TRUE(tree);
            ASSERT_GE(tree->page_setup.group_count, 1);
            const auto& setup = tree->page_setup.groups[0];
            EXPECT_FALSE(setup.record.s1.empty()) << "title";
            ASSERT_GE(setup.element_count, 4);
            EXPECT_FALSE(setup.elements[3].record.s1.empty()) << "footer";
            auto texts_balanced = [](const engine::doc_record& r) {
                for (const std::wstring* text : {&r.s2, &r.s3, &r.s5})
                    EXPECT_TRUE(balanced(*text)) << engine::to_utf8(*text);
            };
            each_record(tree->parameters, [&](const engine::doc_record& r, int depth) {
                texts_balanced(r);
                if (depth != 2) return;
                field_types.insert(r.a);
                if (!r.s5.empty()) ++conditions;
            });
            each_record(tree->pages, [&](const engine::doc_record& r, int depth) {
                texts_balanced(r);
                if (depth < 2) return;
                numbering_kinds.insert(r.a % 100);
                const std::wstring upper = engine::to_upper(r.s2);
                const bool english = upper.find(L"{IF ") != std::wstring::npos &&
                                     upper.find(L" ELSE ") != std::wstring::npos;
                const bool russian = upper.find(L"{ЕСЛИ ") != std::wstring::npos &&
                                     upper.find(L" ИНАЧЕ ") != std::wstring::npos;
                if (english || russian) ++branches;
            });
            // What the data panel would store after the user's own choice.
            for (const auto& section : tree->parameters.groups)
                for (const auto& field : section.elements) {
                    if (field.record.a != 6 && field.record.a != 7) continue;
                    std::wstring value;
                    for (const auto& option : field.items)
                        if (option.b == 1) value += (value.empty() ? L"" : L" ") + option.s2;
                    EXPECT_EQ(value, field.record.s2) << engine::to_utf8(field.record.s1);
                }
        }
        EXPECT_EQ(field_types, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 10}));
        EXPECT_GE(conditions, 2);
        EXPECT_GE(branches, 3);
        EXPECT_GE(numbering_kinds.size(), 5u);

        // The heading and link rows take their styles from the library page's
        // first two blocks and the first block's first two paragraphs.
        const auto page = brikc::read_brik(built_of(l, l.start_page));
        ASSERT_TRUE(page);
        ASSERT_GE(page->pages.group_count, 1);
        const auto& first_page = page->pages.groups[0];
        EXPECT_EQ(first_page.record.a, 1);
        ASSERT_GE(first_page.element_count, 2);
        EXPECT_GE(first_page.elements[0].item_count, 2);
        EXPECT_EQ(page->parameters.group_count, first_page.element_count - 1)
            << "one section per category";
    }
}

// Each Russian template that writes «г.» before a place typed without its
// kind: a village or settlement typed with its word or abbreviation gets none,
// a town gets it, also one whose name begins like such a word or whose short
// name has a hyphen after its initial. The six templates keep one list.
TEST_F(TemplateLibrary, ARussianPlaceGetsItsTownWordOnlyWhenItIsATown) {
    // clang-format off
    const std::pair<std::wstring, std::wstring> places[] = {
        {L"д. Ивановка", L"д. Ивановка"}, {L"п. Кузьмоловский", L"п. Кузьмоловский"},
        {L"ст. Каневская", L"ст. Каневская"}, {L"рп Лесной", L"рп Лесной"},
        {L"мкр. Северный", L"мкр. Северный"}, {L"гор. Москва", L"гор. Москва"},
        {L"х. Весёлый", L"х. Весёлый"}, {L"аул Хабез", L"аул Хабез"}, {L"ЗАТО Северск", L"ЗАТО Северск"},
        {L"С.-Петербург", L"г.\u00A0С.-Петербург"}, {L"С-Петербург", L"г.\u00A0С-Петербург"},
        {L"П.-Камчатский", L"г.\u00A0П.-Камчатский"},
        // Neighbours that keep what they print.
        {L"г. Москва", L"г. Москва"}, {L"г Москва", L"г Москва"}, {L"город Казань", L"город Казань"},
        {L"пос. Кузьмоловский", L"пос. Кузьмоловский"}, {L"Дмитров", L"г.\u00A0Дмитров"}, {L"Сочи", L"г.\u00A0Сочи"},
        {L"Старый Оскол", L"г.\u00A0Старый Оскол"}, {L"Ст. Оскол", L"г.\u00A0Ст. Оскол"},
        {L"Н. Новгород", L"г.\u00A0Н. Новгород"}, {L"Хабаровск", L"г.\u00A0Хабаровск"}, {L"Клин", L"г.\u00A0Клин"},
    };
    // clang-format on
    // The template's «г.» is bound to the place by a no-break space.
    const language_tree& l = languages[1];
    int templates = 0;
    for (const std::wstring& name : names_in(library_sources / l.name, ".tpl")) {
        if (name == l.showcase) continue;
        engine::document doc(wide(built_of(l, name)), l.language);
        ASSERT_TRUE(doc.loaded());
        const engine::view_state view{.language = l.language};
        bool has_place = false;
        for (const auto& [typed, printed] : places) {
            bool found = false;
            each_record(doc.data->parameters, [&](const engine::doc_record& r, int depth) {
                found = found || (depth == 2 && engine::make_word_key(r.s1) == L"город");
            });
            if (!found) break;
            has_place = true;
            library::type_value(doc, L"Город", typed);
            ui::reevaluate_field_conditions(doc, view, -1);
            const std::wstring text =
                L"\n" +
                golden::collapse_blanks(golden::visible_text(engine::to_print_html(doc, view)));
            const std::size_t at = text.find(L"\n" + printed);
            const std::size_t after = at + 1 + printed.size();
            EXPECT_TRUE(at != std::wstring::npos && !engine::is_alpha_char(text[after]))
                << engine::to_utf8(name) << ": " << engine::to_utf8(typed);
        }
        templates += has_place;
    }
    EXPECT_EQ(templates, 6);
}

// The format words a text hands to its fields, as word keys; conditions and
// their branches included.
void collect_format_words(const std::wstring& text, std::set<std::wstring>& words) {
    engine::render_context no_document(nullptr, engine::view_state{});
    engine::script script(text, no_document);
    for (const engine::script_statement& statement : script.parse())
        for (const engine::expr_token& token : statement.tokens)
            if (token.kind == engine::expr_kind::format_words)
                words.insert(engine::make_word_key(token.text));
}

TEST_F(TemplateLibrary, TheFieldFormatPagesUseEveryFormatKeywordTheEngineKnows) {
    std::set<std::wstring> used;
    for (const language_tree& l : languages) {
        const auto tree = brikc::read_brik(built_of(l, l.showcase));
        ASSERT_TRUE(tree) << l.name;
        // Field values may hold formulas too.
        for (const engine::doc_node* root : {&tree->pages, &tree->parameters})
            each_record(
                *root, [&](const engine::doc_record& r, int) { collect_format_words(r.s2, used); });
    }
    std::vector<std::wstring_view> keywords = engine::date_field_keywords();
    for (auto table : {engine::number_field_keywords(), engine::person_name_keywords(),
                       engine::organisation_name_keywords(), engine::document_number_keywords(),
                       engine::place_name_keywords(), engine::noun_format_keywords()})
        keywords.insert(keywords.end(), table.begin(), table.end());
    for (std::wstring_view keyword : keywords)
        EXPECT_TRUE(used.contains(std::wstring(keyword)))
            << engine::to_utf8(keyword) << " is shown nowhere";
}

}  // namespace
