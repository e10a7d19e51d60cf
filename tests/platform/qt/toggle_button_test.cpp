// Check boxes and radio buttons in a row narrower than their caption.
#include "platform/toggle_button.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/qt/native_widget.h"

namespace {

// `button` alone at the top of a shown row of the given size, as a panel ends.
void show_in_row(QWidget& row, QAbstractButton* button, int width, int height) {
    auto* layout = new QVBoxLayout(&row);
    layout->addWidget(button);
    layout->addStretch(1);
    row.resize(width, height);
    row.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&row));
}

TEST(ToggleButton, ACaptionWiderThanItsRowWrapsAndEachLineTakesAClick) {
    const std::wstring caption = L"Open the saved file in the default application of the system";
    const std::shared_ptr<platform::ToggleButton> toggles[] = {
        platform::CheckBox::create(caption), platform::RadioButton::create(caption)};
    for (const auto& toggle : toggles) {
        auto* button = static_cast<QAbstractButton*>(platform::widget_of(*toggle));
        QWidget row;
        show_in_row(row, button, 160, 300);
        const int line = button->fontMetrics().height();
        // Within the row, and as tall as its lines.
        EXPECT_LE(button->width(), 160);
        EXPECT_GE(button->height(), 3 * line);
        EXPECT_GE(button->height(), button->heightForWidth(button->width()));
        // A click on the last line of the caption counts.
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->width() / 2, button->height() - line / 2 - 2));
        EXPECT_TRUE(toggle->is_checked());
        button->setParent(nullptr);
    }
    // With room, one line; the blank beside it takes no click.
    auto box = platform::CheckBox::create(L"Justify");
    auto* button = static_cast<QAbstractButton*>(platform::widget_of(*box));
    QWidget row;
    show_in_row(row, button, 400, 100);
    EXPECT_LT(button->height(), 2 * button->fontMetrics().height());
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->width() - 5, button->height() / 2));
    EXPECT_FALSE(box->is_checked());
    button->setParent(nullptr);
}

}  // namespace
