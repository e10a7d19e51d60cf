// The About box, opened from the menu or a logo.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "platform/hyperlink_button.h"
#include "platform/qt/native_widget.h"
#include "platform/testing.h"
#include "window/window_fixture.h"

namespace {

using platform::testing::last_dialog;

using About = app_test::WindowTest;

TEST_F(About, TheMenuOrEitherLogoOpensItInTheInterfaceLanguageAndItsLinksGoOut) {
    system.region = L"RU";
    auto window = make_window();
    choose(*window, 9);
    auto dialog = last_dialog();
    ASSERT_TRUE(dialog);
    // Titled in the interface language, and of the one size its content takes.
    QWidget* box = dialog->native()->widget.data();
    EXPECT_EQ(box->windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    const auto& links = static_cast<platform::Panel&>(*dialog->content).children();
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (auto link = std::dynamic_pointer_cast<platform::HyperlinkButton>(links.at(i)))
            link->click();
    }
    EXPECT_EQ(system.launched,
              (std::vector<std::wstring>{
                  L"https://paperwright.example.org/ru",
                  L"mailto:support-ru@paperwright.example.org?subject=Paperwright%20support",
                  L"https://paperwright.example.org/ru/privacy.html",
                  L"https://paperwright.example.org/ru/disclaimer.html"}));

    // Another one while it shows is refused; Escape closes it.
    window->elements().logo_tall->tapped.raise(*window->elements().logo_tall);
    EXPECT_EQ(last_dialog(), dialog);
    dialog->click_close();
    pump();
    EXPECT_EQ(last_dialog(), nullptr);
    EXPECT_TRUE(failures.messages.empty());
    // The other logo opens it too.
    window->elements().logo_short->tapped.raise(*window->elements().logo_short);
    EXPECT_TRUE(last_dialog());
    last_dialog()->click_close();
    pump();
}

// The box opens with the focus on OK: Enter closes it and launches nothing,
// while a link the user tabs to takes Enter itself.
TEST_F(About, EnterClosesTheBoxUnlessTheFocusIsOnALink) {
    auto window = make_window();
    platform::widget_of(*window->elements().window)->show();
    choose(*window, 9);
    auto dialog = last_dialog();
    ASSERT_TRUE(dialog);
    QWidget* box = dialog->native()->widget.data();
    pump();
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    pump();
    EXPECT_EQ(last_dialog(), nullptr);
    EXPECT_TRUE(system.launched.empty());

    choose(*window, 9);
    dialog = last_dialog();
    ASSERT_TRUE(dialog);
    const auto& links = static_cast<platform::Panel&>(*dialog->content).children();
    QWidget* first_link = nullptr;
    for (std::size_t i = 0; i < links.size() && !first_link; ++i) {
        if (auto link = std::dynamic_pointer_cast<platform::HyperlinkButton>(links.at(i)))
            first_link = platform::widget_of(*link);
    }
    ASSERT_TRUE(first_link);
    first_link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first_link, Qt::Key_Return);
    pump();
    EXPECT_EQ(system.launched.size(), 1u);
    EXPECT_EQ(last_dialog(), dialog);
    dialog->click_close();
    pump();
}

}  // namespace
