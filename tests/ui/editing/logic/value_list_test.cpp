#include "ui/editing/value_list.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/document/file_lock.h"
#include "support/temp_folder.h"

namespace {

using Entries = std::vector<std::wstring>;

// Little-endian bytes written out as a test reads them.
std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += char(v);
    return out;
}

// `file` with `with` written over it at `at`.
std::string patched(std::string file, std::size_t at, const std::string& with) {
    return file.replace(at, with.size(), with);
}

// The texts of `file`, which must read whole.
Entries whole(const std::string& file) {
    const ui::value_list_read read = ui::decode_value_list(file);
    EXPECT_TRUE(read.whole);
    return read.entries;
}

TEST(ValueListFile, RoundTripsTextsAndLongFormBytes) {
    const Entries texts = {L"",
                           L"ab",
                           std::wstring(300, L'я'),
                           L"\U0001F600 emoji",
                           std::wstring(1, wchar_t(0xD800)) + L"lone high",
                           L"lone low " + std::wstring(1, wchar_t(0xDC00))};
    const std::string file = ui::encode_value_list(texts);
    EXPECT_EQ(whole(file), texts);
    // A sorted long-form file read and written back keeps its bytes.
    Entries sorted = texts;
    ui::sort_value_list(sorted);
    const std::string sorted_file = ui::encode_value_list(sorted);
    EXPECT_EQ(ui::encode_value_list(whole(sorted_file)), sorted_file);
    EXPECT_TRUE(ui::decode_value_list("").whole);  // an empty file is an empty list

    EXPECT_EQ(ui::encode_value_list({L"ab"}),
              bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'a', 0, 'b', 0}));
    EXPECT_EQ(ui::encode_value_list({L""}),
              bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    // A non-BMP character counts two code units.
    EXPECT_EQ(ui::encode_value_list({L"\U0001F600"}).substr(10, 4), bytes({2, 0, 0, 0}));
}

TEST(ValueListFile, ReadsTheShortLengthFormsAndSkipsEntriesWithoutTheMark) {
    const std::string file =
        bytes({4,    0,    0,    0,    0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i', 0,  // one-byte length
               0xFF, 0xFE, 0xFF, 0xFF, 1,    0,    'x',  0,                  // 16-bit length
               0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0, 0,   0,          // long form, empty
               0x41, 0x00});                                                 // no mark
    EXPECT_EQ(whole(patched(file.substr(0, file.size() - 2), 0, "\x03")),
              (Entries{L"hi", L"x", L""}));
    // The writer marks every entry: one without the mark is not ours. It is
    // no text, and a list not read whole shows no empty one either.
    const ui::value_list_read read = ui::decode_value_list(file);
    EXPECT_EQ(read.entries, (Entries{L"hi", L"x"}));
    EXPECT_FALSE(read.whole);
    // A marked entry after the damage is still found.
    const std::string after = patched(file, 0, "\x05") + ui::encode_value_list({L"z"}).substr(4);
    EXPECT_EQ(ui::decode_value_list(after).entries, (Entries{L"hi", L"x", L"z"}));
}

TEST(ValueListFile, DamagedFilesKeepTheirCompleteEntriesAndReadAsNotWhole) {
    const std::string two = ui::encode_value_list({L"first", L"second"});
    const struct {
        const char* damage;
        std::string file;
        Entries kept;
    } cases[] = {
        {"cut in the second text", two.substr(0, two.size() - 1), {L"first"}},
        {"cut in the second length", two.substr(0, 4 + 20 + 8), {L"first"}},
        {"cut in the second mark", two.substr(0, 4 + 20 + 1), {L"first"}},
        {"cut in the count", two.substr(0, 3), {}},
        {"a count far beyond the entries", patched(two, 3, "\x7F"), {L"first", L"second"}},
        {"a length of 0xFFFFFFFF",
         patched(two, 4 + 20 + 6, bytes({0xFF, 0xFF, 0xFF, 0xFF})),
         {L"first"}},
        {"bytes after the counted entries", patched(two, 0, "\x01"), {L"first"}},
        {"a UTF-8 text list",
         "Boston\nChicago\n\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\n",
         {}},
        {"a length emptied, its text left as unmarked units",
         patched(patched(two, 0, "\x09"), 4 + 6, bytes({0, 0, 0, 0})),
         {L"second"}},
    };
    for (const auto& c : cases) {
        const ui::value_list_read read = ui::decode_value_list(c.file);
        EXPECT_EQ(read.entries, c.kept) << c.damage;
        EXPECT_FALSE(read.whole) << c.damage;
    }
}

