#include "core/library_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/interface_language_fixture.h"
#include "core/temp_folder.h"
#include "engine/text/utf16.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using core::library_folders;
using core_test::read_file;
using core_test::write_file;

class LibraryFolders : public core_test::interface_language_test {
protected:
    LibraryFolders() {
        write_file(root / L"install/briks/01/Library.brik", "en-library");
        write_file(root / L"install/briks/01/Agreements/Sales Agreement.brik", "en-sales");
        write_file(root / L"install/briks/00/Библиотека.brik", "ru-library");
        write_file(root / L"install/briks/00/Договоры/Договор.brik", "ru-contract");
        fs::create_directories(root / L"data");
        fs::create_directories(root / L"cache/tembrick/temp");
    }
    fs::path data(std::wstring_view relative) const {
        return root / (L"data/briks/" + std::wstring(relative));
    }
    std::wstring data_text(std::wstring_view relative) const {
        return core::text_of(data(relative));
    }

    core_test::TempFolder root;
    library_folders folders{core::text_of(root / L"install"), core::text_of(root / L"data"),
                            core::text_of(root / L"cache/tembrick/temp")};
};

TEST_F(LibraryFolders, EachLanguageIsInstalledBesideTheOtherSkippingFilesThatExist) {
    // The library page was deleted, an edited document stayed.
    write_file(root / L"data/briks/Agreements/Sales Agreement.brik", "edited");
    EXPECT_EQ(folders.resolve(L"Library.brik"), data_text(L"Library.brik"));
    EXPECT_EQ(read_file(data(L"Agreements/Sales Agreement.brik")), "edited");
    EXPECT_FALSE(fs::exists(data(L"Библиотека.brik")));

    core::current_language = 1;
    EXPECT_EQ(folders.resolve(L"Договоры/Договор.brik"), data_text(L"Договоры/Договор.brik"));
    EXPECT_EQ(read_file(data(L"Library.brik")), "en-library");
    EXPECT_EQ(read_file(data(L"Библиотека.brik")), "ru-library");
}

TEST_F(LibraryFolders, MissingUncheckableAndEscapingNamesResolveToNothing) {
    write_file(root / L"data/secret.brik", "outside");
    fs::create_directories(data(L"Agreements"));
    fs::create_symlink("Loop.brik", data(L"Agreements/Loop.brik"));
    for (const std::wstring& name :
         {L"Agreements/Missing.brik"s, L".brik"s, L"../secret.brik"s,
          L"Agreements/../../secret.brik"s, L"..\\secret.brik"s,
          core::text_of(root / L"data/secret.brik"), L"Library.brik\0x"s,
          std::wstring(295, L'x') + L".brik", L"Agreements/Loop.brik"s}) {
        EXPECT_EQ(folders.resolve(name), L"") << engine::to_utf8(name);
    }
    EXPECT_FALSE(fs::exists(data(L"Agreements/Missing.brik")));
    // A backslash separates folders as a slash does.
    EXPECT_EQ(folders.resolve(L"Agreements\\Sales Agreement.brik"),
              data_text(L"Agreements/Sales Agreement.brik"));
}

TEST_F(LibraryFolders, ClearTempEmptiesOnlyThePrivateFolder) {
    write_file(root / L"cache/tembrick/temp/nested/deeper/page.html", "html");
    folders.clear_temp();
    EXPECT_TRUE(fs::is_directory(root / L"cache/tembrick/temp"));
    EXPECT_TRUE(fs::is_empty(root / L"cache/tembrick/temp"));

    write_file(root / L"elsewhere/keep.txt", "keep");
    library_folders(L"", L"", core::text_of(root / L"elsewhere")).clear_temp();
    EXPECT_TRUE(fs::exists(root / L"elsewhere/keep.txt"));
    library_folders(L"", L"", L"tembrick/temp").clear_temp();
    library_folders unknown;
    unknown.clear_temp();
    EXPECT_EQ(unknown.resolve(L"Library.brik"), L"");
}

}  // namespace
