// Reading document files and writing them back. Damaged, foreign and missing
// files each load what they can, throw nothing and are never written back; a
// save that fails keeps what was on disk. The file format is read from memory
// files; what the machine's own files do is tested on a temporary folder.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "support/brik_fixture.h"
#include "support/temp_folder.h"

using namespace engine;
using namespace fixture;
namespace fs = std::filesystem;

namespace {

class DocumentFile : public ::testing::Test {
protected:
    std::unique_ptr<document> open(const std::string& bytes) {
        env.put_file(path, bytes);
        return std::make_unique<document>(path, 0, env);
    }
    std::string stored() const { return env.file(path).value_or("<none>"); }

    // Opens `bytes` within `seconds`; the document loaded damaged, and saving
    // it neither succeeds nor touches the file.
    std::unique_ptr<document> open_damaged(const std::string& bytes, double seconds = 1.0) {
        auto start = std::chrono::steady_clock::now();
        auto doc = open(bytes);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  seconds);
        EXPECT_FALSE(doc->loaded());
        EXPECT_EQ(doc->data->state, load_state::damaged);
        EXPECT_FALSE(doc->save());
        EXPECT_EQ(stored(), bytes);
        return doc;
    }

    // The first `roots` trees of `doc` are those `tree` describes.
    static void expect_roots(const brik_tree& tree, const document& doc, int roots) {
        const brik_node* expected[] = {&tree.page_setup, &tree.pages, &tree.parameters};
        const doc_node* actual[] = {&doc.data->page_setup, &doc.data->pages, &doc.data->parameters};
        for (int i = 0; i < roots; ++i) EXPECT_TRUE(same_node(to_model(*expected[i]), *actual[i]));
    }
    static brik_tree one_page(brik_record record) {
        return {.pages = {.groups = {{.record = std::move(record)}}}};
    }

    memory_environment env;
    const std::wstring path = L"/library/t.brik";
};

// The machine's files: links, permissions, folders and devices.
class SystemFiles : public ::testing::Test {
protected:
    std::unique_ptr<document> open(const std::string& bytes) {
        write_bytes(file(), bytes);
        return std::make_unique<document>(engine_path(file()));
    }
    fs::path file() const { return folder.file("t.brik"); }
    // Entries in the folder: a temporary file left behind shows here.
    long entries() const { return std::distance(fs::directory_iterator(folder.path()), {}); }

    temp_folder folder;
};

}  // namespace

TEST_F(DocumentFile, SampleWithEveryStringFormLoadsToTheExpectedTree) {
    brik_tree tree = sample_tree();
    auto doc = open(write_brik(tree));
    EXPECT_TRUE(doc->loaded());
    EXPECT_EQ(doc->data->file->message, L"BRF4.0");
    expect_roots(tree, *doc, 3);
    // Spot checks that do not go through the fixture's own conversion.
    const doc_element& heading = doc->data->pages.groups[0].elements[0];
    EXPECT_EQ(heading.items[0].s2, L"Seller \U0001F600 «{seller}» and € buyer");
    EXPECT_EQ(heading.items[1].s2, (std::wstring{L'a', wchar_t(0xD800), L'b', wchar_t(0xDC01)}));
    EXPECT_EQ(doc->data->pages.groups[1].record.s2, std::wstring(300, L'ж'));
    const doc_element& nested = doc->data->pages.groups[0].elements[1];
    EXPECT_EQ(nested.children->groups[0].elements[0].children->record.s1, L"deepest");
}

TEST_F(SystemFiles, SaveWritesEveryStringInTheFullFormKeepsThePermissionsAndComesBackByteForByte) {
    brik_tree tree = sample_tree();
    const std::string bytes = write_brik(canonical(tree));
    auto doc = open(write_brik(tree));
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file(), perms);
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(read_bytes(file()), bytes);
    EXPECT_EQ(fs::status(file()).permissions(), perms);
    EXPECT_EQ(entries(), 1);  // no temporary file left behind
    // And once more through a second document.
    document again(engine_path(file()));
    ASSERT_TRUE(again.save());
    EXPECT_EQ(read_bytes(file()), bytes);
}

