// Renders the built template library with every set of typed values of a
// table and prints, for each set, the lines of the print's visible text (as
// the golden test keeps it) that differ from the template's print with its own
// values. Run it before and after a change and compare the two outputs: every
// line that moved is a sentence a clerk would see differently.
//
//   typed_corpus LIBRARY VALUES > out.txt
//
// LIBRARY is the built library (build/…/share/tembrick/briks), VALUES the
// table read by read_typed_sets. Each set prints a heading
// "== <set> <language> <template>", then its differing lines ("<n> - " the
// own print's line n, "<n> + " the typed print's), "! " for what a finished
// document must never show and "? " for a value that found no field. A
// summary goes to the standard error. Today's date is pinned, so two runs of
// one build print the same.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "tests/support/pinned_clock.h"
#include "tools/golden_text/line_diff.h"
#include "tools/golden_text/visible_text.h"
#include "tools/typed_corpus/typed_sets.h"
#include "ui/editing/field_conditions.h"

namespace {

namespace fs = std::filesystem;

// 2026-03-16 12:00 UTC, the golden test's day.
const fixture::pinned_clock march_16{1773662400};

struct library_language {
    const char* name;    // as the table writes it
    const char* folder;  // in the built library
    int language;
};

constexpr library_language languages[] = {{"en", "01", 0}, {"ru", "00", 1}};

const library_language* language_named(const std::string& name) {
    for (const library_language& l : languages)
        if (name == l.name) return &l;
    return nullptr;
}

struct printed {
    std::string text;
    std::vector<std::wstring> faults;
};

printed print_of(engine::document& doc, const engine::view_state& view,
                 const std::vector<std::wstring>& typed_braces) {
    ui::reevaluate_field_conditions(doc, view, -1);
    const std::wstring html = engine::to_print_html(doc, view);
    const std::wstring text = golden::visible_text(html);
    return {engine::to_utf8(golden::collapse_blanks(text)),
            golden::rendering_faults(html, text, typed_braces)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: typed_corpus LIBRARY VALUES\n";
        return 2;
    }
    const fs::path library = argv[1];
    std::ifstream table(argv[2], std::ios::binary);
    if (!table) {
        std::cerr << "typed_corpus: cannot read " << argv[2] << "\n";
        return 2;
    }
    std::vector<std::string> problems;
    const std::vector<corpus::typed_set> sets = corpus::read_typed_sets(table, problems);
    for (const std::string& problem : problems) std::cerr << argv[2] << ": " << problem << "\n";

    std::map<std::string, std::string> own_prints;  // "language/template" → text
    std::size_t changed_sets = 0, changed_lines = 0;
    for (const corpus::typed_set& set : sets) {
        std::cout << "== " << set.id << ' ' << set.language << ' ' << set.template_name << '\n';
        const library_language* l = language_named(set.language);
        const fs::path file =
            l ? library / l->folder / fs::path(set.template_name + ".brik") : fs::path();
        const std::wstring path = engine::from_utf8(file.string());
        if (!l || !fs::exists(file)) {
            std::cout << "? no template " << file.string() << '\n';
            continue;
        }
        const engine::view_state view{.language = l->language};
        std::string& own = own_prints[set.language + '/' + set.template_name];
        if (own.empty()) {
            engine::document doc(path, l->language, march_16);
            own = print_of(doc, view, {}).text;
        }
        engine::document typed(path, l->language, march_16);
        for (const auto& [field, value] : set.values) {
            const std::wstring problem = golden::type_value(typed, field, value);
            if (!problem.empty()) std::cout << "? " << engine::to_utf8(problem) << '\n';
        }
        const printed print = print_of(typed, view, golden::typed_braces(set.values));
        const std::string diff = golden::line_diff(own, print.text);
        std::cout << diff;
        for (const std::wstring& fault : print.faults)
            std::cout << "! " << engine::to_utf8(fault) << '\n';
        if (!diff.empty()) ++changed_sets;
        for (const char c : diff) changed_lines += c == '\n';
    }
    std::cerr << sets.size() << " sets, " << changed_sets << " differ from their template's own "
              << "print, in " << changed_lines << " lines\n";
    return 0;
}
