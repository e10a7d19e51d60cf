#include <gtest/gtest.h>

#include "engine/text/utf16.h"
#include "platform/qt/native_widget.h"
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

TEST_F(ClosingTheWindow, WithoutADocumentTheSettingsAreStillWritten) {
    auto window = make_window();
    ASSERT_TRUE(window->session().close_document());
    std::filesystem::remove(data_file(L"tembrick.ini"));
    window->elements().window->close();
    EXPECT_TRUE(std::filesystem::exists(data_file(L"tembrick.ini")));
    EXPECT_TRUE(main_view().closed);
}

}  // namespace
