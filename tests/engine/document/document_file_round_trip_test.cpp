// Reading well-formed files, and writing them back.
#include <gtest/gtest.h>

#include "engine/document/document.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"
#include "support/temp_folder.h"

using namespace engine;
using namespace fixture;

namespace {

class DocumentFileRoundTrip : public process_state_test {
protected:
    // Writes `bytes` to a file and opens it as a document.
    std::unique_ptr<document> open(const std::string& bytes, const std::string& name = "t.brik") {
        write_bytes(folder.file(name), bytes);
        return std::make_unique<document>(engine_path(folder.file(name)));
    }

    temp_folder folder;
};

void expect_tree(const brik_tree& expected, const document& doc) {
    EXPECT_TRUE(same_node(to_model(expected.page_setup), doc.data->page_setup));
    EXPECT_TRUE(same_node(to_model(expected.pages), doc.data->pages));
    EXPECT_TRUE(same_node(to_model(expected.parameters), doc.data->parameters));
}

brik_tree one_record_tree(brik_record record) {
    brik_tree tree;
    tree.pages.groups.push_back(brik_group{record, {}, {}});
    return tree;
}

}  // namespace

TEST_F(DocumentFileRoundTrip, SampleWithEveryStringFormLoadsToTheExpectedTree) {
    brik_tree tree = sample_tree();
    auto doc = open(write_brik(tree));
    EXPECT_TRUE(doc->loaded());
    EXPECT_EQ(doc->data->state, load_state::loaded);
    EXPECT_EQ(doc->data->file->message, L"BRF4.0");
    expect_tree(tree, *doc);

    // Spot checks that do not go through the fixture's own conversion.
    const doc_element& heading = doc->data->pages.groups[0].elements[0];
    EXPECT_EQ(heading.items[0].s2, L"Seller \U0001F600 «{seller}» and € buyer");
    EXPECT_EQ(heading.items[1].s2, (std::wstring{L'a', wchar_t(0xD800), L'b', wchar_t(0xDC01)}));
    EXPECT_EQ(heading.items[0].s3, L"Times New Roman");
    EXPECT_EQ(doc->data->pages.groups[1].record.s2, std::wstring(300, L'ж'));
    const doc_element& nested = doc->data->pages.groups[0].elements[1];
    EXPECT_EQ(nested.item_count, 0);
    EXPECT_TRUE(nested.items.empty());
    EXPECT_EQ(nested.children->groups[0].elements[0].children->record.s1, L"deepest");
    EXPECT_TRUE(doc->data->scratch.records.empty());
}

TEST_F(DocumentFileRoundTrip, StringEscapesGiveTheirLengths) {
    brik_record record;
    record.s1 = brik_string(std::u16string(300, u'x'), string_form::word);  // FF FE FF FF 2C 01
    record.s2 = brik_string(u"abcde", string_form::byte);                   // FF FE FF 05
    record.s3 = brik_string(u"", string_form::absent);
    record.v[0] = 0x1234;  // read from the byte right after the absent string
    auto doc = open(write_brik(one_record_tree(record)));
    ASSERT_TRUE(doc->loaded());
    const doc_record& read = doc->data->pages.groups[0].record;
    EXPECT_EQ(read.s1, std::wstring(300, L'x'));
    EXPECT_EQ(read.s2, L"abcde");
    EXPECT_EQ(read.s3, L"");
    EXPECT_EQ(read.v[0], 0x1234);
}

TEST_F(DocumentFileRoundTrip, AStringThatDoesNotStartWithTheEscapeIsEmptyAndTakesTwoBytes) {
    // The two bytes "AB" stand where s1 would begin; s2 follows at once.
    byte_writer bytes;
    bytes.string(u"BRF4.0");
    bytes.record(brik_record{});  // page_setup root record
    bytes.i32(0);
    bytes.u16(7), bytes.u16(0), bytes.u16(0);  // pages root a, b, c
    bytes.u8('A'), bytes.u8('B');
    bytes.string(u"second");
    brik_record rest;  // s3 .. s5 of the same record, written by hand
    bytes.string(rest.s3);
    for (int i = 0; i < 6; ++i) bytes.u16(0);
    bytes.f64(0), bytes.f64(0);
    bytes.string(rest.s4), bytes.string(rest.s5);
    bytes.i32(0);
    bytes.node(brik_node{});
    auto doc = open(bytes.bytes());
    ASSERT_TRUE(doc->loaded());
    EXPECT_EQ(doc->data->pages.record.a, 7);
    EXPECT_EQ(doc->data->pages.record.s1, L"");
    EXPECT_EQ(doc->data->pages.record.s2, L"second");
}

