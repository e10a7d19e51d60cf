#include "ui/editing/value_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using Entries = std::vector<std::wstring>;

// Little-endian bytes written out as a test reads them.
std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += char(v);
    return out;
}

TEST(ValueListFile, RoundTripsTextsAndLongFormBytes) {
    const Entries texts = {L"",
                           L"ab",
                           std::wstring(300, L'я'),
                           L"\U0001F600 emoji",
                           std::wstring(1, wchar_t(0xD800)) + L"lone high",
                           L"lone low " + std::wstring(1, wchar_t(0xDC00))};
    const std::string file = ui::encode_value_list(texts);
    EXPECT_EQ(ui::decode_value_list(file), texts);
    // A sorted long-form file read and written back keeps its bytes.
    Entries sorted = texts;
    ui::sort_value_list(sorted);
    const std::string sorted_file = ui::encode_value_list(sorted);
    EXPECT_EQ(ui::encode_value_list(ui::decode_value_list(sorted_file)), sorted_file);

    EXPECT_EQ(ui::encode_value_list({L"ab"}),
              bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'a', 0, 'b', 0}));
    EXPECT_EQ(ui::encode_value_list({L""}),
              bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    // A non-BMP character counts two code units.
    EXPECT_EQ(ui::encode_value_list({L"\U0001F600"}).substr(10, 4), bytes({2, 0, 0, 0}));
}

TEST(ValueListFile, ReadsTheShortLengthFormsAndEntriesWithoutTheMark) {
    const std::string file =
        bytes({4,    0,    0,    0,    0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i', 0,  // one-byte length
               0x41, 0x00,                                                   // no mark: empty
               0xFF, 0xFE, 0xFF, 0xFF, 1,    0,    'x',  0,                  // 16-bit length
               0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0, 0,   0});
    EXPECT_EQ(ui::decode_value_list(file), (Entries{L"hi", L"", L"x", L""}));
}

TEST(ValueListFile, DamagedFilesKeepTheirCompleteEntries) {
    const std::string two = ui::encode_value_list({L"first", L"second"});
    // Cut inside the second entry's text, its length, its mark.
    for (std::size_t cut : {two.size() - 1, std::size_t(4 + 20 + 8), std::size_t(4 + 20 + 1)})
        EXPECT_EQ(ui::decode_value_list(two.substr(0, cut)), (Entries{L"first"})) << cut;
    EXPECT_TRUE(ui::decode_value_list(two.substr(0, 3)).empty());

    // A count far beyond the entries, and a length of 0xFFFFFFFF.
    std::string huge_count = two;
    huge_count[3] = char(0x7F);
    EXPECT_EQ(ui::decode_value_list(huge_count), (Entries{L"first", L"second"}));
    std::string huge_length = two;
    for (int i = 0; i < 4; ++i) huge_length[std::size_t(4 + 20 + 6 + i)] = char(0xFF);
    EXPECT_EQ(ui::decode_value_list(huge_length), (Entries{L"first"}));
}

TEST(ValueListOrder, ComparesUtf16CodeUnitsWithoutCaseOrLocale) {
    Entries entries = {L"b", L"Б", L"a", L"B", L"ab", L"", L"\uFF21", L"\U0001F600", L"а"};
    ui::sort_value_list(entries);
    // A character past the BMP starts with a surrogate, so it sorts below U+E000.
    EXPECT_EQ(entries,
              (Entries{L"", L"B", L"a", L"ab", L"b", L"Б", L"а", L"\U0001F600", L"\uFF21"}));
    EXPECT_FALSE(ui::value_list_less(L"a", L"a"));
}

