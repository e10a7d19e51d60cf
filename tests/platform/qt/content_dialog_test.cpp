// The dialog on the offscreen platform.
#include "platform/content_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <optional>

#include "platform/controls.h"
#include "platform/interface_language.h"
#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/shown_window.h"
#include "platform/testing.h"
#include "platform/window.h"

namespace {

using platform::ContentDialog;
using platform::DialogResult;

struct DialogOverWindow {
    DialogOverWindow() {
        dialog->title = platform::TextBlock::create(L"Title");
        dialog->content = content;
        dialog->primary_button_text = L"OK";
        dialog->close_button_text = L"Cancel";
    }

    // Shows the dialog and keeps its answer once it comes.
    platform::FireAndForget show() {
        answer.reset();
        answer = co_await dialog->show_async(*window);
    }

    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::shared_ptr<platform::Window> window =
        platform_test::shown_window(platform::Panel::create(), 400, 300);
    std::shared_ptr<platform::TextBlock> content = platform::TextBlock::create(L"content");
    std::shared_ptr<ContentDialog> dialog = ContentDialog::create();
    std::optional<DialogResult> answer;
};

TEST(ContentDialog, ShowsWindowModalAndEscapeAnswersNoneAndHandsTheContentBack) {
    DialogOverWindow test;
    test.show();
    ASSERT_EQ(platform::testing::last_dialog(), test.dialog);
    auto* widget = static_cast<QDialog*>(test.dialog->native()->widget.data());
    EXPECT_EQ(widget->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("Paperwright"));  // not the executable's
    EXPECT_EQ(platform::widget_of(*test.content)->window(), widget);

    QTest::keyClick(widget, Qt::Key_Escape);
    EXPECT_FALSE(test.answer);  // resumed by posted work only
    test.settle();
    EXPECT_EQ(test.answer, DialogResult::none);
    EXPECT_EQ(platform::testing::last_dialog(), nullptr);
    // The content's widget outlived the dialog and can be shown again.
    ASSERT_NE(platform::widget_of(*test.content), nullptr);
    EXPECT_EQ(platform::widget_of(*test.content)->parent(), nullptr);
    test.show();
    EXPECT_TRUE(test.dialog->is_open());
    test.dialog->click_close();
    test.settle();
    EXPECT_EQ(test.answer, DialogResult::none);
}

TEST(ContentDialog, AnUntitledDialogIsTitledWithTheProgramsNameInTheInterfaceLanguage) {
    platform::set_interface_texts({"ru", L"Бумагодел", L"Изображения"});
    DialogOverWindow test;
    test.show();
    EXPECT_EQ(test.dialog->native()->widget->windowTitle(), QStringLiteral("Бумагодел"));
    test.dialog->click_close();
    test.settle();
    test.dialog->window_title = L"О программе";
    test.show();
    EXPECT_EQ(test.dialog->native()->widget->windowTitle(), QStringLiteral("О программе"));
    test.dialog->click_close();
    test.settle();
    platform::set_interface_texts({"en", L"Paperwright", L"Images"});
}

TEST(ContentDialog, ThePrimaryButtonRaisesItsEventThenAnswersPrimaryUnlessTheHandlerHid) {
    DialogOverWindow test;
    int clicks = 0;
    bool hide_in_handler = false;
    test.dialog->primary_click.add([&](ContentDialog& sender, const platform::NoArgs&) {
        ++clicks;
        EXPECT_TRUE(sender.is_open());
        if (hide_in_handler) sender.hide();
    });
    const auto show_and_press = [&] {
        test.show();
        test.dialog->click_primary();
        test.settle();
    };
    show_and_press();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(test.answer, DialogResult::primary);

    hide_in_handler = true;
    show_and_press();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(test.answer, DialogResult::none);

    test.dialog->is_primary_button_enabled = false;
    show_and_press();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(test.dialog->is_open());
    test.dialog->hide();
    test.settle();
    EXPECT_EQ(test.answer, DialogResult::none);
}

TEST(ContentDialog, OneShowsAtATimeAndAWindowThatGoesFirstLeavesTheContentAlive) {
    DialogOverWindow test;
    test.show();
    auto second = ContentDialog::create();
    auto refused = second->show_async(*test.window);
    ASSERT_TRUE(refused.done());
    EXPECT_EQ(refused.take(), DialogResult::none);
    EXPECT_EQ(platform::testing::last_dialog(), test.dialog);

    test.window.reset();  // deletes the dialog's widget with its own
    test.settle();
    EXPECT_EQ(test.answer, DialogResult::none);
    EXPECT_EQ(platform::testing::last_dialog(), nullptr);
    EXPECT_NE(platform::widget_of(*test.content), nullptr);
}

}  // namespace
