// What an editable text takes in.
#include "platform/text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

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

// What the context menu's Paste does.
void paste(QWidget* editor, const QString& text) {
    QApplication::clipboard()->setText(text);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->paste();
    } else {
        static_cast<QPlainTextEdit*>(editor)->paste();
    }
}

void select_all(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
    } else {
        static_cast<QPlainTextEdit*>(editor)->selectAll();
    }
}

// The field rows check keys and keyboard pastes; these are the other ways in.
TEST(TextBox, AnEditPastTheLimitIsRefusedWholeHoweverItComes) {
    constexpr std::size_t limit = 10;
    const QString emoji = QString::fromUcs4(U"😀");
    struct limit_case {
        const char* what;
        std::function<void(QWidget*)> edit;
        std::wstring after;  // of "abc", or what the box holds when refused
        bool refused;
    };
    // clang-format off
    const limit_case cases[] = {
        {"a paste past the limit", [](QWidget* e) { paste(e, QString(8, u'x')); }, L"abc", true},
        {"a paste over a selection counts what it replaces",
         [](QWidget* e) { select_all(e); paste(e, QString(10, u'x')); },
         std::wstring(10, L'x'), false},
        {"an input method's text past the limit",
         [](QWidget* e) {
             QInputMethodEvent event;
             event.setCommitString(QString(8, u'x'));
             QApplication::sendEvent(e, &event);
         }, L"abc", true},
        {"a surrogate pair counts once",
         [&](QWidget* e) { select_all(e); paste(e, emoji.repeated(10)); },
         emoji.repeated(10).toStdWString(), false},
    };
    // clang-format on
    for (bool multi_line : {false, true}) {
        for (const limit_case& c : cases) {
            const std::string where = std::string(c.what) + (multi_line ? ", several lines" : "");
            auto box = platform::TextBox::create(multi_line);
            box->set_max_length(limit);
            box->set_text(L"abc");
            int refusals = 0;
            box->input_refused.add(
                [&](platform::TextBox&, const platform::NoArgs&) { ++refusals; });
            c.edit(platform::widget_of(*box));
            EXPECT_EQ(box->text(), c.after) << where;
            EXPECT_EQ(refusals, c.refused ? 1 : 0) << where;
        }
    }
}

}  // namespace
