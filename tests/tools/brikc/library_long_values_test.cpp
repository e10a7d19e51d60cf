// A long value in every field of every library template: whatever budget
// it spends, it prints as typed on screen, in print and in the DOC, never the
// template's code around it (a bank's name of 2,480 characters once printed
// the Доверенность's condition in its place).
#include <gtest/gtest.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/visible_text.h"

namespace {

std::wstring repeated(const std::wstring& piece, std::size_t length) {
    std::wstring out;
    while (out.size() < length) out += piece;
    return out;
}

// A word no declension changes, in no template's text.
const std::wstring piece = L"Qwx ";

std::wstring shown(const std::wstring& html) {
    return engine::to_lower(golden::collapse_blanks(golden::visible_text(html)));
}

void expect_no_code(const std::wstring& text) {
    for (const wchar_t* code : {L"{если", L"{if", L"иначе \"", L"else \""})
        EXPECT_EQ(text.find(code), std::wstring::npos) << engine::to_utf8(code);
}

constexpr std::size_t long_values[] = {2'500, 20'000};

TEST(LibraryLongValues, EveryFieldShownWithAShortValueShowsALongOneNeverTheTemplatesCode) {
    // A person's name keeps three words of a long value: its own rule.
    const std::wstring seen = engine::to_lower(repeated(piece, 3 * piece.size()));
    int checked = 0;
    for (const library::language_tree& l : library::languages) {
        for (const std::wstring& name : library::names_in(library::sources / l.name, ".tpl")) {
            if (name == l.start_page) continue;
            engine::document doc(library::wide(library::built_of(l, name)), l.language);
            ASSERT_TRUE(doc.loaded());
            const engine::view_state view{.language = l.language};
            for (engine::doc_group& section : doc.data->parameters.groups) {
                for (engine::doc_element& field : section.elements) {
                    std::wstring& value = field.record.s2;
                    SCOPED_TRACE(engine::to_utf8(name + L": " + field.record.s1));
                    const std::wstring kept = value;
                    value = repeated(piece, 32);
                    if (shown(engine::to_print_html(doc, view)).find(seen) == std::wstring::npos) {
                        value = kept;
                        continue;
                    }
                    ++checked;
                    for (const std::size_t length : long_values) {
                        value = repeated(piece, length);
                        for (auto render :
                             {engine::to_html, engine::to_print_html, engine::to_word_html}) {
                            const std::wstring text = shown(render(doc, view));
                            EXPECT_NE(text.find(seen), std::wstring::npos) << length;
                            expect_no_code(text);
                        }
                    }
                    value = kept;
                }
            }
        }
    }
    EXPECT_GT(checked, 80);
}

TEST(LibraryLongValues, ABankPastEveryBudgetPrintsWhole) {
    const library::language_tree& l = library::languages[1];
    engine::document doc(library::wide(library::built_of(l, L"Формы/Доверенность")), l.language);
    ASSERT_TRUE(doc.loaded());
    const engine::view_state view{.language = l.language};
    for (const std::size_t length : long_values) {
        SCOPED_TRACE(length);
        std::wstring bank = repeated(piece, length);
        bank.pop_back();
        library::type_value(doc, L"Банк", bank);
        const std::wstring printed = L"в банке " + engine::to_lower(bank) + L", распоряжаться";
        for (auto render : {engine::to_html, engine::to_print_html, engine::to_word_html}) {
            const std::wstring text = shown(render(doc, view));
            EXPECT_NE(text.find(printed), std::wstring::npos);
            expect_no_code(text);
        }
    }
}

}  // namespace
