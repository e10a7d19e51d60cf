#include "app/library_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/document/process_state.h"
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

TEST_F(LibraryFolders, MissingNamesResolveToNothingAndCreateNothing) {
    engine::current_language = 0;
    EXPECT_EQ(folders.resolve(L"Agreements/Missing.brik"), L"");
    EXPECT_FALSE(fs::exists(root / L"data/briks/Agreements/Missing.brik"));
    EXPECT_EQ(folders.resolve(L".brik"), L"");
}

TEST_F(LibraryFolders, NamesThatCouldLeaveTheLibraryAreMissing) {
    engine::current_language = 0;
    write_file(root / L"data/secret.brik", "outside");
    EXPECT_EQ(folders.resolve(L"../secret.brik"), L"");
    EXPECT_EQ(folders.resolve(L"Agreements/../../secret.brik"), L"");
    EXPECT_EQ(folders.resolve(L"..\\secret.brik"), L"");
    EXPECT_EQ(folders.resolve(app::text_of(root / L"data/secret.brik")), L"");
    EXPECT_EQ(folders.resolve(std::wstring(L"Library.brik\0x", 14)), L"");
    // A backslash separates folders as a slash does.
    EXPECT_EQ(folders.resolve(L"Agreements\\Sales Agreement.brik"),
              app::text_of(root / L"data/briks/Agreements/Sales Agreement.brik"));
}

TEST_F(LibraryFolders, UnknownFoldersDoNothing) {
    library_folders unknown;
    EXPECT_EQ(unknown.resolve(L"Library.brik"), L"");
    EXPECT_EQ(unknown.lists_folder(), L"");
    unknown.clear_temp();

    library_folders no_install(L"", app::text_of(root / L"data"), L"");
    no_install.install_library();
    EXPECT_FALSE(fs::exists(root / L"data/briks"));
}

TEST_F(LibraryFolders, ListsFolderIsCreatedOnFirstUse) {
    const std::wstring lists = folders.lists_folder();
    EXPECT_EQ(lists, app::text_of(root / L"data/lists"));
    EXPECT_TRUE(fs::is_directory(root / L"data/lists"));
    EXPECT_EQ(folders.lists_folder(), lists);
}

TEST_F(LibraryFolders, ClearTempEmptiesOnlyThePrivateFolder) {
    write_file(root / L"cache/tembrick/temp/preview.pdf", "pdf");
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
}

TEST(FileSize, GivesBytesOrZero) {
    TempFolder folder;
    write_file(folder / L"image.png", std::string(1234, 'x'));
    EXPECT_EQ(app::file_size_of(app::text_of(folder / L"image.png")), 1234.0);
    EXPECT_EQ(app::file_size_of(app::text_of(folder / L"missing.png")), 0.0);
    EXPECT_EQ(app::file_size_of(L""), 0.0);
}

}  // namespace
