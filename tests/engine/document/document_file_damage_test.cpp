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
        EXPECT_EQ(read_bytes(file()), bytes);
        return doc;
    }

    temp_folder folder;
};

}  // namespace

TEST_F(DocumentFileDamage, EveryTruncationLoadsWhatItCanAndIsNotWrittenBack) {
    std::string whole = write_brik(sample_tree());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        std::string cut = whole.substr(0, size);
        auto doc = open(cut);
        ASSERT_FALSE(doc->loaded()) << "cut at " << size;
        ASSERT_FALSE(doc->save()) << "cut at " << size;
        ASSERT_EQ(read_bytes(file()), cut) << "cut at " << size;
    }
    // What was read before the cut is kept: here page_setup and pages are whole.
    brik_tree tree = sample_tree();
    byte_writer head;
    head.string(tree.magic);
    head.node(tree.page_setup);
    head.node(tree.pages);
    auto doc = open_damaged(whole.substr(0, head.bytes().size() + 10));
    EXPECT_TRUE(same_node(to_model(tree.page_setup), doc->data->page_setup));
    EXPECT_TRUE(same_node(to_model(tree.pages), doc->data->pages));
    EXPECT_EQ(group_count_of(doc->data->parameters), 0u);
}

TEST_F(DocumentFileDamage, WrongCountsStopTheReadingBeforeAllocating) {
    // Two pages written; too small a count leaves the parameters root over.
    for (std::int32_t count : {-1, 1, 1000, 0x7FFFFFFF}) {
        SCOPED_TRACE(count);
        brik_tree tree;
        tree.pages.groups.resize(2);
        tree.pages.groups[0].record.s1 = u"first";
        tree.pages.group_count = count;
        auto doc = open_damaged(write_brik(tree));
        if (count == 1)
            EXPECT_EQ(doc->data->pages.groups[0].record.s1, L"first");
        else
            EXPECT_EQ(doc->data->pages.group_count, 0);
    }
    brik_tree elements;
    elements.pages.groups.resize(1);
    elements.pages.groups[0].element_count = 0x40000000;
    EXPECT_EQ(open_damaged(write_brik(elements))->data->pages.groups[0].element_count, 0);

    brik_tree items;
    items.pages.groups.resize(1);
    items.pages.groups[0].elements.resize(1);
    items.pages.groups[0].elements[0].item_count = 0xFFFF;
    auto doc = open_damaged(write_brik(items));
    EXPECT_EQ(doc->data->pages.groups[0].elements[0].item_count, 0);
}

TEST_F(DocumentFileDamage, MaximalStringLengthReadsOnlyWhatTheFileHolds) {
    brik_record record;
    record.s1 = brik_string(u"only these", string_form::full);
    record.s1.declared_length = 0xFFFFFFFF;
    brik_tree tree;
    tree.pages.groups.push_back(brik_group{record, {}, {}});
    std::string bytes = write_brik(tree);
    auto doc = open_damaged(bytes);
    const std::wstring& s1 = doc->data->pages.groups[0].record.s1;
    EXPECT_EQ(s1.substr(0, 10), L"only these");
    EXPECT_LE(s1.size(), bytes.size() / 2);
}

TEST_F(DocumentFileDamage, BytesAfterTheThirdTreeAreDamage) {
    open_damaged(write_brik(canonical(sample_tree())) + '\0');
}

TEST_F(DocumentFileDamage, NestingStopsAtTheDepthLimitQuickly) {
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

TEST_F(DocumentFileDamage, MissingFilesFoldersDevicesAndOversizedFilesAreNotOpened) {
    std::wstring absent = engine_path(folder.file("absent.brik"));
    document missing(absent);
    EXPECT_EQ(missing.data->file->message, L"File " + absent + L" is unavailable.");
    std::filesystem::create_directory(folder.file("folder.brik"));
    document a_folder(engine_path(folder.file("folder.brik")));
    document device(L"/dev/zero");  // would never end if it were read
    // A sparse file just over the limit: opening must not read it.
    write_bytes(file(), write_brik(sample_tree()));
    std::filesystem::resize_file(file(), max_file_bytes + 1);
    document oversized(engine_path(file()));
    for (document* doc : {&missing, &a_folder, &device, &oversized}) {
        EXPECT_EQ(doc->data->state, load_state::not_opened);
        EXPECT_FALSE(doc->save());
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.brik")));
    EXPECT_EQ(std::filesystem::file_size(file()), max_file_bytes + 1);
}

TEST_F(DocumentFileDamage, SaveIntoARemovedFolderFailsAndLeavesNothing) {
    std::filesystem::create_directory(folder.file("sub"));
    write_bytes(folder.file("sub") / "doc.brik", write_brik(sample_tree()));
    document doc(engine_path(folder.file("sub") / "doc.brik"));
    ASSERT_TRUE(doc.loaded());
    std::filesystem::remove_all(folder.file("sub"));
    EXPECT_FALSE(doc.save());
    EXPECT_FALSE(std::filesystem::exists(folder.file("sub")));
}

TEST_F(DocumentFileDamage, SaveOverAFolderFailsAndKeepsTheFolderAndItsContents) {
    auto doc = open(write_brik(sample_tree()));
    ASSERT_TRUE(doc->loaded());
    // The file has been replaced by a folder with a file in it.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    write_bytes(file() / "kept.txt", "kept");
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(read_bytes(file() / "kept.txt"), "kept");
    auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(DocumentFileDamage, SaveThroughALinkReplacesTheLinkedFile) {
    write_bytes(folder.file("real.brik"), write_brik(sample_tree()));
    std::filesystem::create_symlink(folder.file("real.brik"), folder.file("link.brik"));
    document doc(engine_path(folder.file("link.brik")));
    ASSERT_TRUE(doc.loaded());
    doc.data->pages.groups[0].record.s1 = L"changed";
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.brik")));
    document reread(engine_path(folder.file("real.brik")));
    EXPECT_EQ(reread.data->pages.groups[0].record.s1, L"changed");
}
