#include "app/library_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/document/process_state.h"
#include "engine/document/utf16.h"
#include "app/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using app::library_folders;
using app_test::read_file;
using app_test::TempFolder;
using app_test::write_file;

class LibraryFolders : public ::testing::Test {
protected:
    LibraryFolders() {
        write_file(root / L"install/briks/01/Library.brik", "en-library");
        write_file(root / L"install/briks/01/Agreements/Sales Agreement.brik", "en-sales");
        write_file(root / L"install/briks/00/Библиотека.brik", "ru-library");
        write_file(root / L"install/briks/00/Договоры/Договор.brik", "ru-contract");
        fs::create_directories(root / L"data");
        fs::create_directories(root / L"cache/tembrick/temp");
        folders = library_folders(app::text_of(root / L"install"), app::text_of(root / L"data"),
                                  app::text_of(root / L"cache/tembrick/temp"));
    }
    ~LibraryFolders() override { engine::current_language = 0; }

    TempFolder root;
    library_folders folders;
};

TEST_F(LibraryFolders, EachLanguageIsInstalledBesideTheOther) {
    engine::current_language = 0;
    EXPECT_EQ(folders.resolve(L"Library.brik"), app::text_of(root / L"data/briks/Library.brik"));
    EXPECT_TRUE(fs::exists(root / L"data/briks/Agreements/Sales Agreement.brik"));
    EXPECT_FALSE(fs::exists(root / L"data/briks/Библиотека.brik"));

    engine::current_language = 1;
    EXPECT_EQ(folders.resolve(L"Договоры/Договор.brik"), app::text_of(root / L"data/briks/Договоры/Договор.brik"));
    EXPECT_EQ(read_file(root / L"data/briks/Library.brik"), "en-library");
    EXPECT_EQ(read_file(root / L"data/briks/Библиотека.brik"), "ru-library");
}

TEST_F(LibraryFolders, InstallSkipsFilesThatAlreadyExist) {
    engine::current_language = 0;
    // The library page was deleted, an edited document stayed.
    write_file(root / L"data/briks/Agreements/Sales Agreement.brik", "edited");
    folders.install_library();
    EXPECT_EQ(read_file(root / L"data/briks/Agreements/Sales Agreement.brik"), "edited");
    EXPECT_EQ(read_file(root / L"data/briks/Library.brik"), "en-library");
}

TEST_F(LibraryFolders, MissingNamesAndNamesThatCouldLeaveTheLibraryResolveToNothing) {
    engine::current_language = 0;
    write_file(root / L"data/secret.brik", "outside");
    for (const std::wstring& name : {std::wstring(L"Agreements/Missing.brik"), std::wstring(L".brik"),
                                     std::wstring(L"../secret.brik"), std::wstring(L"Agreements/../../secret.brik"),
                                     std::wstring(L"..\\secret.brik"), app::text_of(root / L"data/secret.brik"),
                                     std::wstring(L"Library.brik\0x", 14)}) {
        EXPECT_EQ(folders.resolve(name), L"") << engine::to_utf8(name);
    }
    EXPECT_FALSE(fs::exists(root / L"data/briks/Agreements/Missing.brik"));
    // A backslash separates folders as a slash does.
    EXPECT_EQ(folders.resolve(L"Agreements\\Sales Agreement.brik"),
              app::text_of(root / L"data/briks/Agreements/Sales Agreement.brik"));
}

TEST_F(LibraryFolders, ClearTempEmptiesOnlyThePrivateFolder) {
    write_file(root / L"cache/tembrick/temp/nested/deeper/page.html", "html");
    folders.clear_temp();
    EXPECT_TRUE(fs::is_directory(root / L"cache/tembrick/temp"));
    EXPECT_TRUE(fs::is_empty(root / L"cache/tembrick/temp"));

    write_file(root / L"elsewhere/keep.txt", "keep");
    library_folders foreign(L"", L"", app::text_of(root / L"elsewhere"));
    foreign.clear_temp();
    EXPECT_TRUE(fs::exists(root / L"elsewhere/keep.txt"));
    library_folders relative(L"", L"", L"tembrick/temp");
    relative.clear_temp();
    library_folders unknown;
    unknown.clear_temp();
    EXPECT_EQ(unknown.resolve(L"Library.brik"), L"");
}

}  // namespace
