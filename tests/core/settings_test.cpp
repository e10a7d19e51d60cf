#include "core/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <iterator>

#include "core/temp_folder.h"

namespace {

using core::settings;
using core_test::read_file;
using core_test::settings_file;
using core_test::utf16le;

class Settings : public ::testing::Test {
protected:
    Settings() { written.path = core::text_of(file()); }
    settings read_back() {
        EXPECT_TRUE(written.write());
        settings read;
        read.load(folder.text());
        return read;
    }
    std::filesystem::path file() const { return folder / L"tembrick.ini"; }

    core_test::TempFolder folder;
    settings written;
};

TEST_F(Settings, FirstStartWritesTheDefaultsStartingWithTheCount) {
    settings config;
    config.load(folder.text());
    // `31 00` first: no byte-order mark.
    EXPECT_TRUE(read_file(file()).starts_with(
        utf16le(u"16\r\nLanguage:\t\t1.000000\r\nLastDocument:\t\tДоговоры/")));
    EXPECT_EQ(config.lines.size(), 16u);
}

TEST_F(Settings, WrittenValuesReadBackTheSameAndAFailedWriteKeepsTheOldFile) {
    written.Language = 0;
    written.LastDocument = L"Кадры/Трудовой договор.brik";
    written.LastDocumentEng =
        L"Forms/Invoice: \U0001F600 \xD800.brik";  // a pair and a lone surrogate
    written.DocumentZoom = 125.5;
    written.DataPanelWidth = 512.25;
    written.WindowX = -8;
    const settings read = read_back();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
              1);  // no temporary file
    EXPECT_EQ(read.Language, 0);
    EXPECT_EQ(read.LastDocument, written.LastDocument);
    EXPECT_EQ(read.LastDocumentEng, written.LastDocumentEng);
    EXPECT_EQ(read.DocumentZoom, 125.5);
    EXPECT_EQ(read.DataPanelWidth, 512.25);
    EXPECT_EQ(read.WindowX, -8);

    // A temporary file that cannot be made fails the write; the old file stays.
    const std::string before = read_file(file());
    written.DocumentZoom = 150;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(written.write("missing/.paperwright-1-1.saving"));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(read_file(file()), before);
}

TEST_F(Settings, AFolderInTheWayIsReportedOnceAndTemporaryNamesFollowNoLink) {
    std::filesystem::create_directory(file());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(written.write());
    EXPECT_FALSE(written.write());
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("tembrick.ini"), std::string::npos);
    EXPECT_EQ(reported.find("tembrick.ini"), reported.rfind("tembrick.ini"));  // once
    std::filesystem::remove(file());

    // Links at the next temporary name and at the name of earlier versions:
    // their targets stay as they were, and the file is still written.
    const std::filesystem::path victim = folder / L"victim.txt";
    core_test::write_file(victim, "keep");
    std::filesystem::create_symlink(victim, folder / L".paperwright-1-1.saving");
    std::filesystem::create_symlink(victim, folder / L"tembrick.ini.tmp");
    EXPECT_TRUE(written.write(".paperwright-1-1.saving"));
    EXPECT_EQ(read_file(victim), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / L".paperwright-1-1.saving"));
    EXPECT_TRUE(core_test::file_contains(file(), u"DocumentZoom:\t\t100.000000"));
}

TEST_F(Settings, ReadRulesForKeysValuesAndTheCount) {
    const std::u16string long_name = u"LastDocumentEng:\t\t" + std::u16string(600, u'x') + u".brik";
    core_test::write_file(
        file(), settings_file(
                    {
                        u"Language: 0.000000 \t",             // one blank instead of two tabs
                        u"language:\t\t1.000000",             // wrong case: ignored
                        u" StartOnLibrary:\t\t0.000000",      // blank before the key: ignored
                        u"DocumentZoom:\t\t125.5px",          // trailing text after the number
                        u"MenuPanelWidth:\t\tabc",            // not a number
                        u"LastDocument:\t\tForms/A: B.brik",  // keeps what follows the first colon
                        u"no colon at all",
                        long_name,  // a long line does not end the reading
                        u"DataPanelWidth:\t\t400",
                        u"DataPanelWidth:\t\t410",  // the later one wins
                        u"WindowX:\t\t5",           // past the count
                    },
                    u"10"));
    settings config;
    config.load(folder.text());
    EXPECT_EQ(config.Language, 0);
    EXPECT_EQ(config.StartOnLibrary, 1);
    EXPECT_EQ(config.DocumentZoom, 125.5);
    EXPECT_EQ(config.MenuPanelWidth, 0);
    EXPECT_EQ(config.LastDocument, L"Forms/A: B.brik");
    EXPECT_EQ(config.DataPanelWidth, 410);
    EXPECT_EQ(config.LastDocumentEng.size(), 605u);
    EXPECT_EQ(config.WindowX, 0);

    core_test::write_file(file(), settings_file({u"DocumentZoom:\t\t90"}, u"x"));
    settings unreadable_count;
    unreadable_count.load(folder.text());
    EXPECT_EQ(unreadable_count.DocumentZoom, 100);
}

TEST_F(Settings, AFileThatCannotBeCheckedLeavesTheDefaultsAndIsNotWrittenOver) {
    std::filesystem::create_symlink("tembrick.ini", file());
    settings config;
    config.load(folder.text());
    EXPECT_EQ(config.DocumentZoom, 100);
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
}

TEST_F(Settings, NumbersIgnoreACommaDecimalLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    written.DocumentZoom = 125.5;
    const settings read = read_back();
    const bool kept = core_test::file_contains(file(), u"DocumentZoom:\t\t125.500000");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(kept);
    EXPECT_EQ(read.DocumentZoom, 125.5);
}

}  // namespace