TEST(ValueListFile, GarbageGivesNoEntriesAndAFileBeyondTheBoundKeepsTheBound) {
    std::string garbage(std::size_t(1) << 20, 'g');
    garbage.replace(0, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    const ui::value_list_read read = ui::decode_value_list(garbage);
    EXPECT_TRUE(read.entries.empty());
    EXPECT_FALSE(read.whole);
    // A list of exactly the bound is whole; one more entry is cut there.
    Entries most(ui::value_list_max_entries, L"a");
    EXPECT_EQ(whole(ui::encode_value_list(most)).size(), most.size());
    most.push_back(L"b");
    const ui::value_list_read cut = ui::decode_value_list(ui::encode_value_list(most));
    EXPECT_EQ(cut.entries.size(), ui::value_list_max_entries);
    EXPECT_FALSE(cut.whole);
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

// Runs `changes` in a second process and in this one at the same moment;
// answers whether both said they succeeded.
template <class Changes>
bool in_two_processes_at_once(const Changes& changes) {
    int start[2];
    if (::pipe(start) != 0) return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(start[1]);
        char go = 0;
        const bool started = ::read(start[0], &go, 1) == 1;
        ::_exit(started && changes(L"child") ? 0 : 1);
    }
    ::close(start[0]);
    const bool started = ::write(start[1], "g", 1) == 1;
    ::close(start[1]);
    const bool ours = changes(L"parent");
    int status = 0;
    ::waitpid(child, &status, 0);
    return started && ours && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ValueListChoice : public ::testing::Test {
protected:
    std::wstring path() const { return fixture::engine_path(folder.file("Client.list")); }
    Entries stored() const { return ui::read_value_list(path()).entries; }
    // A choice opened on the list file with `text` in the field.
    ui::value_list_choice opened(const std::wstring& text) const {
        ui::value_list_choice choice(path(), text);
        choice.open();
        return choice;
    }

    fixture::temp_folder folder;
};

TEST_F(ValueListChoice, OpeningAddsTheTextOnceSortsSelectsAndWrites) {
    ui::write_value_list(path(), {L"zeta", L"alpha", L"alpha"});
    ui::value_list_choice choice = opened(L"mid");
    EXPECT_EQ(choice.entries(), (Entries{L"alpha", L"alpha", L"mid", L"zeta"}));
    EXPECT_EQ(choice.selected_index(), 2);
    EXPECT_EQ(choice.result(), L"");  // nothing is handed back before a choice
    EXPECT_EQ(stored(), choice.entries());

    ui::value_list_choice again = opened(L"zeta");
    EXPECT_EQ(again.entries().size(), 4u);
    EXPECT_EQ(again.selected_index(), 3);
}

TEST_F(ValueListChoice, AnEmptyTextAddsAndWritesNothing) {
    ui::value_list_choice none = opened(L"");
    EXPECT_EQ(none.selected_index(), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Client.list")));

    ui::write_value_list(path(), {L"b", L"a"});
    ui::value_list_choice first = opened(L"");
    EXPECT_EQ(first.selected_index(), 0);
    EXPECT_EQ(first.accept(), L"a");
    EXPECT_EQ(stored(), (Entries{L"b", L"a"}));  // left unsorted: not written
}

TEST_F(ValueListChoice, DeletingWritesTheListAndNeverHandsBackADeletedText) {
    ui::write_value_list(path(), {L"a", L"c"});
    ui::value_list_choice choice = opened(L"b");
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
    ui::value_list_choice twice = opened(L"");
    twice.select(1);
    twice.remove(1);
    EXPECT_EQ(twice.accept(), L"a");
}

TEST_F(ValueListChoice, EachChangeIsMadeToTheFileAsItIsSoTwoDialogsKeepEachOthersChanges) {
    ui::write_value_list(path(), {L"Ann", L"Bob"});
    ui::value_list_choice first = opened(L"Carol");
    ui::value_list_choice second = opened(L"Dave");
    EXPECT_EQ(stored(), (Entries{L"Ann", L"Bob", L"Carol", L"Dave"}));

    // The first dialog never saw "Dave": its deletion keeps it.
    first.remove(0);
    EXPECT_EQ(first.entries(), (Entries{L"Bob", L"Carol"}));
    EXPECT_EQ(stored(), (Entries{L"Bob", L"Carol", L"Dave"}));
    second.remove(1);
    EXPECT_EQ(stored(), (Entries{L"Carol", L"Dave"}));
    // "Bob", gone already, is not deleted twice, and nothing fails.
    first.remove(0);
    EXPECT_EQ(stored(), (Entries{L"Carol", L"Dave"}));
    EXPECT_FALSE(first.write_failure());

    // Of two equal entries a deletion takes one.
    ui::write_value_list(path(), {L"Eve", L"Eve"});
    ui::value_list_choice twice = opened(L"");
    twice.remove(0);
    EXPECT_EQ(stored(), (Entries{L"Eve"}));
}

TEST_F(ValueListChoice, TwoProgramsChangingOneListAtOnceKeepEveryChange) {
    const auto text = [](const std::wstring& who, int n) {
        return who + L" " + std::to_wstring(100 + n);
    };
    const auto add = [&](const std::wstring& who) {
        for (int n = 0; n < 100; ++n) {
            if (opened(text(who, n)).write_failure()) return false;
        }
        return true;
    };
    const auto remove = [&](const std::wstring& who) {
        for (int n = 0; n < 100; ++n) {
            ui::value_list_choice choice = opened(L"");
            const Entries& entries = choice.entries();
            choice.remove(std::int32_t(std::find(entries.begin(), entries.end(), text(who, n)) -
                                       entries.begin()));
            if (choice.write_failure()) return false;
        }
        return true;
    };
    ui::write_value_list(path(), {L"kept"});
    ASSERT_TRUE(in_two_processes_at_once(add));
    Entries all = {L"kept"};
    for (const wchar_t* who : {L"child", L"parent"}) {
        for (int n = 0; n < 100; ++n) all.push_back(text(who, n));
    }
    ui::sort_value_list(all);
    EXPECT_EQ(stored(), all);
    ASSERT_TRUE(in_two_processes_at_once(remove));
    EXPECT_EQ(stored(), (Entries{L"kept"}));
    // No lock file stays beside the list.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    // A change that waits past its time for another writes nothing and says so.
    {
        const engine::file_lock held(folder.file("Client.list"), std::chrono::milliseconds(0));
        ASSERT_EQ(held.result(), engine::file_lock::outcome::held);
        ui::value_list_choice waited(path(), L"typed", std::chrono::milliseconds(50));
        waited.open();
        EXPECT_EQ(waited.entries(), (Entries{L"kept", L"typed"}));
        EXPECT_TRUE(waited.busy());
        EXPECT_EQ(waited.note(),
                  L"This list was not changed: another program was changing it and did not "
                  L"finish in time. Open the list again to try once more.");
        EXPECT_EQ(stored(), (Entries{L"kept"}));
    }
    ui::value_list_choice after = opened(L"typed");
    EXPECT_FALSE(after.busy());
    EXPECT_EQ(after.note(), L"");
    EXPECT_EQ(stored(), (Entries{L"kept", L"typed"}));
}

TEST_F(ValueListChoice, AFileNotReadWholeIsKeptAsUnreadableBeforeTheListIsWritten) {
    const std::string good = ui::encode_value_list({L"Ann", L"Bob"});
    // Twelve megabytes of garbage: three times the bound of bytes read.
    std::string garbage(std::size_t(12) << 20, '\x5A');
    const struct {
        const char* damage;
        std::string file;
        Entries shown;
    } cases[] = {
        {"garbage", garbage, {}},
        {"a UTF-8 text list",
         "Boston\nChicago\n\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\n",
         {}},
        {"a truncated file", good.substr(0, good.size() - 3), {L"Ann"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        fixture::write_bytes(folder.file("Client.list"), c.file);
        ui::value_list_choice choice = opened(L"typed");
        Entries expected = c.shown;
        // A full list takes no new text.
        if (expected.size() < ui::value_list_max_entries) expected.push_back(L"typed");
        EXPECT_EQ(choice.entries(), expected) << c.damage;
        // The opening wrote the list, unless the list was full; a deletion
        // writes it in any case.
        choice.remove(0);
        EXPECT_EQ(choice.kept_as(), L"Client.list.unreadable") << c.damage;
        EXPECT_EQ(fixture::read_bytes(folder.file("Client.list.unreadable")), c.file) << c.damage;
        EXPECT_EQ(stored(), choice.entries()) << c.damage;
        // Bounded by the entries kept, not by the file: ten bytes of frame
        // per entry beside the texts.
        EXPECT_LE(std::filesystem::file_size(folder.file("Client.list")),
                  4 + 10 * ui::value_list_max_entries + 64)
            << c.damage;
        // Kept once: no later write keeps it again.
        EXPECT_FALSE(std::filesystem::exists(folder.file("Client.list.2.unreadable"))) << c.damage;
    }

    // A name taken already gives the next one; a whole list keeps nothing.
    fixture::write_bytes(folder.file("Client.list"), "bad");
    ui::value_list_choice again = opened(L"typed");
    EXPECT_EQ(again.kept_as(), L"Client.list.2.unreadable");
    ui::value_list_choice whole_list = opened(L"more");
    EXPECT_EQ(whole_list.kept_as(), L"");
}

TEST_F(ValueListChoice, AFileThatCannotBeKeptIsNotWritten) {
    fixture::write_bytes(folder.file("Client.list"), "bad");
    // Every name it could be kept under is taken by a dangling link.
    for (int n = 1; n <= 100; ++n) {
        const std::string name =
            n == 1 ? "Client.list.unreadable" : "Client.list." + std::to_string(n) + ".unreadable";
        std::filesystem::create_symlink("nowhere", folder.file(name));
    }
    ui::value_list_choice choice = opened(L"typed");
    EXPECT_EQ(choice.entries(), (Entries{L"typed"}));
    EXPECT_EQ(choice.kept_as(), L"");
    EXPECT_TRUE(choice.no_name_to_keep());
    EXPECT_TRUE(choice.write_failure());
    EXPECT_EQ(fixture::read_bytes(folder.file("Client.list")), "bad");
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
    ui::value_list_choice choice = opened(L"x");
    EXPECT_EQ(choice.entries(), (Entries{L"x"}));
    // Said as what it is, not as a file that could not be kept aside.
    EXPECT_EQ(choice.write_failure(), std::errc::is_a_directory);
    EXPECT_FALSE(choice.no_name_to_keep());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("Client.list") / "inside"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
