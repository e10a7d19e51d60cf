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
    std::unique_ptr<document> open(const std::string& bytes) {
        write_bytes(file(), bytes);
        return std::make_unique<document>(engine_path(file()));
    }
    std::filesystem::path file() const { return folder.file("t.brik"); }

    temp_folder folder;
};

}  // namespace

TEST_F(DocumentFileRoundTrip, SampleWithEveryStringFormLoadsToTheExpectedTree) {
    brik_tree tree = sample_tree();
    auto doc = open(write_brik(tree));
    EXPECT_TRUE(doc->loaded());
    EXPECT_EQ(doc->data->file->message, L"BRF4.0");
    EXPECT_TRUE(same_node(to_model(tree.page_setup), doc->data->page_setup));
    EXPECT_TRUE(same_node(to_model(tree.pages), doc->data->pages));
    EXPECT_TRUE(same_node(to_model(tree.parameters), doc->data->parameters));

    // Spot checks that do not go through the fixture's own conversion.
    const doc_element& heading = doc->data->pages.groups[0].elements[0];
    EXPECT_EQ(heading.items[0].s2, L"Seller \U0001F600 «{seller}» and € buyer");
    EXPECT_EQ(heading.items[1].s2, (std::wstring{L'a', wchar_t(0xD800), L'b', wchar_t(0xDC01)}));
    EXPECT_EQ(doc->data->pages.groups[1].record.s2, std::wstring(300, L'ж'));
    const doc_element& nested = doc->data->pages.groups[0].elements[1];
    EXPECT_EQ(nested.children->groups[0].elements[0].children->record.s1, L"deepest");
}

TEST_F(DocumentFileRoundTrip, StringEscapesGiveTheirLengths) {
    brik_record record;
    record.s1 = brik_string(std::u16string(300, u'x'), string_form::word);  // FF FE FF FF 2C 01
    record.s2 = brik_string(u"abcde", string_form::byte);                   // FF FE FF 05
    record.s3 = brik_string(u"", string_form::absent);
    record.v[0] = 0x1234;  // read from the byte right after the absent string
    brik_tree tree;
    tree.pages.groups.push_back(brik_group{record, {}, {}});
    auto doc = open(write_brik(tree));
    ASSERT_TRUE(doc->loaded());
    const doc_record& read = doc->data->pages.groups[0].record;
    EXPECT_EQ(read.s1, std::wstring(300, L'x'));
    EXPECT_EQ(read.s2, L"abcde");
    EXPECT_EQ(read.s3, L"");
    EXPECT_EQ(read.v[0], 0x1234);
}

TEST_F(DocumentFileRoundTrip, SaveWritesEveryStringInTheFullFormAndComesBackByteForByte) {
    brik_tree tree = sample_tree();
    const std::string bytes = write_brik(canonical(tree));
    auto doc = open(write_brik(tree));
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(read_bytes(file()), bytes);
    // And once more through a second document.
    document again(engine_path(file()));
    ASSERT_TRUE(again.save());
    EXPECT_EQ(read_bytes(file()), bytes);
}

TEST_F(DocumentFileRoundTrip, EditsAndRenderDefaultsAreSavedWithTheDocument) {
    brik_tree tree;
    brik_group setup;  // a page setup that was never made
    setup.elements.resize(2);
    tree.page_setup.groups.push_back(setup);
    tree.pages.groups.emplace_back().record.a = 1;
    auto doc = open(write_brik(tree));
    doc->to_html();
    doc->data->page_setup.record.v[0] = 3;  // the selected section, as the program stores it
    doc->data->scratch.records.push_back(doc_record{});  // run-time only, never saved
    ASSERT_TRUE(doc->save());

    document reopened(engine_path(file()));
    ASSERT_TRUE(reopened.loaded());
    const doc_group& saved = reopened.data->page_setup.groups[0];
    EXPECT_EQ(saved.record.d1, 210.0);
    EXPECT_EQ(saved.elements[1].record.s3, L"Arial");
    EXPECT_EQ(reopened.data->page_setup.record.v[0], 3);
    EXPECT_TRUE(reopened.data->scratch.records.empty());
}

TEST_F(DocumentFileRoundTrip, SaveKeepsTheFilePermissionsAndLeavesNoTemporaryFile) {
    namespace fs = std::filesystem;
    auto doc = open(write_brik(sample_tree()));
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file(), perms);
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(fs::status(file()).permissions(), perms);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}
