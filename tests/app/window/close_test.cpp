#include <gtest/gtest.h>

#include "engine/text/utf16.h"
#include "platform/qt/native_widget.h"
#include "support/unwritable_tree.h"
#include "window/window_fixture.h"

namespace {

using core_test::file_contains;
using core_test::write_file;

using ClosingTheWindow = app_test::WindowTest;

TEST_F(ClosingTheWindow, WritesTheDocumentAndSettingsClosesTheViewsAndEmptiesTemp) {
    auto window = make_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    window->session().set_section(4);
    window->session().config().DocumentZoom = 150;
    write_file(root / L"cache/tembrick/temp/preview/page.pdf", "pdf");

    window->elements().window->close();
    EXPECT_TRUE(failures.messages.empty());
    EXPECT_EQ(core_test::stored_section(data_file(L"briks/Folder/Two Words.brik")), 4);
    EXPECT_TRUE(file_contains(data_file(L"tembrick.ini"), u"DocumentZoom:\t\t150.000000"));
    EXPECT_TRUE(main_view().closed);
    EXPECT_TRUE(preview_view().closed);
    EXPECT_TRUE(std::filesystem::is_empty(root / L"cache/tembrick/temp"));
}

TEST_F(ClosingTheWindow, UnsavedValuesKeepTheWindowOpenUntilACloseWithNothingTypedSince) {
    auto window = make_window();
    window->activate();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    core_test::type_a_value(window->session());
    std::filesystem::remove_all(data_file(L"briks/Folder"));
    window->session().config().DocumentZoom = 120;
    write_file(root / L"cache/tembrick/temp/x.tmp", "x");
    const std::string message = "Changes could not be saved to " +
                                engine::to_utf8(data_text(L"briks/Folder/Two Words.brik")) +
                                ": No such file or directory.";

    // The message comes over the window, which stays with the document.
    platform::Window& shown = *window->elements().window;
    shown.close();
    EXPECT_EQ(failures.messages, std::vector<std::string>{message});
    EXPECT_FALSE(shown.is_closed());
    EXPECT_TRUE(platform::widget_of(shown)->isVisible());
    EXPECT_TRUE(window->session().has_changes());
    EXPECT_FALSE(main_view().closed);
    EXPECT_FALSE(std::filesystem::is_empty(root / L"cache/tembrick/temp"));

    // More typed after the message: the close is refused again, so the
    // new text is not lost unseen.
    core_test::type_a_value(window->session());
    shown.close();
    EXPECT_EQ(failures.messages, (std::vector<std::string>{message, message}));
    EXPECT_FALSE(shown.is_closed());
    // Nothing typed since the message: the close closes without another
    // one, and the rest of closing still happens.
    window->session().set_section(2);
    shown.close();
    EXPECT_TRUE(shown.is_closed());
    EXPECT_EQ(failures.messages.size(), 2u);
    EXPECT_TRUE(main_view().closed);
    EXPECT_TRUE(file_contains(data_file(L"tembrick.ini"), u"DocumentZoom:\t\t120.000000"));
    EXPECT_TRUE(std::filesystem::is_empty(root / L"cache/tembrick/temp"));
}

TEST_F(ClosingTheWindow, AReadOnlyLibraryWithNothingTypedClosesAtOnce) {
    auto window = make_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    window->session().set_section(3);
    std::filesystem::remove_all(data_file(L"briks/Folder"));
    window->elements().window->close();
    EXPECT_TRUE(window->elements().window->is_closed());
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(ClosingTheWindow, AnUnwritableDataFolderIsNotedOnceAndACloseAfterTypingStillAsks) {
    core::library_folders(folders().install, folders().data, L"")
        .install_library(core::current_language);
    const fixture::unwritable_tree unwritable(root / L"data");
    if (!unwritable.made()) GTEST_SKIP() << "root, on a file system without immutable files";
    auto window = make_window();
    window->activate();
    const std::wstring note = L"The data folder " + core::text_of(root / L"data") +
                              L" cannot be written: changes are not kept.";
    EXPECT_EQ(window->elements().status_text->text(), note);

    // A failed write says nothing more.
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    core_test::type_a_value(window->session());
    window->RenderDocumentAsync(false);
    window->write_back_timer().tick_now();
    EXPECT_EQ(window->elements().status_text->text(), note);
    EXPECT_TRUE(failures.messages.empty());

    platform::Window& shown = *window->elements().window;
    shown.close();
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_TRUE(failures.messages[0].starts_with("Changes could not be saved to "));
    EXPECT_FALSE(shown.is_closed());
    shown.close();
    EXPECT_TRUE(shown.is_closed());
}

TEST_F(ClosingTheWindow, WithoutADocumentTheSettingsAreStillWritten) {
    auto window = make_window();
    ASSERT_TRUE(window->session().close_document());
    std::filesystem::remove(data_file(L"tembrick.ini"));
    window->elements().window->close();
    EXPECT_TRUE(std::filesystem::exists(data_file(L"tembrick.ini")));
    EXPECT_TRUE(main_view().closed);
}

}  // namespace

TEST_F(ClosingTheWindow, AChangeIsWrittenBackAMomentLaterAndAFailedWriteIsOnlyNotedInTheStatusBar) {
    auto window = make_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    // Either the pause after the last key or the longest wait writes, and
    // no write-back waits after it.
    bool after_pause = false;
    const auto type_and_wait = [&] {
        core_test::type_a_value(window->session());
        window->RenderDocumentAsync(false);
        EXPECT_TRUE(window->write_back_timer().is_running());
        EXPECT_TRUE(window->write_back_deadline().is_running());
        after_pause = !after_pause;
        (after_pause ? window->write_back_timer() : window->write_back_deadline()).tick_now();
        EXPECT_FALSE(window->write_back_timer().is_running());
        EXPECT_FALSE(window->write_back_deadline().is_running());
    };
    const std::filesystem::path file = data_file(L"briks/Folder/Two Words.brik");
    type_and_wait();
    EXPECT_TRUE(file_contains(file, u"typed"));

    std::filesystem::remove_all(data_file(L"briks/Folder"));
    type_and_wait();
    type_and_wait();
    const std::wstring note = L"Changes could not be saved to " +
                              data_text(L"briks/Folder/Two Words.brik") +
                              L": No such file or directory.";
    EXPECT_EQ(window->elements().status_text->text(), note);
    EXPECT_TRUE(failures.messages.empty());

    // A write that succeeds takes the note down.
    std::filesystem::create_directories(data_file(L"briks/Folder"));
    type_and_wait();
    EXPECT_TRUE(file_contains(file, u"typedtypedtypedtyped"));
    EXPECT_EQ(window->write_back_note(), L"");
    EXPECT_EQ(window->elements().status_text->text().find(L"Changes"), std::wstring::npos);
}

TEST_F(ClosingTheWindow, EndedUnaskedOrAtLogoutAnUnwritableDocumentLosesItsValuesWithNoDialog) {
    for (const bool at_logout : {false, true}) {
        auto window = make_window();
        window->OnWebMessageReceived(*window->elements().main_webview, L"Folder/Two|Words");
        core_test::type_a_value(window->session());
        std::filesystem::remove_all(data_file(L"briks/Folder"));
        window->session().config().DocumentZoom = at_logout ? 110 : 120;
        write_file(root / L"cache/tembrick/temp/x.tmp", "x");
        if (at_logout) {
            window->SaveAtLogout();
            EXPECT_TRUE(file_contains(data_file(L"tembrick.ini"), u"DocumentZoom:\t\t110.000000"));
            // The session manager's quit closes the window.
            window->elements().window->close();
        } else {
            window->CloseUnasked();
            EXPECT_TRUE(file_contains(data_file(L"tembrick.ini"), u"DocumentZoom:\t\t120.000000"));
        }
        EXPECT_TRUE(window->elements().window->is_closed()) << at_logout;
        EXPECT_TRUE(failures.messages.empty()) << at_logout;
        EXPECT_NE(window->write_back_note(), L"") << at_logout;
        EXPECT_TRUE(std::filesystem::is_empty(root / L"cache/tembrick/temp")) << at_logout;
        // The next window installs the library again.
        std::filesystem::remove_all(data_file(L"briks"));
    }
}
