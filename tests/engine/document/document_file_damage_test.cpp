// Damaged, foreign and missing files: each loads what it can, throws nothing
// and is never written back; a save that fails keeps what was on disk.
#include <gtest/gtest.h>

#include <chrono>

#include "engine/document/document.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"
#include "support/temp_folder.h"

using namespace engine;
using namespace fixture;

namespace {

class DocumentFileDamage : public process_state_test {
protected:
    std::unique_ptr<document> open(const std::string& bytes) {
        write_bytes(file(), bytes);
        return std::make_unique<document>(engine_path(file()));
    }
    std::filesystem::path file() const { return folder.file("damaged.brik"); }

    // The document loaded damaged, and saving it neither succeeds nor
    // touches the file.
    void expect_damaged_and_kept(document& doc, const std::string& bytes) {
        EXPECT_FALSE(doc.loaded());
        EXPECT_EQ(doc.data->state, load_state::damaged);
        EXPECT_FALSE(doc.save());
        EXPECT_EQ(read_bytes(file()), bytes);
    }

    temp_folder folder;
};

brik_tree tree_with_page_count(std::int32_t count) {
    brik_tree tree;
    tree.pages.groups.resize(2);
    tree.pages.groups[0].record.s1 = u"first";
    tree.pages.group_count = count;
    return tree;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST_F(DocumentFileDamage, EveryTruncationLoadsWhatItCanAndIsNotWrittenBack) {
    std::string whole = write_brik(sample_tree());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        std::string cut = whole.substr(0, size);
        auto doc = open(cut);
        ASSERT_FALSE(doc->loaded()) << "cut at " << size;
        ASSERT_FALSE(doc->save()) << "cut at " << size;
        ASSERT_EQ(read_bytes(file()), cut) << "cut at " << size;
        doc->to_html();  // renders what was read without failing
    }
}

TEST_F(DocumentFileDamage, TruncatedFileKeepsWhatWasReadBeforeTheCut) {
    brik_tree tree = sample_tree();
    std::string whole = write_brik(tree);
    // Cut inside the parameters root: page_setup and pages are whole.
    byte_writer head;
    head.string(tree.magic);
    head.node(tree.page_setup);
    head.node(tree.pages);
    std::string cut = whole.substr(0, head.bytes().size() + 10);
    auto doc = open(cut);
    expect_damaged_and_kept(*doc, cut);
    EXPECT_TRUE(same_node(to_model(tree.page_setup), doc->data->page_setup));
    EXPECT_TRUE(same_node(to_model(tree.pages), doc->data->pages));
    EXPECT_EQ(group_count_of(doc->data->parameters), 0u);
}

TEST_F(DocumentFileDamage, NegativeCountStopsTheReadingWithoutThrowing) {
    std::string bytes = write_brik(tree_with_page_count(-1));
    auto doc = open(bytes);
    expect_damaged_and_kept(*doc, bytes);
    EXPECT_EQ(doc->data->pages.group_count, 0);
    EXPECT_TRUE(doc->data->pages.groups.empty());
}

TEST_F(DocumentFileDamage, CountsTheFileCannotHoldStopTheReadingBeforeAllocating) {
    for (std::int32_t count : {1000, 0x7FFFFFFF}) {
        std::string bytes = write_brik(tree_with_page_count(count));
        auto start = std::chrono::steady_clock::now();
        auto doc = open(bytes);
        EXPECT_LT(seconds_since(start), 1.0);
        expect_damaged_and_kept(*doc, bytes);
        EXPECT_EQ(doc->data->pages.group_count, 0) << count;
    }
    // Too many elements and items likewise.
    brik_tree elements;
    elements.pages.groups.resize(1);
    elements.pages.groups[0].element_count = 0x40000000;
    auto doc = open(write_brik(elements));
    EXPECT_FALSE(doc->loaded());
    EXPECT_EQ(doc->data->pages.groups[0].element_count, 0);

    brik_tree items;
    items.pages.groups.resize(1);
    items.pages.groups[0].elements.resize(1);
    items.pages.groups[0].elements[0].item_count = 0xFFFF;
    doc = open(write_brik(items));
    EXPECT_FALSE(doc->loaded());
    EXPECT_EQ(doc->data->pages.groups[0].elements[0].item_count, 0);
}

TEST_F(DocumentFileDamage, ACountThatIsTooSmallLeavesBytesOverAndIsDamage) {
    // One page declared, two written: the second page is read as the
    // parameters root, and the real parameters root is left over.
    std::string bytes = write_brik(tree_with_page_count(1));
    auto doc = open(bytes);
    expect_damaged_and_kept(*doc, bytes);
    EXPECT_EQ(doc->data->pages.groups[0].record.s1, L"first");
}

TEST_F(DocumentFileDamage, MaximalStringLengthReadsOnlyWhatTheFileHolds) {
    brik_record record;
    record.s1 = brik_string(u"only these", string_form::full);
    record.s1.declared_length = 0xFFFFFFFF;
    brik_tree tree;
    tree.pages.groups.push_back(brik_group{record, {}, {}});
    std::string bytes = write_brik(tree);
    auto start = std::chrono::steady_clock::now();
    auto doc = open(bytes);
    EXPECT_LT(seconds_since(start), 1.0);
    expect_damaged_and_kept(*doc, bytes);
    const std::wstring& s1 = doc->data->pages.groups[0].record.s1;
    EXPECT_EQ(s1.substr(0, 10), L"only these");
    EXPECT_LE(s1.size(), bytes.size() / 2);
}

TEST_F(DocumentFileDamage, BytesAfterTheThirdTreeAreDamage) {
    std::string bytes = write_brik(canonical(sample_tree())) + '\0';
    auto doc = open(bytes);
    expect_damaged_and_kept(*doc, bytes);
}

TEST_F(DocumentFileDamage, DeepNestingStopsAtTheDepthLimitQuickly) {
    std::string bytes = nested_brik(10000);
    auto start = std::chrono::steady_clock::now();
    auto doc = open(bytes);
    EXPECT_LT(seconds_since(start), 2.0);
    expect_damaged_and_kept(*doc, bytes);
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

TEST_F(DocumentFileDamage, NestingUpToTheLimitLoads) {
    auto doc = open(nested_brik(max_children_depth));
    EXPECT_TRUE(doc->loaded());
    auto deeper = open(nested_brik(max_children_depth + 1));
    EXPECT_FALSE(deeper->loaded());
}

TEST_F(DocumentFileDamage, WrongMagicReadsNothingAndIsNeverWrittenBack) {
    brik_tree tree = sample_tree();
    tree.magic = brik_string(u"BRF3.0");
    std::string bytes = write_brik(tree);
    auto doc = open(bytes);
    EXPECT_EQ(doc->data->state, load_state::wrong_magic);
    EXPECT_EQ(doc->data->file->message, L"BRF3.0");
    EXPECT_EQ(group_count_of(doc->data->pages), 0u);
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(read_bytes(file()), bytes);
    EXPECT_EQ(doc->to_html(), L"\"damaged\" file failed to open.");
}

TEST_F(DocumentFileDamage, MissingFileIsUnavailableAndSavingCreatesNothing) {
    std::wstring path = engine_path(folder.file("absent.brik"));
    document doc(path);
    EXPECT_EQ(doc.data->state, load_state::not_opened);
    EXPECT_EQ(doc.data->file->message, L"File " + path + L" is unavailable.");
    EXPECT_FALSE(doc.save());
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.brik")));
}

TEST_F(DocumentFileDamage, AFolderIsNotADocument) {
    std::filesystem::create_directory(folder.file("folder.brik"));
    document doc(engine_path(folder.file("folder.brik")));
    EXPECT_EQ(doc.data->state, load_state::not_opened);
}

TEST_F(DocumentFileDamage, DevicesAndOversizedFilesAreNotOpened) {
    document device(L"/dev/zero");  // would never end if it were read
    EXPECT_EQ(device.data->state, load_state::not_opened);
    EXPECT_FALSE(device.save());

    // A sparse file just over the limit: opening must not read it.
    write_bytes(file(), write_brik(sample_tree()));
    std::filesystem::resize_file(file(), max_file_bytes + 1);
    document oversized(engine_path(file()));
    EXPECT_EQ(oversized.data->state, load_state::not_opened);
    EXPECT_FALSE(oversized.save());
    EXPECT_EQ(std::filesystem::file_size(file()), max_file_bytes + 1);
}

TEST_F(DocumentFileDamage, SaveIntoARemovedFolderFailsAndLeavesNothing) {
    std::string bytes = write_brik(sample_tree());
    std::filesystem::create_directory(folder.file("sub"));
    write_bytes(folder.file("sub") / "doc.brik", bytes);
    document doc(engine_path(folder.file("sub") / "doc.brik"));
    ASSERT_TRUE(doc.loaded());
    std::filesystem::remove_all(folder.file("sub"));
    EXPECT_FALSE(doc.save());
    EXPECT_FALSE(std::filesystem::exists(folder.file("sub")));
}

TEST_F(DocumentFileDamage, SaveOverAFolderFailsAndKeepsTheFolderAndItsContents) {
    std::string bytes = write_brik(sample_tree());
    auto doc = open(bytes);
    ASSERT_TRUE(doc->loaded());
    // The file has been replaced by a folder with a file in it.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    write_bytes(file() / "kept.txt", "kept");
    EXPECT_FALSE(doc->save());
    EXPECT_TRUE(std::filesystem::is_directory(file()));
    EXPECT_EQ(read_bytes(file() / "kept.txt"), "kept");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(DocumentFileDamage, SaveThroughALinkReplacesTheLinkedFile) {
    std::string bytes = write_brik(sample_tree());
    write_bytes(folder.file("real.brik"), bytes);
    std::filesystem::create_symlink(folder.file("real.brik"), folder.file("link.brik"));
    document doc(engine_path(folder.file("link.brik")));
    ASSERT_TRUE(doc.loaded());
    doc.data->pages.groups[0].record.s1 = L"changed";
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.brik")));
    document reread(engine_path(folder.file("real.brik")));
    EXPECT_EQ(reread.data->pages.groups[0].record.s1, L"changed");
}
