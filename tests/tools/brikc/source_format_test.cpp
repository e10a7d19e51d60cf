// The template source format: what each construct compiles to, the faults
// it reports with their line, and dumps that compile back to the same bytes.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "tools/brikc/brik_io.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/dump.h"
#include "tools/brikc/source_error.h"

namespace {

namespace fs = std::filesystem;
using brikc::brik_tree;
using brikc::compile_source;

std::string file_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder whose name has a blank and Cyrillic letters, as library folders do.
class temp_folder {
public:
    temp_folder() {
        path_ = fs::temp_directory_path() /
                ("brikc Шаблоны " + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(path_);
    }
    ~temp_folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string written_bytes(brik_tree tree, const fs::path& path) {
    EXPECT_TRUE(brikc::write_brik(std::move(tree), path));
    return file_bytes(path);
}

struct fault {
    const char* source;
    int line;
    const char* message;
};

TEST(SourceFormat, FaultsAreReportedWithTheirLine) {
    const fault faults[] = {
        {"pages\n  page\n    block\n      colour: red\n", 4, "unknown key 'colour' for a block"},
        {"pages\n  page\n    block\n      size: 1x\n", 4, "bad number '1x'"},
        {"pages\n  page\n    block\n      size: 65536\n", 4, "out of range"},
        {"pages\n  page\n    block\n      first-indent: 1,5\n", 4, "bad number '1,5'"},
        {"pages\n  page\n    paragraph\n", 3, "'paragraph' cannot stand inside 'page' (expected 'block')"},
        {"parameters\n  section A\n    option x\n", 3, "cannot stand inside 'section'"},
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
    for (const fault& f : faults) {
        SCOPED_TRACE(f.source);
        try {
            compile_source(f.source);
            ADD_FAILURE() << "compiled";
        } catch (const brikc::source_error& error) {
            EXPECT_EQ(error.line(), f.line);
            EXPECT_NE(std::string(error.what()).find(f.message), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(brikc::located("Договоры/Акт.tpl", brikc::source_error(7, "bad number 'x'")),
              "Договоры/Акт.tpl:7: bad number 'x'");
}

TEST(SourceFormat, ASourceWithoutSetupGetsAnA4PageWithFourStyles) {
    const brik_tree tree = compile_source(
        "title: Offer\nfooter: Offer letter\npage-numbers: no\nbold-numbering: yes\n");
    EXPECT_EQ(tree.page_setup.record.c, 1);
    ASSERT_EQ(tree.page_setup.group_count, 1);
    const auto& setup = tree.page_setup.groups[0];
    EXPECT_EQ(setup.record.s1, L"Offer");
    EXPECT_EQ(setup.record.d1, 210.0);
    EXPECT_EQ(setup.record.v, (std::array<std::uint16_t, 6>{297, 0, 19, 19, 10, 19}));
    ASSERT_EQ(setup.element_count, 4);
    EXPECT_EQ(setup.elements[0].record.v[4], 2);
    EXPECT_EQ(setup.elements[1].record.v[4], 12);
    EXPECT_EQ(setup.elements[1].record.s3, L"Arial");
    EXPECT_EQ(setup.elements[3].record.s1, L"Offer letter");
    EXPECT_EQ(setup.elements[3].record.b, 0);
    EXPECT_EQ(tree.pages.group_count, 0);
    EXPECT_EQ(tree.parameters.group_count, 0);
}

TEST(SourceFormat, LevelsStartFromBuiltInAndDeclaredDefaults) {
    const brik_tree tree = compile_source(
        "defaults paragraph\n"
        "  align: justify\n"
        "  size: 10\n"
        "pages\n"
        "  page\n"
        "    block\n"
        "      numbering: 1.1. restart no-indent\n"
        "      paragraph\n"
        "      paragraph\n"
        "        size: 9\n"
        "        shown: no\n"
        "parameters\n"
        "  section Parties\n"
        "    field Buyer name\n"
        "      type: choice\n"
        "      option cash\n"
        "        selected: yes\n");
    const auto& page = tree.pages.groups[0];
    EXPECT_EQ(page.record.a, 1);
    const auto& block = page.elements[0];
    EXPECT_EQ(block.record.a, 2 + 100 + 1000);
    EXPECT_EQ(block.record.b, 1);
    EXPECT_EQ(block.record.s3, L"Arial");
    EXPECT_EQ(block.record.v[0], 11);
    ASSERT_EQ(block.item_count, 2);
    EXPECT_EQ(block.items[0].v[3], 3);
    EXPECT_EQ(block.items[0].v[0], 10);
    EXPECT_EQ(block.items[0].b, 1);
    EXPECT_EQ(block.items[1].v[0], 9);
    EXPECT_EQ(block.items[1].v[3], 3);
    EXPECT_EQ(block.items[1].b, 0);
    const auto& field = tree.parameters.groups[0].elements[0];
    EXPECT_EQ(tree.parameters.groups[0].record.s1, L"Parties");
    EXPECT_EQ(field.record.s1, L"Buyer name");
    EXPECT_EQ(field.record.a, 7);
    EXPECT_EQ(field.items[0].s2, L"cash");
    EXPECT_EQ(field.items[0].b, 1);
}

TEST(SourceFormat, ValuesArePlainQuotedOrBlocks) {
    const brik_tree tree = compile_source(
        "pages\n"
        "  page\n"
        "    block\n"
        "      text: |\n"
        "        first line\n"
        "          indented\n"
        "\n"
        "        after a blank   \n"
        "      s1: >\n"
        "        one\n"
        "          two\n"
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
    auto fill = [](engine::doc_record& r, int seed) {
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
    int seed = 0;
    for (engine::doc_node* root : {&tree.page_setup, &tree.pages, &tree.parameters}) {
        fill(root->record, seed++);
        for (int g = 0; g < 2; ++g) {
            auto& group = root->groups.emplace_back();
            fill(group.record, seed++);
            for (int e = 0; e < 2; ++e) {
                auto& element = group.elements.emplace_back();
                fill(element.record, seed++);
                for (int i = 0; i < 2; ++i) fill(element.items.emplace_back(), seed++);
                element.item_count = 2;
                if (e == 1) {
                    fill(element.children->record, seed++);
                    auto& inner = element.children->groups.emplace_back();
                    auto& leaf = inner.elements.emplace_back();
                    leaf.record.s2 = L"deep";
                    leaf.children->record.v[5] = 7;
                    inner.element_count = 1;
                    element.children->group_count = 1;
                }
            }
            group.element_count = 2;
        }
        root->group_count = 2;
    }
    return tree;
}

// A block with `depth` nested children levels, each holding one element.
std::string nested_source(int depth, int& deepest_line) {
    std::string source = "pages\n  page\n    block\n";
    std::string indent = "    ";
    deepest_line = 3;
    for (int i = 0; i < depth; ++i) {
        source += indent + "  children\n" + indent + "    group\n" + indent + "      element\n";
        indent += "      ";
        deepest_line += 3;
    }
    return source;
}

TEST(SourceFormat, NestingIsRefusedWhereTheReaderWouldStop) {
    temp_folder folder;
    int line = 0;
    const fs::path deep = folder.path() / "deep.brik";
    ASSERT_TRUE(brikc::write_brik(compile_source(nested_source(63, line)), deep));
    EXPECT_TRUE(brikc::read_brik(deep));
    try {
        compile_source(nested_source(64, line));
        ADD_FAILURE() << "compiled";
    } catch (const brikc::source_error& error) {
        EXPECT_EQ(error.line(), line);
        EXPECT_NE(std::string(error.what()).find("nested deeper"), std::string::npos);
    }
}

TEST(SourceFormat, ADumpCompilesToTheSameBytes) {
    temp_folder folder;
    const std::string original = written_bytes(odd_tree(), folder.path() / "Странный файл.brik");
    const auto loaded = brikc::read_brik(folder.path() / "Странный файл.brik");
    ASSERT_TRUE(loaded);
    const std::string source = brikc::dump_source(*loaded);
    brik_tree again;
    ASSERT_NO_THROW(again = compile_source(source)) << source;
    EXPECT_EQ(written_bytes(std::move(again), folder.path() / "again.brik"), original);
    // A second dump is the same text: nothing depends on the first reading.
    EXPECT_EQ(brikc::dump_source(*brikc::read_brik(folder.path() / "again.brik")), source);
}

TEST(SourceFormat, AnEmptySourceAndItsDumpGiveTheSameBytes) {
    temp_folder folder;
    const std::string original = written_bytes(compile_source(""), folder.path() / "a.brik");
    const std::string source = brikc::dump_source(*brikc::read_brik(folder.path() / "a.brik"));
    EXPECT_EQ(written_bytes(compile_source(source), folder.path() / "b.brik"), original);
}

TEST(SourceFormat, OnlyWholeDocumentFilesAreDumped) {
    temp_folder folder;
    const fs::path cut = folder.path() / "cut.brik";
    std::string bytes = written_bytes(compile_source("title: Cut\n"), cut);
    std::ofstream(cut, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() - 3);
    EXPECT_FALSE(brikc::read_brik(cut));
    EXPECT_FALSE(brikc::read_brik(folder.path() / "missing.brik"));
}

}  // namespace