TEST_F(DocumentFile, EditsAndRenderDefaultsAreSavedWithTheDocument) {
    brik_tree tree = one_page({.a = 1});
    tree.page_setup.groups = {{.elements = {{}, {}}}};  // a page setup that was never made
    auto doc = open(write_brik(tree));
    to_html(*doc, view_state{});
    doc->data->page_setup.record.v[0] = 3;  // the selected section, as the program stores it
    doc->data->scratch.records.push_back(doc_record{});  // run-time only, never saved
    ASSERT_TRUE(doc->save());

    document reopened(path, 0, env);
    ASSERT_TRUE(reopened.loaded());
    const doc_group& saved = reopened.data->page_setup.groups[0];
    EXPECT_EQ(saved.record.d1, 210.0);
    EXPECT_EQ(saved.elements[1].record.s3, L"Arial");
    EXPECT_EQ(reopened.data->page_setup.record.v[0], 3);
    EXPECT_TRUE(reopened.data->scratch.records.empty());
}

TEST_F(DocumentFile, LengthsNoPageHasLoadAsTheLongestAndRenderEverywhere) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const struct { double width, indent, width_read, indent_read; } rows[] = {
        {1.69e267, -1e300, 65535, -65535}, {inf, inf, 65535, 65535},
        {-inf, 1e39, 210, 65535},  // no width: a setup never made
        {70000, 12.5, 65535, 12.5}, {65535, -65536, 65535, -65535}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        brik_tree tree = sample_tree();
        tree.page_setup.groups[0].record.d1 = row.width;
        brik_element& block = tree.pages.groups[0].elements[0];
        block.record.b = block.items[0].b = 1;  // shown: the print estimates its lines
        block.record.d2 = block.items[0].d2 = row.indent;
        auto doc = open(write_brik(tree));
        ASSERT_TRUE(doc->loaded());
        for (auto render : {to_html, to_print_html, to_word_html})
            EXPECT_NE(render(*doc, view_state{}).find(L"buyer"), std::wstring::npos);
        EXPECT_EQ(doc->data->page_setup.groups[0].record.d1, row.width_read);
        EXPECT_EQ(doc->data->pages.groups[0].elements[0].record.d2, row.indent_read);
        EXPECT_EQ(doc->data->pages.groups[0].elements[0].items[0].d2, row.indent_read);
    }
}

TEST_F(DocumentFile, EveryTruncationLoadsWhatItCanAndIsNotWrittenBack) {
    std::string whole = write_brik(sample_tree());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        std::string cut = whole.substr(0, size);
        auto doc = open(cut);
        ASSERT_FALSE(doc->loaded()) << "cut at " << size;
        ASSERT_FALSE(doc->save()) << "cut at " << size;
        ASSERT_EQ(stored(), cut) << "cut at " << size;
    }
    // What was read before the cut is kept: here page_setup and pages are whole.
    brik_tree tree = sample_tree();
    byte_writer head;
    head.string(tree.magic);
    head.node(tree.page_setup);
    head.node(tree.pages);
    auto doc = open_damaged(whole.substr(0, head.bytes().size() + 10));
    expect_roots(tree, *doc, 2);
    EXPECT_EQ(group_count_of(doc->data->parameters), 0u);
}

TEST_F(DocumentFile, WrongCountsStopTheReadingBeforeAllocating) {
    // Two pages written; too small a count leaves the parameters root over.
    for (std::int32_t count : {-1, 1, 1000, 0x7FFFFFFF}) {
        SCOPED_TRACE(count);
        brik_tree tree;
        tree.pages = {.groups = {{.record = {.s1 = u"first"}}, {}}, .group_count = count};
        auto doc = open_damaged(write_brik(tree));
        if (count == 1)
            EXPECT_EQ(doc->data->pages.groups[0].record.s1, L"first");
        else
            EXPECT_EQ(doc->data->pages.group_count, 0);
    }
    brik_tree elements;
    elements.pages.groups = {{.element_count = 0x40000000}};
    EXPECT_EQ(open_damaged(write_brik(elements))->data->pages.groups[0].element_count, 0);
    brik_tree items;
    items.pages.groups = {{.elements = {{.item_count = 0xFFFF}}}};
    EXPECT_EQ(open_damaged(write_brik(items))->data->pages.groups[0].elements[0].item_count, 0);
}

