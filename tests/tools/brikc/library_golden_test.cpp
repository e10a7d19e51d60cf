// Every library template read as a finished document: the visible text of its
// print with its own values, and with each further set typed into its
// fields, is compared with the golden file
// tests/resources/library/<language>/<name>.txt. The typed sets are
// <name>.values and <name>.values3 beside it, and <name>.values4 to
// <name>.values16 where they exist ("field name: value" lines), each typed over
// the template's own values. Any change shows as a diff.
// PAPERWRIGHT_WRITE_GOLDEN=1 writes the golden files instead, to be read line
// by line before they are committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "engine/text/word_key.h"
#include "support/pinned_clock.h"
#include "support/temp_folder.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/line_diff.h"
#include "tools/golden_text/typed_values.h"
#include "tools/golden_text/visible_text.h"
#include "ui/editing/field_conditions.h"

namespace {

namespace fs = std::filesystem;

// 2026-03-16 12:00 UTC: today's date must never reach a golden file.
const fixture::pinned_clock march_16{1773662400};

fs::path golden_folder(const library::language_tree& l) {
    const char* data = std::getenv("PAPERWRIGHT_TEST_DATA");
    return fs::path(data ? data : ".") / "resources" / "library" / l.name;
}

bool writing_golden_files() {
    const char* write = std::getenv("PAPERWRIGHT_WRITE_GOLDEN");
    return write && std::string(write) == "1";
}

// The typed values, field name to value, in the file's order of lines.
std::vector<std::pair<std::wstring, std::wstring>> read_values(const fs::path& file) {
    std::vector<std::pair<std::wstring, std::wstring>> values;
    std::istringstream lines(fixture::read_bytes(file));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            ADD_FAILURE() << file << ": no colon in \"" << line << "\"";
            continue;
        }
        std::size_t start = colon + 1;
        while (start < line.size() && line[start] == ' ') ++start;
        values.emplace_back(engine::from_utf8(line.substr(0, colon)),
                            engine::from_utf8(line.substr(start)));
    }
    return values;
}

std::vector<std::uint16_t> hidden_flags(const engine::document& doc) {
    std::vector<std::uint16_t> flags;
    for (const engine::doc_group& section : doc.data->parameters.groups)
        for (const engine::doc_element& field : section.elements) flags.push_back(field.record.c);
    return flags;
}

// The visible text of the print, after the faults a reader must never see.
std::wstring read_as_printed(engine::document& doc, const engine::view_state& view,
                             const std::vector<std::wstring>& typed_braces = {}) {
    const std::wstring html = engine::to_print_html(doc, view);
    const std::wstring text = golden::visible_text(html);
    for (const std::wstring& fault : golden::rendering_faults(html, text, typed_braces))
        ADD_FAILURE() << engine::to_utf8(fault);
    return golden::collapse_blanks(text);
}

// The typed sets: the file beside the golden text, its heading there, and
// whether every template has one. The sets from 4 on are read where they
// exist, in this order: the everyday set only where its values reach, the set
// of dates that are no dates only into templates with a date field, the empty
// form for every template (a test below holds each to it), 7 to 9 for
// whatever a template needs besides, 10 for amounts as a clerk types them
// (a unit after the number, a range, a typed per cent sign), 11 for parties
// as a clerk types them (a company's INN after a comma, оглы and кызы, a sole
// trader with a foreign name, ТСЖ or АНО), 12 for amounts and terms with
// their words («150 000 ₽», «3 месяца», "6 months", "USD 45"), 13 for places,
// numbers, wording and dates as a clerk types them («г. Москва», «д. Петровка»,
// «№ 12/26», a text ending with a stop, a public body or a legal form in small
// letters as a party, a flat as the thing sold, a brace nothing closes, a date
// typed year first), 14 for terms and amounts in another unit or currency, or
// in words («2 недели» where the document counts days, «2 000 долларов» where
// it prints roubles, «три месяца», «15-го» as a day of the month), 15 for
// what says there is none («нет» in a summed field, "N/A"), units written
// short, each unit field with a value only its own unit reads («28 к.д.» in
// calendar days), and kopecks after a hyphen («86 500-00»), 16 for places,
// numbers and nouns as a clerk types them («СНТ «Ромашка»», «Московская
// обл., г. Балашиха», «Починок», «б/н», «N 5», a bank or a basis typed with
// the word the template writes before it), 18 for state bodies and names as
// clerks type them (ФГБОУ ВО, МБДОУ, МИФНС, УФК, «Минфин России», «Почта
// России», фон, ван дер and де before a surname, «Анна-Мария», «Джонсон
// Мэри», «нет», «-» or «н/а» for a person who is not there), 19 for places,
// numbers and nouns just outside those lists («МО, г. Балашиха», «Крым»,
// «рабочий посёлок Столбовая», «б.н.», «нет» or "N/A" as a number, "#1001",
// a passport, a basis or an account typed with more of its words).
const struct {
    std::wstring extension;
    std::string heading;
    bool required;
} typed_sets[] = {
    {L".values", "== typed values ==\n", true},
    {L".values3", "== third values ==\n", true},
    {L".values4", "== everyday values ==\n", false},
    {L".values5", "== dates that are no dates ==\n", false},
    {L".values6", "== every field empty ==\n", false},
    {L".values7", "== seventh values ==\n", false},
    {L".values8", "== eighth values ==\n", false},
    {L".values9", "== ninth values ==\n", false},
    {L".values10", "== as a clerk types ==\n", false},
    {L".values11", "== parties as a clerk types them ==\n", false},
    {L".values12", "== amounts and terms with their words ==\n", false},
    {L".values13", "== places, wording and dates as a clerk types them ==\n", false},
    {L".values14", "== terms and amounts in another unit or currency, or in words ==\n", false},
    {L".values15", "== none, short units and kopecks as clerks type them ==\n", false},
    {L".values16", "== places, numbers and banks as a clerk types them ==\n", false},
    {L".values18", "== state bodies and names as clerks type them ==\n", false},
    {L".values19", "== places, numbers and nouns just outside the lists ==\n", false},
};

