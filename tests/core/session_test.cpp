#include "core/session.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "core/counted_writes.h"
#include "core/interface_language_fixture.h"
#include "core/sample_library.h"
#include "engine/text/utf16.h"
#include "support/brik_fixture.h"

namespace {

using core::SavePrintPage;
using core::ViewMode;

class Session : public core_test::interface_language_test, public core_test::SampleLibrary {
protected:
    std::unique_ptr<core::session> start(std::optional<std::wstring> region = L"US") {
        return std::make_unique<core::session>(folders(), [region] { return region; });
    }
};

TEST_F(Session, StartsBeforeAnyDocumentWithTheSettingsFileAndTheRegionsLanguage) {
    write_settings({u"Language:\t\t0.000000", u"OpenDocAfterSaving:\t\t0.500000"});
    const auto session = start(L"by");
    EXPECT_EQ(session->language(), 1);
    EXPECT_EQ(core::current_language, 1);
    EXPECT_EQ(session->document(), nullptr);
    EXPECT_TRUE(session->library_shown());
    EXPECT_FALSE(session->output().open_after_saving);  // only exactly 1 opens
    EXPECT_EQ(session->start_page(), L"Библиотека.brik");

    // A region that cannot be read leaves the stored language.
    const auto unread = std::make_unique<core::session>(
        folders(), []() -> std::optional<std::wstring> { throw std::runtime_error("no region"); });
    EXPECT_EQ(unread->language(), 0);
    EXPECT_EQ(unread->start_page(), L"Library.brik");
}

TEST_F(Session, WithoutADataFolderTheDefaultsStandAndNothingIsWritten) {
    core::program_folders unknown = folders();
    unknown.data.clear();
    core::session session(unknown, {});
    EXPECT_TRUE(session.config().path.empty());
    EXPECT_EQ(session.language(), 1);  // the default
    session.open_document(session.library_page());
    ASSERT_NE(session.document(), nullptr);
    EXPECT_FALSE(session.document()->loaded());
    EXPECT_TRUE(session.close_document());
    EXPECT_FALSE(std::filesystem::exists(data_file(L"tembrick.ini")));
}

TEST_F(Session, OpeningRecordsTheLastDocumentAndClosingWritesTheSectionBack) {
    const auto session = start();
    session->open_document(session->library_page());
    EXPECT_TRUE(session->library_shown());
    EXPECT_EQ(session->config().LastDocumentEng, L"Agreements/Sales Agreement.brik");
    const std::uint64_t library = session->document_serial();
    ASSERT_TRUE(session->close_document());
    EXPECT_FALSE(session->is_same_document(library));

    session->open_document(L"Folder/Two Words.brik");
    EXPECT_FALSE(session->library_shown());
    EXPECT_FALSE(session->view().library_shown);
    EXPECT_EQ(session->last_document(), L"Folder/Two Words.brik");
    EXPECT_EQ(session->data()->page_setup.record.s5, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_TRUE(session->has_loaded_document());
    EXPECT_EQ(session->formatting().margin_left, 19);
    session->set_section(3);
    EXPECT_EQ(session->view().section, 3);
    ASSERT_TRUE(session->close_document());
    EXPECT_EQ(core_test::stored_section(data_file(L"briks/Folder/Two Words.brik")), 3);

    // Reopened, the document selects its stored section again.
    session->open_document(L"Folder/Two Words.brik");
    EXPECT_EQ(session->section(), 3);
    EXPECT_TRUE(session->is_same_document(session->document_serial()));
}

TEST_F(Session, AFailedWriteBackKeepsTheDocumentOpenAndADocumentNotLoadedIsNeverWritten) {
    const auto session = start();
    session->open_document(L"Folder/Two Words.brik");
    core_test::type_a_value(*session);
    std::filesystem::remove_all(data_file(L"briks/Folder"));
    EXPECT_FALSE(session->close_document());
    ASSERT_NE(session->document(), nullptr);
    EXPECT_EQ(session->document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_EQ(session->write_failure(), std::errc::no_such_file_or_directory);

    session->open_document(L"../secret.brik");
    EXPECT_EQ(session->document()->path, L"");
    EXPECT_FALSE(session->has_loaded_document());
    EXPECT_TRUE(session->close_document());
    EXPECT_EQ(session->data(), nullptr);
}

TEST_F(Session, ADocumentIsWrittenBackOnlyWhenItsBytesDiffer) {
    core_test::counted_writes files;
    core::session session(
        folders(), [] { return L"US"; }, files);
    session.open_document(L"Folder/Two Words.brik");
    ASSERT_TRUE(session.close_document());  // the file learns its path
    const int first = files.writes;
    session.open_document(L"Folder/Two Words.brik");
    ASSERT_TRUE(session.close_document());
    EXPECT_EQ(files.writes, first);
    session.open_document(L"Folder/Two Words.brik");
    session.set_section(2);
    ASSERT_TRUE(session.close_document());
    EXPECT_EQ(files.writes, first + 1);
    EXPECT_EQ(core_test::stored_section(data_file(L"briks/Folder/Two Words.brik")), 2);
}

TEST_F(Session, AReadOnlyLibraryClosesEveryDocumentButOneWhoseTypedValuesWouldBeLost) {
    { start()->open_document(L"Folder/Two Words.brik"); }  // installs the library
    // A library page whose page setup was never made: a render writes its
    // defaults.
    fixture::brik_tree page;
    page.page_setup.groups.emplace_back().elements.resize(2);
    page.pages.groups.emplace_back().record.a = 1;
    core_test::write_file(data_file(L"briks/Library.brik"), fixture::write_brik(page));
    core_test::counted_writes files;
    files.read_only = true;
    core::session session(
        folders(), [] { return L"US"; }, files);
    session.open_document(session.library_page());
    (void)session.screen_html();
    ASSERT_EQ(session.data()->page_setup.groups.at(0).record.d1, 210);
    EXPECT_TRUE(session.close_document());
    session.open_document(L"Folder/Two Words.brik");
    session.set_section(3);
    EXPECT_TRUE(session.close_document());  // only the stored section is lost
    EXPECT_EQ(session.document(), nullptr);

    session.open_document(L"Folder/Two Words.brik");
    core_test::type_a_value(session);
    EXPECT_FALSE(session.close_document());
    ASSERT_NE(session.document(), nullptr);
    EXPECT_EQ(session.write_failure(), std::errc::read_only_file_system);
    EXPECT_GT(files.writes, 0);
}

TEST_F(Session, TemporaryFilesOfInterruptedSavesAreRemovedUnlessTheirProcessIsOursAndRunning) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const auto saving = [](pid_t pid, int n) {
        return L".paperwright-" + std::to_wstring(pid) + L"-" + std::to_wstring(n) + L".saving";
    };
    // Of a dead process, and of a running one of another program (pid 1).
    const std::wstring removed[] = {saving(child, 7), saving(1, 7)};
    const std::wstring kept[] = {saving(::getpid(), 7), L".paperwright-x-7.saving", L"notes.saving",
                                 L"Договор.brik"};
    const std::wstring folders[] = {L"", L"lists/", L"briks/", L"briks/Agreements/"};
    for (const std::wstring& folder : folders) {
        for (const std::wstring& name : removed)
            core_test::write_file(data_file(folder + name), "");
        for (const std::wstring& name : kept) core_test::write_file(data_file(folder + name), "");
    }
    std::filesystem::create_directories(data_file(L"briks/" + saving(child, 8)));
    std::filesystem::create_symlink(data_file(L"Договор.brik"), data_file(saving(child, 9)));

    const auto session = start();
    for (const std::wstring& folder : folders) {
        for (const std::wstring& name : removed) {
            EXPECT_FALSE(std::filesystem::exists(data_file(folder + name)))
                << engine::to_utf8(folder + name);
        }
        for (const std::wstring& name : kept) {
            EXPECT_TRUE(std::filesystem::exists(data_file(folder + name)))
                << engine::to_utf8(folder + name);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(data_file(L"briks/" + saving(child, 8))));
    EXPECT_TRUE(std::filesystem::is_symlink(data_file(saving(child, 9))));
}

TEST_F(Session, EachModeKeepsItsOwnMenuEntryAndOnlyNoneBecomesTheFirst) {
    const auto session = start();
    session->select(2);
    session->set_mode(ViewMode::settings);
    session->select(-1);
    session->set_mode(ViewMode::save_print);
    session->select(1);
    EXPECT_EQ(session->save_print_page(), SavePrintPage::save);
    EXPECT_EQ(session->selected_index(), 1);

    session->set_mode(ViewMode::data);
    EXPECT_EQ(session->selected_index(), 2);
    EXPECT_EQ(session->view().section, 2);
    session->set_mode(ViewMode::settings);
    EXPECT_EQ(session->selected_index(), -1);
    session->set_section(9);
    session->select_first_where_none();
    EXPECT_EQ(session->selected_index(), 0);
    EXPECT_EQ(session->section(), 9);
}

}  // namespace
