// Runs the template-language examples: every "*.txt" file of a folder holds
// blocks of template source, fields and the expected HTML (the format is
// described at the top of text.txt). Prints "file: example N (lines a-b)"
// with a line diff for each example whose output differs; exits 1 if any does.
//
//   template_examples FOLDER [--actual]
//
// --actual also prints the output of each failing example as it would be
// written in the file, to be read (never pasted unread) when an example is
// written or an output changes on purpose.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/document/document.h"
#include "engine/document/document_data.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "engine/render/script.h"
#include "engine/text/utf16.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/source_error.h"

namespace fs = std::filesystem;

namespace {

// 10 April 2026, 09:30 UTC: "today" in every example.
constexpr std::int64_t pinned_clock = 1775813400;

struct example {
    int number = 0;
    int first_line = 0, last_line = 0;
    bool russian = false;
    bool page = false;     // the source is a page outline; the output its page bodies
    bool print = false;    // page bodies as printed rather than on screen
    bool library = false;  // rendered as the library page
    std::vector<std::string> source, fields, expected;
};

const std::string fence = "~~~";

bool starts_with(const std::string& line, const std::string& prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

std::vector<example> read_examples(const fs::path& file) {
    std::ifstream in(file);
    std::vector<example> examples;
    std::string line;
    int line_number = 0;
    enum class part { outside, source, fields, expected } at = part::outside;
    while (std::getline(in, line)) {
        ++line_number;
        if (at == part::outside) {
            if (!starts_with(line, fence + " example")) continue;
            example e;
            e.number = int(examples.size()) + 1;
            e.first_line = line_number;
            std::istringstream options(line.substr(fence.size() + 8));
            for (std::string option; options >> option;) {
                e.russian |= option == "ru";
                e.page |= option == "page" || option == "print";
                e.print |= option == "print";
                e.library |= option == "library";
            }
            examples.push_back(std::move(e));
            at = part::source;
        } else if (line == fence) {
            examples.back().last_line = line_number;
            at = part::outside;
        } else if (line == ".") {
            at = part::expected;
        } else if (at == part::source && line == fence + " fields") {
            at = part::fields;
        } else {
            example& e = examples.back();
            (at == part::source   ? e.source
             : at == part::fields ? e.fields
                                  : e.expected)
                .push_back(line);
        }
    }
    return examples;
}

std::string joined(const std::vector<std::string>& lines, const char* separator = "\n") {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? separator : "") + lines[i];
    return out;
}

// The example's fields as a parameters outline; its page source before them.
std::string outline_of(const example& e) {
    std::string outline = e.page ? joined(e.source) + "\n" : std::string();
    if (!e.fields.empty()) {
        outline += "parameters\n  section Fields\n";
        for (const std::string& line : e.fields) outline += "    " + line + "\n";
    }
    return outline;
}

// Units are put on lines of their own so that a diff points at one of them.
std::vector<std::string> page_lines(const std::string& html) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = html.find("</div>", start)) != std::string::npos; start = end + 6)
        lines.push_back(html.substr(start, end + 6 - start));
    if (start < html.size()) lines.push_back(html.substr(start));
    return lines;
}

std::vector<std::string> text_lines(const std::string& html) {
    std::vector<std::string> lines;
    std::istringstream in(html);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (!html.empty() && html.back() == '\n') lines.push_back("");
    return lines;
}

std::vector<std::string> render(const example& e) {
    const engine::memory_environment pinned(pinned_clock);
    const engine::view_state view{.language = e.russian ? 1 : 0, .library_shown = e.library};
    engine::document doc(L"", view.language, pinned);
    const std::string outline = outline_of(e);
    if (!outline.empty()) {
        brikc::brik_tree tree = brikc::compile_source(outline);
        doc.data->page_setup = std::move(tree.page_setup);
        doc.data->pages = std::move(tree.pages);
        doc.data->parameters = std::move(tree.parameters);
    }
    std::vector<std::string> lines;
    if (e.page) {
        engine::render_context context(
            &doc, view, e.print ? engine::render_target::print : engine::render_target::screen);
        const std::wstring html = engine::render_html(context);
        // The page bodies: between the first page's top (or the print table's
        // cell) and the frame's closing.
        const std::wstring top =
            e.print ? L"<td style=\"vertical-align:top;\">" : engine::render_page_top(context);
        const std::wstring end = e.print ? L"</td></tr></table></body></html>"
                                         : L"</td><td style=\"\"></td></tr><tr style=\"height:";
        const std::size_t from = html.find(top) + top.size();
        const std::size_t to = html.rfind(end);
        lines = page_lines(engine::to_utf8(html.substr(from, to - from)));
    } else {
        engine::render_context context(&doc, view);
        lines = text_lines(
            engine::to_utf8(engine::script(engine::from_utf8(joined(e.source)), context).run()));
    }
    return lines;
}

// A longest-common-subsequence diff; examples are a few lines long.
void print_diff(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    const std::size_t n = expected.size(), m = actual.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            std::cout << "    " << expected[i++] << "\n";
            ++j;
        } else if (j < m && (i == n || common[i][j + 1] > common[i + 1][j])) {
            std::cout << "  + " << actual[j++] << "\n";
        } else {
            std::cout << "  - " << expected[i++] << "\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: template_examples FOLDER [--actual]\n";
        return 2;
    }
    const bool show_actual = argc > 2 && std::string(argv[2]) == "--actual";

    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(argv[1]))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    int total = 0, failed = 0;
    for (const fs::path& file : files) {
        for (const example& e : read_examples(file)) {
            ++total;
            std::vector<std::string> actual;
            try {
                actual = render(e);
            } catch (const brikc::source_error& error) {
                actual = {std::string("source error: ") + error.what()};
            }
            if (actual == e.expected) continue;
            ++failed;
            std::cout << file.filename().string() << ": example " << e.number << " (lines "
                      << e.first_line << "-" << e.last_line << ")\n";
            print_diff(e.expected, actual);
            if (show_actual) std::cout << "  actual:\n" << joined(actual) << "\n";
        }
    }
    std::cout << total - failed << " of " << total << " examples pass\n";
    return failed == 0 && total > 0 ? 0 : 1;
}