using LibraryGolden = ::testing::Test;

TEST_F(LibraryGolden, EveryTemplateReadsAsItsGoldenTextWithItsOwnAndWithTypedValues) {
    for (const library::language_tree& l : library::languages) {
        for (const std::wstring& name : library::names_in(library::sources / l.name, ".tpl")) {
            SCOPED_TRACE(l.name + "/" + engine::to_utf8(name));
            const engine::view_state view{.language = l.language,
                                          .library_shown = name == l.start_page};
            engine::document doc(library::wide(library::built_of(l, name)), l.language, march_16);
            ASSERT_TRUE(doc.loaded());

            // The stored hidden flags are the ones the conditions give.
            const std::vector<std::uint16_t> stored = hidden_flags(doc);
            ui::reevaluate_field_conditions(doc, view, -1);
            EXPECT_EQ(hidden_flags(doc), stored);
            std::string golden = "== own values ==\n" + engine::to_utf8(read_as_printed(doc, view));

            const fs::path golden_file =
                golden_folder(l) / fs::path(engine::to_utf8(name + L".txt"));
            if (!view.library_shown) {
                for (const auto& [extension, heading, required] : typed_sets) {
                    const fs::path values_file =
                        golden_folder(l) / fs::path(engine::to_utf8(name + extension));
                    if (!required && !fs::exists(values_file)) continue;
                    ASSERT_TRUE(fs::exists(values_file)) << values_file;
                    engine::document typed(library::wide(library::built_of(l, name)), l.language,
                                           march_16);
                    ASSERT_TRUE(typed.loaded());
                    const auto values = read_values(values_file);
                    for (const auto& [field, value] : values)
                        library::type_value(typed, field, value);
                    ui::reevaluate_field_conditions(typed, view, -1);
                    golden += heading + engine::to_utf8(read_as_printed(
                                            typed, view, golden::typed_braces(values)));
                }
            }

            if (writing_golden_files()) {
                fs::create_directories(golden_file.parent_path());
                fixture::write_bytes(golden_file, golden);
                continue;
            }
            ASSERT_TRUE(fs::exists(golden_file)) << golden_file;
            const std::string kept = fixture::read_bytes(golden_file);
            if (kept != golden)
                ADD_FAILURE() << golden_file.string() << " differs (- kept, + rendered now):\n"
                              << golden::line_diff(kept, golden);
        }
    }
}

// A form printed before anything is typed: every template but the formats
// page has an empty set that empties each field a user types in (text,
// number, date and the like; choices, ticks and pictures keep theirs), so a
// field added later is printed empty too.
TEST_F(LibraryGolden, EveryTemplateHasAnEmptyFormSetNamingEachTypedField) {
    constexpr std::uint16_t last_typed_kind = 5;  // memo, date, text, number, plain, pick
    for (const library::language_tree& l : library::languages) {
        for (const std::wstring& name : library::names_in(library::sources / l.name, ".tpl")) {
            if (name == l.start_page || name == l.showcase) continue;
            SCOPED_TRACE(l.name + "/" + engine::to_utf8(name));
            const fs::path values_file =
                golden_folder(l) / fs::path(engine::to_utf8(name + L".values6"));
            ASSERT_TRUE(fs::exists(values_file)) << values_file;
            std::set<std::wstring> emptied;
            for (const auto& [field, value] : read_values(values_file)) {
                EXPECT_EQ(value, L"") << engine::to_utf8(field);
                emptied.insert(engine::make_word_key(field));
            }
            engine::document doc(library::wide(library::built_of(l, name)), l.language, march_16);
            ASSERT_TRUE(doc.loaded());
            std::set<std::wstring> typed;
            for (const engine::doc_group& section : doc.data->parameters.groups)
                for (const engine::doc_element& field : section.elements)
                    if (field.record.a <= last_typed_kind)
                        typed.insert(engine::make_word_key(field.record.s1));
            EXPECT_EQ(emptied, typed);
        }
    }
}

}  // namespace
