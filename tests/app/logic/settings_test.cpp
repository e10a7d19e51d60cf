#include "app/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "app/temp_folder.h"

namespace {

using app::settings;
using app_test::read_file;
using app_test::TempFolder;
using app_test::utf16le;
using app_test::write_file;

// A settings file of the given lines, as the program writes them.
std::string file_of(std::u16string_view count, std::initializer_list<std::u16string_view> lines) {
    std::u16string text(count);
    for (auto line : lines) {
        text += u"\r\n";
        text += line;
    }
    text += u"\r\n";
    return utf16le(text);
}

TEST(Settings, FirstStartWritesTheDefaultsStartingWithTheCount) {
    TempFolder folder;
    settings config;
    config.load(folder.text());
    // `31 00` first: no byte-order mark.
    const std::string prefix = utf16le(u"16\r\nLanguage:\t\t1.000000\r\nLastDocument:\t\tДоговоры/");
    EXPECT_EQ(read_file(folder / L"tembrick.ini").substr(0, prefix.size()), prefix);
    EXPECT_EQ(config.lines.size(), 16u);
}

TEST(Settings, WrittenValuesReadBackTheSame) {
    TempFolder folder;
    settings written;
    written.path = app::text_of(folder / L"tembrick.ini");
    written.Language = 0;
    written.LastDocument = L"Кадры/Трудовой договор.brik";
    written.LastDocumentEng = L"Forms/Invoice: \U0001F600 \xD800.brik";  // a pair and a lone surrogate
    written.DocumentZoom = 125.5;
    written.DataPanelWidth = 512.25;
    written.WindowX = -8;
    ASSERT_TRUE(written.write());
    EXPECT_FALSE(std::filesystem::exists(folder / L"tembrick.ini.tmp"));

    settings read;
    read.load(folder.text());
    EXPECT_EQ(read.Language, 0);
    EXPECT_EQ(read.LastDocument, written.LastDocument);
    EXPECT_EQ(read.LastDocumentEng, written.LastDocumentEng);
    EXPECT_EQ(read.DocumentZoom, 125.5);
    EXPECT_EQ(read.DataPanelWidth, 512.25);
    EXPECT_EQ(read.WindowX, -8);
}

TEST(Settings, ReadRulesForKeysValuesAndTheCount) {
    TempFolder folder;
    const std::u16string long_name = u"LastDocumentEng:\t\t" + std::u16string(600, u'x') + u".brik";
    write_file(folder / L"tembrick.ini",
               file_of(u"10", {
                                  u"Language: 0.000000 \t",            // one blank instead of two tabs
                                  u"language:\t\t1.000000",            // wrong case: ignored
                                  u" StartOnLibrary:\t\t0.000000",     // blank before the key: ignored
                                  u"DocumentZoom:\t\t125.5px",         // trailing text after the number
                                  u"MenuPanelWidth:\t\tabc",           // not a number
                                  u"LastDocument:\t\tForms/A: B.brik",  // keeps what follows the first colon
                                  u"no colon at all",
                                  u"DataPanelWidth:\t\t400",
                                  u"DataPanelWidth:\t\t410",  // the later one wins
                                  long_name,                  // a long line does not end the reading
                                  u"WindowX:\t\t5",           // past the count
                              }));
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

    write_file(folder / L"tembrick.ini", file_of(u"x", {u"DocumentZoom:\t\t90"}));
    settings unreadable_count;
    unreadable_count.load(folder.text());
    EXPECT_EQ(unreadable_count.DocumentZoom, 100);
}

TEST(Settings, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    settings config;
    config.load(folder.text());
    const std::string before = read_file(folder / L"tembrick.ini");
    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directory(folder / L"tembrick.ini.tmp");
    config.DocumentZoom = 150;
    EXPECT_FALSE(config.write());
    EXPECT_EQ(read_file(folder / L"tembrick.ini"), before);
}

TEST(Settings, NumbersIgnoreACommaDecimalLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    TempFolder folder;
    settings written;
    written.path = app::text_of(folder / L"tembrick.ini");
    written.DocumentZoom = 125.5;
    const bool ok = written.write();
    settings read;
    read.path = written.path;
    read.read();
    const std::string bytes = read_file(folder / L"tembrick.ini");
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(ok);
    EXPECT_NE(bytes.find(utf16le(u"DocumentZoom:\t\t125.500000")), std::string::npos);
    EXPECT_EQ(read.DocumentZoom, 125.5);
}

}  // namespace