TEST_F(DocumentFileRoundTrip, AFileHoldingOnlyTheMagicLoadsEmptyRootsAndSaysFailedToOpen) {
    byte_writer bytes;
    bytes.string(u"BRF4.0");
    auto doc = open(bytes.bytes(), "Magic only.brik");
    // Every root ends early, so the file counts as damaged.
    EXPECT_FALSE(doc->loaded());
    EXPECT_EQ(group_count_of(doc->data->pages), 0u);
    EXPECT_EQ(doc->to_html(), L"\"Magic only\" file failed to open.");
}

TEST_F(DocumentFileRoundTrip, SaveWritesEveryStringInTheFullForm) {
    brik_tree tree = sample_tree();
    auto doc = open(write_brik(tree));
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(read_bytes(folder.file("t.brik")), write_brik(canonical(tree)));
}

TEST_F(DocumentFileRoundTrip, ACanonicalFileComesBackByteForByte) {
    std::string bytes = write_brik(canonical(sample_tree()));
    auto doc = open(bytes);
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(read_bytes(folder.file("t.brik")), bytes);
    // And once more through a second document.
    auto again = std::make_unique<document>(engine_path(folder.file("t.brik")));
    ASSERT_TRUE(again->save());
    EXPECT_EQ(read_bytes(folder.file("t.brik")), bytes);
}

TEST_F(DocumentFileRoundTrip, WrittenFilesBeginWithTheMagicBytes) {
    auto doc = open(write_brik(brik_tree{}));
    ASSERT_TRUE(doc->save());
    std::string bytes = read_bytes(folder.file("t.brik"));
    const unsigned char magic[] = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x06, 0x00, 0x00, 0x00, 'B',
                                   0,    'R',  0,    'F',  0,    '4',  0,    '.',  0,    '0',  0};
    ASSERT_GE(bytes.size(), sizeof magic);
    EXPECT_EQ(bytes.substr(0, sizeof magic),
              std::string(reinterpret_cast<const char*>(magic), sizeof magic));
    // Magic, then three empty roots of an 84-byte record and a 4-byte count.
    EXPECT_EQ(bytes.size(), sizeof magic + 3 * (84 + 4));
}

TEST_F(DocumentFileRoundTrip, EditsAndRenderDefaultsAreSavedWithTheDocument) {
    brik_tree tree;
    brik_group setup;  // a page setup that was never made
    setup.elements.resize(2);
    tree.page_setup.groups.push_back(setup);
    brik_group page;
    page.record.a = 1;
    tree.pages.groups.push_back(page);
    auto doc = open(write_brik(tree));
    doc->to_html();
    doc->data->page_setup.record.v[0] = 3;  // the selected section, as the program stores it
    doc->data->scratch.records.push_back(doc_record{});  // run-time only, never saved
    ASSERT_TRUE(doc->save());

    document reopened(engine_path(folder.file("t.brik")));
    ASSERT_TRUE(reopened.loaded());
    const doc_group& saved = reopened.data->page_setup.groups[0];
    EXPECT_EQ(saved.record.d1, 210.0);
    EXPECT_EQ(saved.record.v[0], 297);
    EXPECT_EQ(saved.elements[1].record.s3, L"Arial");
    EXPECT_EQ(reopened.data->page_setup.record.v[0], 3);
}

TEST_F(DocumentFileRoundTrip, SaveKeepsTheFilePermissionsAndLeavesNoTemporaryFile) {
    auto doc = open(write_brik(sample_tree()));
    std::filesystem::permissions(folder.file("t.brik"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_write |
                                                            std::filesystem::perms::group_read);
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(std::filesystem::status(folder.file("t.brik")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}