TEST(ValueListName, DropsTrailingDigitsAndKeepsTheFileInTheFolder) {
    EXPECT_EQ(ui::value_list_name(L"Client1"), L"Client");
    EXPECT_EQ(ui::value_list_name(L"Client 12"), L"Client ");
    EXPECT_EQ(ui::value_list_name(L"2nd party3"), L"2nd party");
    EXPECT_EQ(ui::value_list_name(L"123"), L"");
    EXPECT_EQ(ui::value_list_name(L"../up\\x\ty" + std::wstring(1, L'\0') + L"z"), L".._up_x_y_z");
    EXPECT_EQ(ui::value_list_path(L"/data/lists", L"Client2"), L"/data/lists/Client.list");
    EXPECT_EQ(ui::value_list_path(L"/data/lists", L"42"), L"/data/lists/.list");
    EXPECT_EQ(ui::value_list_path(L"", L"Client"), L"");
}

class ValueListChoice : public ::testing::Test {
protected:
    std::wstring path() const { return fixture::engine_path(folder.file("Client.list")); }
    Entries stored() const { return ui::read_value_list(path()); }

    fixture::temp_folder folder;
};

TEST_F(ValueListChoice, OpeningAddsTheTextOnceSortsSelectsAndWrites) {
    ui::write_value_list(path(), {L"zeta", L"alpha", L"alpha"});
    ui::value_list_choice choice(path(), L"mid");
    choice.open();
    EXPECT_EQ(choice.entries(), (Entries{L"alpha", L"alpha", L"mid", L"zeta"}));
    EXPECT_EQ(choice.selected_index(), 2);
    EXPECT_EQ(choice.result(), L"");  // nothing is handed back before a choice
    EXPECT_EQ(stored(), choice.entries());

    ui::value_list_choice again(path(), L"zeta");
    again.open();
    EXPECT_EQ(again.entries().size(), 4u);
    EXPECT_EQ(again.selected_index(), 3);
}

TEST_F(ValueListChoice, AnEmptyTextAddsAndWritesNothing) {
    ui::value_list_choice none(path(), L"");
    none.open();
    EXPECT_EQ(none.selected_index(), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Client.list")));

    ui::write_value_list(path(), {L"b", L"a"});
    ui::value_list_choice first(path(), L"");
    first.open();
    EXPECT_EQ(first.selected_index(), 0);
    EXPECT_EQ(first.accept(), L"a");
    EXPECT_EQ(stored(), (Entries{L"b", L"a"}));  // left unsorted: not written
}

TEST_F(ValueListChoice, DeletingWritesTheListAndNeverHandsBackADeletedText) {
    ui::value_list_choice choice(path(), L"b");
    ui::write_value_list(path(), {L"a", L"c"});
    choice.open();
    choice.select(0);
    choice.remove(0);  // the selected "a" goes, and with it the result
    EXPECT_EQ(choice.selected_index(), -1);
    EXPECT_EQ(choice.accept(), L"");
    EXPECT_EQ(stored(), (Entries{L"b", L"c"}));

    choice.select(1);
    choice.remove(0);  // another entry goes: the selection follows "c"
    EXPECT_EQ(choice.selected_index(), 0);
    EXPECT_EQ(choice.accept(), L"c");
    EXPECT_EQ(stored(), (Entries{L"c"}));
    choice.remove(0);
    EXPECT_EQ(ui::encode_value_list({}), fixture::read_bytes(folder.file("Client.list")));

    // A duplicate of the deleted text keeps the result.
    ui::write_value_list(path(), {L"a", L"a"});
    ui::value_list_choice twice(path(), L"");
    twice.open();
    twice.select(1);
    twice.remove(1);
    EXPECT_EQ(twice.accept(), L"a");
}

TEST_F(ValueListChoice, WithoutAFileTheListLivesInMemory) {
    ui::value_list_choice choice(L"", L"typed");
    choice.open();
    EXPECT_EQ(choice.entries(), (Entries{L"typed"}));
    EXPECT_EQ(choice.selected_index(), 0);
    choice.remove(0);
    EXPECT_TRUE(choice.entries().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(ValueListChoice, AFailedWriteLeavesWhatWasThereAndTheListWorks) {
    // Nothing can be renamed over a folder that holds a file.
    std::filesystem::create_directories(folder.file("Client.list") / "inside");
    ui::value_list_choice choice(path(), L"x");
    choice.open();
    EXPECT_EQ(choice.entries(), (Entries{L"x"}));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("Client.list") / "inside"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