TEST_F(DocumentFile, MaximalStringLengthReadsOnlyWhatTheFileHolds) {
    brik_record record{.s1 = u"only these"};
    record.s1.declared_length = 0xFFFFFFFF;
    std::string bytes = write_brik(one_page(record));
    auto doc = open_damaged(bytes);
    const std::wstring& s1 = doc->data->pages.groups[0].record.s1;
    EXPECT_EQ(s1.substr(0, 10), L"only these");
    EXPECT_LE(s1.size(), bytes.size() / 2);
}

TEST_F(DocumentFile, NestingStopsAtTheDepthLimitQuicklyAndTrailingBytesAreDamage) {
    open_damaged(write_brik(canonical(sample_tree())) + '\0');
    EXPECT_TRUE(open(nested_brik(max_children_depth))->loaded());
    open_damaged(nested_brik(max_children_depth + 1));
    auto doc = open_damaged(nested_brik(10000), 2.0);
    int depth = 0;
    const doc_node* node = &doc->data->page_setup;
    while (group_count_of(*node) > 0 && element_count_of(node->groups[0]) > 0) {
        node = node->groups[0].elements[0].children.get();
        ++depth;
    }
    // The root and each of the 64 levels of children hold an element; the
    // children of the last one were not read.
    EXPECT_EQ(depth, max_children_depth + 1);
}

TEST_F(DocumentFile, WrongMagicReadsNothingAndIsNeverWrittenBack) {
    brik_tree tree = sample_tree();
    tree.magic = brik_string(u"BRF3.0");
    std::string bytes = write_brik(tree);
    auto doc = open(bytes);
    EXPECT_EQ(doc->data->state, load_state::wrong_magic);
    EXPECT_EQ(doc->data->file->message, L"BRF3.0");
    EXPECT_EQ(group_count_of(doc->data->pages), 0u);
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(stored(), bytes);
    EXPECT_EQ(to_html(*doc, view_state{}), L"\"t\" file failed to open.");
}

TEST_F(SystemFiles, MissingFilesFoldersDevicesAndOversizedFilesAreNotOpened) {
    std::wstring absent = engine_path(folder.file("absent.brik"));
    document missing(absent);
    EXPECT_EQ(missing.data->file->message, L"File " + absent + L" is unavailable.");
    fs::create_directory(folder.file("folder.brik"));
    document a_folder(engine_path(folder.file("folder.brik")));
    document device(L"/dev/zero");  // would never end if it were read
    // A sparse file just over the limit: opening must not read it.
    write_bytes(file(), write_brik(sample_tree()));
    fs::resize_file(file(), max_file_bytes + 1);
    document oversized(engine_path(file()));
    for (document* doc : {&missing, &a_folder, &device, &oversized}) {
        EXPECT_EQ(doc->data->state, load_state::not_opened);
        EXPECT_FALSE(doc->save());
    }
    EXPECT_FALSE(fs::exists(folder.file("absent.brik")));
    EXPECT_EQ(fs::file_size(file()), max_file_bytes + 1);
}

TEST_F(SystemFiles, AFailedSaveKeepsWhatIsThereAndLeavesNothingBehind) {
    auto doc = open(write_brik(sample_tree()));
    ASSERT_TRUE(doc->loaded());
    // The file has been replaced by a folder with a file in it.
    fs::remove(file());
    fs::create_directory(file());
    write_bytes(file() / "kept.txt", "kept");
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(read_bytes(file() / "kept.txt"), "kept");
    EXPECT_EQ(entries(), 1);
    fs::remove_all(folder.path());  // and then the whole folder is gone
    EXPECT_FALSE(doc->save());
    EXPECT_FALSE(fs::exists(folder.path()));
}

TEST_F(SystemFiles, SaveThroughALinkReplacesTheLinkedFile) {
    write_bytes(folder.file("real.brik"), write_brik(sample_tree()));
    fs::create_symlink(folder.file("real.brik"), folder.file("link.brik"));
    document doc(engine_path(folder.file("link.brik")));
    ASSERT_TRUE(doc.loaded());
    doc.data->pages.groups[0].record.s1 = L"changed";
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(fs::is_symlink(folder.file("link.brik")));
    document reread(engine_path(folder.file("real.brik")));
    EXPECT_EQ(reread.data->pages.groups[0].record.s1, L"changed");
}
