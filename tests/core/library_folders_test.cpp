#include "core/library_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/interface_language_fixture.h"
#include "core/sample_library.h"
#include "engine/text/utf16.h"
#include "support/unwritable_tree.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using core::library_folders;
using core_test::read_file;
using core_test::write_file;

class LibraryFolders : public core_test::interface_language_test, public core_test::SampleLibrary {
protected:
    fs::path brik(std::wstring_view relative) const {
        return data_file(L"briks/" + std::wstring(relative));
    }
    library_folders library{folders().install, folders().data, folders().temp};
};

TEST_F(LibraryFolders, EachLanguageIsInstalledBesideTheOtherSkippingFilesThatExist) {
    // The library page was deleted, an edited document stayed.
    write_file(root / L"data/briks/Agreements/Sales Agreement.brik", "edited");
    EXPECT_EQ(library.resolve(L"Library.brik"), data_text(L"briks/Library.brik"));
    EXPECT_EQ(read_file(brik(L"Agreements/Sales Agreement.brik")), "edited");
    EXPECT_FALSE(fs::exists(brik(L"Библиотека.brik")));

    core::current_language = 1;
    EXPECT_EQ(library.resolve(L"Библиотека.brik"), data_text(L"briks/Библиотека.brik"));
    EXPECT_EQ(read_file(brik(L"Library.brik")), core_test::document_bytes(u"Library"));
    EXPECT_EQ(read_file(brik(L"Библиотека.brik")), core_test::document_bytes(u"Библиотека"));
}

TEST_F(LibraryFolders, MissingUncheckableAndEscapingNamesResolveToNothing) {
    write_file(root / L"data/secret.brik", "outside");
    fs::create_directories(brik(L"Agreements"));
    fs::create_symlink("Loop.brik", brik(L"Agreements/Loop.brik"));
    for (const std::wstring& name :
         {L"Agreements/Missing.brik"s, L".brik"s, L"../secret.brik"s,
          L"Agreements/../../secret.brik"s, L"..\\secret.brik"s,
          core::text_of(root / L"data/secret.brik"), L"Library.brik\0x"s,
          std::wstring(295, L'x') + L".brik", L"Agreements/Loop.brik"s}) {
        EXPECT_EQ(library.resolve(name), L"") << engine::to_utf8(name);
    }
    EXPECT_FALSE(fs::exists(brik(L"Agreements/Missing.brik")));
    // A backslash separates folders as a slash does.
    EXPECT_EQ(library.resolve(L"Agreements\\Sales Agreement.brik"),
              data_text(L"briks/Agreements/Sales Agreement.brik"));
}

TEST_F(LibraryFolders, ADataFolderThatCannotBeWrittenServesOnlyTheLibraryCopiedBefore) {
    using core::data_folder_use;
    EXPECT_EQ(library.prepare_data_folder().use, data_folder_use::writable);
    EXPECT_TRUE(fs::exists(brik(L"Library.brik")));
    {
        const fixture::unwritable_tree unwritable(root / L"data");
        if (!unwritable.made()) GTEST_SKIP() << "root, on a file system without immutable files";
        const core::data_folder_check english = library.prepare_data_folder();
        EXPECT_EQ(english.use, data_folder_use::read_only);
        EXPECT_TRUE(english.reason);
        core::current_language = 1;
        const core::data_folder_check russian = library.prepare_data_folder();
        EXPECT_EQ(russian.use, data_folder_use::no_library);
        EXPECT_TRUE(russian.reason);
        // Opening a page of that language says so as a sentence.
        try {
            library.resolve(L"Библиотека.brik");
            ADD_FAILURE() << "the library was taken as copied";
        } catch (const std::runtime_error& refused) {
            EXPECT_TRUE(
                std::string_view(refused.what())
                    .starts_with("Библиотеку шаблонов не удаётся скопировать в папку данных " +
                                 (root / L"data").string() + ": "))
                << refused.what();
        }
    }
    // A file where the data folder must be made stops root as well.
    write_file(root / L"file", "x");
    library_folders under_a_file(folders().install, core::text_of(root / L"file/data"), L"");
    EXPECT_EQ(under_a_file.prepare_data_folder().reason, std::errc::not_a_directory);
}

TEST_F(LibraryFolders, ClearTempEmptiesOnlyThePrivateFolder) {
    write_file(root / L"cache/tembrick/temp/nested/deeper/page.html", "html");
    library.clear_temp();
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
