// The template source format: what each construct compiles to, the faults
// it reports with their line, and dumps that compile back to the same bytes.
#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "support/temp_folder.h"
#include "tools/brikc/brik_io.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/dump.h"
#include "tools/brikc/source_error.h"

namespace {

namespace fs = std::filesystem;
using brikc::brik_tree;
using brikc::compile_source;

// A folder whose name has a blank and Cyrillic letters, as library folders do.
struct library_folder : fixture::temp_folder {
    library_folder() { fs::create_directory(file("brikc Шаблоны")); }
    fs::path at(const char* name) const { return file(std::string("brikc Шаблоны/") + name); }
};

std::string written_bytes(brik_tree tree, const fs::path& path) {
    EXPECT_TRUE(brikc::write_brik(std::move(tree), path));
    return fixture::read_bytes(path);
}

void expect_fault(const std::string& source, int line, const char* message) {
    SCOPED_TRACE(source);
    try {
        compile_source(source);
        ADD_FAILURE() << "compiled";
    } catch (const brikc::source_error& error) {
        EXPECT_EQ(error.line(), line);
        EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
}

TEST(SourceFormat, FaultsAreReportedWithTheirLine) {
    // clang-format off
    const struct { const char *source; int line; const char* message; } faults[] = {
        {"pages\n  page\n    block\n      colour: red\n", 4, "unknown key 'colour' for a block"},
        {"pages\n  page\n    block\n      size: 1x\n", 4, "bad number '1x'"},
        {"pages\n  page\n    block\n      size: 65536\n", 4, "out of range"},
        {"pages\n  page\n    block\n      first-indent: 1,5\n", 4, "bad number '1,5'"},
        {"pages\n  page\n    paragraph\n", 3, "'paragraph' cannot stand inside 'page' (expected 'block')"},
        {"pages\n  page\n    block\n      text: a\n        b\n", 5, "cannot have nested lines"},
        {"pages\n  page\n   block\n  block\n", 4, "cannot stand inside 'pages'"},
        {"pages\n\tpage\n", 2, "tab in indentation"},
        {"pagez\n", 1, "unknown 'pagez' at the top level"},
        {"pages\npages\n", 2, "a second 'pages'"},
        {"parameters\n  section\n    field A\n      name: B\n", 4, "already set"},
        {"pages\n  page\n    block\n      text: \"open\n", 4, "unterminated quoted value"},
        {"pages\n  page\n    block\n      text: \"\\q\"\n", 4, "unknown escape"},
        {"pages\n  page\n    block\n      numbering: 1. twice\n", 4, "unknown numbering word"},
        {"parameters\n  section\n    field\n      type: texts\n", 4, "unknown value 'texts'"},
        {"setup\ntitle: Lost\n", 2, "'title' needs a page setup"},
        {"\n\n# note\npages\n  page \xC3\x28\n", 5, "invalid UTF-8"},
        {"pages\n  page\n    block\n      text:x\n", 4, "a blank must follow"},
    };
    // clang-format on
    for (const auto& f : faults) expect_fault(f.source, f.line, f.message);
    EXPECT_EQ(brikc::located("Договоры/Акт.tpl", brikc::source_error(7, "bad number 'x'")),
              "Договоры/Акт.tpl:7: bad number 'x'");
}

TEST(SourceFormat, LevelsStartFromBuiltInAndDeclaredDefaults) {
    const brik_tree tree = compile_source(
        "title: Offer\nfooter: Offer letter\n"
        "defaults paragraph\n  align: justify\n  size: 10\n"
        "pages\n  page\n    block\n      numbering: 1.1. restart no-indent\n"
        "      paragraph\n      paragraph\n        size: 9\n        shown: no\n"
        "parameters\n  section Parties\n    field Buyer name\n      type: choice\n"
        "      option cash\n        selected: yes\n");
    // Without a setup section the document gets an A4 page with four styles.
    const auto& setup = tree.page_setup.groups[0];
    EXPECT_EQ(setup.record.v, (std::array<std::uint16_t, 6>{297, 0, 19, 19, 10, 19}));
    ASSERT_EQ(setup.element_count, 4);
    EXPECT_EQ(setup.elements[3].record.s1, L"Offer letter");

    const auto& block = tree.pages.groups[0].elements[0];
    EXPECT_EQ(block.record.a, 2 + 100 + 1000);
    EXPECT_EQ(block.record.s3, L"Arial");
    ASSERT_EQ(block.item_count, 2);
    EXPECT_EQ(block.items[0].v[0], 10);
    EXPECT_EQ(block.items[1].v[0], 9);
    EXPECT_EQ(block.items[1].v[3], 3);
    EXPECT_EQ(block.items[1].b, 0);
    const auto& field = tree.parameters.groups[0].elements[0];
    EXPECT_EQ(field.record.a, 7);
    EXPECT_EQ(field.items[0].b, 1);
}

TEST(SourceFormat, ValuesArePlainQuotedOrBlocks) {
    const brik_tree tree = compile_source(
        "pages\n  page\n    block\n"
        "      text: |\n        first line\n          indented\n\n        after a blank   \n"
        "      s1: >\n        one\n          two\n"
        "      s4: \"  \\\"q\\\"\\t\\u00e9\\uD800\\U0001F600 \"\n"
        "      s5: trailing blanks go   \n"
        "      font:\n");
    const auto& r = tree.pages.groups[0].elements[0].record;
    EXPECT_EQ(r.s2, L"first line\n  indented\n\nafter a blank");
    EXPECT_EQ(r.s1, L"one two");
    EXPECT_EQ(r.s4, std::wstring(L"  \"q\"\t\u00e9") + wchar_t(0xD800) + wchar_t(0x1F600) + L" ");
    EXPECT_EQ(r.s5, L"trailing blanks go");
    EXPECT_EQ(r.s3, L"");
}

// A tree no template would hold: every field set at every level, texts that
// need escapes, reals that only their bits describe, nested children.
brik_tree odd_tree() {
    brik_tree tree;
    int seed = 0;
    auto fill = [&seed](engine::doc_record& r) {
        ++seed;
        r.a = std::uint16_t(1150 + seed);
        r.b = std::uint16_t(seed % 3);
        r.c = 65535;
        r.s1 = L"|";
        r.s2 = L"line one\nline two";
        r.s3 = L"";  // differs from the blocks' Arial
        r.v = {1, 2, 3, 4, 5, std::uint16_t(seed)};
        r.d1 = seed % 2 ? -0.0 : std::numeric_limits<double>::infinity();
        r.d2 = std::bit_cast<double>(std::uint64_t(0x7FF8000000000123));
        r.s4 = std::wstring(L"\r\n\t \"\\ ") + wchar_t(0xDC00) + wchar_t(0x2028);
        r.s5 = L"\"quoted\" start and end ";
    };
    for (engine::doc_node* root : {&tree.page_setup, &tree.pages, &tree.parameters}) {
        fill(root->record);
        root->group_count = 2;
        for (auto& group : root->groups = std::vector<engine::doc_group>(2)) {
            fill(group.record);
            group.element_count = 2;
            for (auto& element : group.elements = std::vector<engine::doc_element>(2)) {
                fill(element.record);
                for (int i = 0; i < 2; ++i) fill(element.items.emplace_back());
                element.item_count = 2;
                fill(element.children->record);
                auto& leaf = element.children->groups.emplace_back().elements.emplace_back();
                leaf.record.s2 = L"deep";
                leaf.children->record.v[5] = 7;
                element.children->groups[0].element_count = 1;
                element.children->group_count = 1;
            }
        }
    }
    return tree;
}

TEST(SourceFormat, ADumpCompilesToTheSameBytes) {
    library_folder folder;
    for (auto make : {odd_tree, +[] { return compile_source(""); }}) {
        const std::string original = written_bytes(make(), folder.at("Странный файл.brik"));
        const auto loaded = brikc::read_brik(folder.at("Странный файл.brik"));
        ASSERT_TRUE(loaded);
        const std::string source = brikc::dump_source(*loaded);
        brik_tree again;
        ASSERT_NO_THROW(again = compile_source(source)) << source;
        EXPECT_EQ(written_bytes(std::move(again), folder.at("again.brik")), original);
        // A second dump is the same text: nothing depends on the first reading.
        EXPECT_EQ(brikc::dump_source(*brikc::read_brik(folder.at("again.brik"))), source);
    }
}

TEST(SourceFormat, NestingIsRefusedWhereTheReaderWouldStopAndOnlyWholeFilesAreRead) {
    // A block with `depth` nested children levels, each holding one element.
    auto nested_source = [](int depth) {
        std::string source = "pages\n  page\n    block\n", indent = "    ";
        for (int i = 0; i < depth; ++i, indent += "      ")
            source += indent + "  children\n" + indent + "    group\n" + indent + "      element\n";
        return source;
    };
    library_folder folder;
    const fs::path deep = folder.at("deep.brik");
    const std::string bytes = written_bytes(compile_source(nested_source(63)), deep);
    EXPECT_TRUE(brikc::read_brik(deep));
    expect_fault(nested_source(64), 3 + 64 * 3, "nested deeper");

    fixture::write_bytes(deep, bytes.substr(0, bytes.size() - 3));
    EXPECT_FALSE(brikc::read_brik(deep));
    EXPECT_FALSE(brikc::read_brik(folder.at("missing.brik")));
}

}  // namespace
