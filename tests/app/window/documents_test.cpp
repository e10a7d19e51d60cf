#include <gtest/gtest.h>

#include "core/counted_writes.h"
#include "core/interface_texts.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/text/utf16.h"
#include "window/window_fixture.h"

namespace {

using core_test::stored_section;
using core_test::write_file;

const std::wstring scroll_reset =
    L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";

class OpeningDocuments : public app_test::WindowTest {
protected:
    void post(const std::wstring& message) {
        main_view().web_message_received.raise(main_view(), message);
    }
    bool shows_row(const app::MainWindow& window, int row) {
        return window.pending_html().find(core::ui_string(row)) != std::wstring::npos;
    }
};

TEST_F(OpeningDocuments, APostedPathOpensItsDocumentAndWritesThePreviousOneBack) {
    write_settings({u"StartOnLibrary:\t\t0.000000"});
    auto window = make_window();
    show_first_page();
    ASSERT_TRUE(window->session().document()->loaded());
    window->session().set_section(2);

    post(L"Folder/Two|Words");
    EXPECT_TRUE(failures.messages.empty());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_EQ(window->session().config().LastDocumentEng, L"Folder/Two Words.brik");
    EXPECT_EQ(stored_section(data_file(L"briks/Agreements/Sales Agreement.brik")), 2);
    EXPECT_EQ(window->session().section(), 0);

    const auto& scripts = main_view().scripts;
    ASSERT_GE(scripts.size(), 3u);
    EXPECT_TRUE(carries(scripts[scripts.size() - 2], window->pending_html()));
    EXPECT_EQ(scripts.back(), scroll_reset);
    // A render without the reset keeps the position.
    window->RenderDocumentAsync(false);
    EXPECT_NE(main_view().scripts.back(), scroll_reset);
}

TEST_F(OpeningDocuments, BadNamesShowTheAbsentPageAndAFileThatFailedToLoadIsNeverWrittenBack) {
    write_file(root / L"data/secret.brik", core_test::document_bytes(u"secret"));
    write_file(data_file(L"briks/Broken.brik"), "not a document at all");
    auto window = make_window();
    post(L"");
    EXPECT_EQ(window->session().config().LastDocumentEng, L".brik");
    for (const wchar_t* name : {L"", L"../secret"}) {
        post(name);
        EXPECT_EQ(window->session().document()->path, L"") << name;
        EXPECT_TRUE(shows_row(*window, engine::ui_text::document_absent)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(data_file(L"briks/.brik")));

    // Names whose check fails (too long a path, a loop of links) are missing
    // too; the open document is written back and closed first.
    std::filesystem::create_symlink("Loop.brik", data_file(L"briks/Loop.brik"));
    std::wstring long_path;
    for (int i = 0; i < 20; ++i) long_path += std::wstring(250, L'x') + L"/";
    for (const std::wstring& name : {long_path + L"x", std::wstring(L"Loop")}) {
        post(L"Folder/Two|Words");
        window->session().set_section(2);
        post(name);
        EXPECT_TRUE(failures.messages.empty());
        EXPECT_EQ(window->session().document()->path, L"");
        EXPECT_TRUE(shows_row(*window, engine::ui_text::document_absent));
        EXPECT_EQ(stored_section(data_file(L"briks/Folder/Two Words.brik")), 2);
    }

    post(L"Broken");
    EXPECT_FALSE(window->session().document()->loaded());
    EXPECT_TRUE(shows_row(*window, engine::ui_text::file_failed_to_open));
    post(L"Folder/Two|Words");
    EXPECT_EQ(core_test::read_file(data_file(L"briks/Broken.brik")), "not a document at all");
}

TEST_F(OpeningDocuments, TheLibraryFromTheSettingsModeAndBackLeavesTheLastDocuments) {
    auto window = make_window();
    post(L"Folder/Two|Words");
    window->session().config().LastDocument = L"Договоры/Другой.brik";
    window->session().set_mode(core::ViewMode::settings);
    window->elements().library_button->click();
    EXPECT_TRUE(window->session().library_shown());
    EXPECT_EQ(window->session().mode(), core::ViewMode::data);
    EXPECT_EQ(window->session().config().LastDocument, L"Договоры/Другой.brik");
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Library.brik"));
    EXPECT_EQ(window->session().config().LastDocumentEng, L"Folder/Two Words.brik");
    window->ToggleLibrary();
    EXPECT_FALSE(window->session().library_shown());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
}

TEST_F(OpeningDocuments, AFailingRenderIsShownAndKeepsTheDocument) {
    auto window = make_window();
    show_first_page();
    main_view().fail_with = "the view is gone";
    post(L"Folder/Two|Words");
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_NE(failures.messages[0].find("the view is gone"), std::string::npos);
    ASSERT_TRUE(window->session().document());
    EXPECT_TRUE(window->session().document()->loaded());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    // The failed render left nothing in flight: the next one goes.
    main_view().fail_with.clear();
    const std::size_t scripts = main_view().scripts.size();
    window->RenderDocumentAsync(false);
    EXPECT_FALSE(window->render_in_flight());
    ASSERT_EQ(main_view().scripts.size(), scripts + 1);
    EXPECT_TRUE(carries(main_view().scripts.back(), window->pending_html()));
}

TEST_F(OpeningDocuments, AFailedWriteBackKeepsTheDocumentOpen) {
    auto window = make_window();
    post(L"Folder/Two|Words");
    // The document's folder disappears: writing a typed value back cannot
    // succeed.
    std::filesystem::remove_all(data_file(L"briks/Folder"));
    window->session().set_section(1);
    core_test::type_a_value(window->session());
    post(L"Agreements/Sales|Agreement");
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_TRUE(failures.messages[0].starts_with("Changes could not be saved to "));
    ASSERT_TRUE(window->session().document());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_EQ(window->session().config().LastDocumentEng, L"Folder/Two Words.brik");
    EXPECT_EQ(window->session().section(), 1);
}

TEST_F(OpeningDocuments,
       AReadOnlyLibraryOpensItsTemplatesAndKeepsADocumentWhoseTypedValueIsNotSaved) {
    core_test::counted_writes read_only;
    read_only.read_only = true;
    files = &read_only;
    auto window = make_window();
    show_first_page();
    ASSERT_TRUE(window->session().library_shown());
    post(L"Folder/Two|Words");
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    window->session().set_section(2);
    window->elements().library_button->click();
    EXPECT_TRUE(window->session().library_shown());
    post(L"Folder/Two|Words");
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_TRUE(failures.messages.empty());

    core_test::type_a_value(window->session());
    window->elements().library_button->click();
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_EQ(failures.messages[0], "Changes could not be saved to " +
                                        engine::to_utf8(data_text(L"briks/Folder/Two Words.brik")) +
                                        ": Read-only file system.");
    EXPECT_FALSE(window->session().library_shown());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_GT(read_only.writes, 0);
}

}  // namespace
