// What an editable text takes in.
#include "platform/text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/qt/native_widget.h"

namespace {

TEST(TextBox, APasteIsTakenWholeHoweverLong) {
    const std::wstring pasted = std::wstring(40000, L'a') + L"end";
    for (bool multi_line : {false, true}) {
        auto box = platform::TextBox::create(multi_line);
        int changes = 0;
        box->text_changed.add([&](platform::TextBox&, const platform::NoArgs&) { ++changes; });
        QApplication::clipboard()->setText(QString::fromStdWString(pasted));
        QWidget* editor = platform::widget_of(*box);
        if (multi_line) {
            static_cast<QPlainTextEdit*>(editor)->paste();
        } else {
            static_cast<QLineEdit*>(editor)->paste();
        }
        EXPECT_EQ(box->text(), pasted) << multi_line;
        EXPECT_GT(changes, 0) << multi_line;
        box->set_text(pasted + pasted);  // and so is a text set by code
        EXPECT_EQ(box->text().size(), 2 * pasted.size()) << multi_line;
    }
}

}  // namespace
