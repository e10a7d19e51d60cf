// What an editable text takes in.
#include "platform/text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
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

// The ways a user puts text into an editor.
void paste_by_keys(QWidget* editor, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
}
// What the context menu's Paste and a middle click do.
void paste_by_menu(QWidget* editor, const QString& text) {
    QApplication::clipboard()->setText(text);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->paste();
    } else {
        static_cast<QPlainTextEdit*>(editor)->paste();
    }
}
void compose(QWidget* editor, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(editor, &event);
}
void select_all(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
    } else {
        static_cast<QPlainTextEdit*>(editor)->selectAll();
    }
}
void move_to_end(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->end(false);
    } else {
        static_cast<QPlainTextEdit*>(editor)->moveCursor(QTextCursor::End);
    }
}

TEST(TextBox, AnEditPastTheLimitIsRefusedWholeAndOneReachingItIsTaken) {
    constexpr std::size_t limit = 10;
    const QString emoji = QString::fromUcs4(U"😀");
    struct limit_case {
        const char* what;
        std::wstring held;  // set by code before the edit
        std::function<void(QWidget*)> edit;
        std::wstring after;  // what the box holds then
        bool refused;
    };
    // clang-format off
    const limit_case cases[] = {
        {"a paste by keys past the limit", L"abc",
         [](QWidget* e) { paste_by_keys(e, QString(8, u'x')); }, L"abc", true},
        {"a paste by keys up to the limit", L"abc",
         [](QWidget* e) { paste_by_keys(e, QString(7, u'x')); }, L"abcxxxxxxx", false},
        {"a paste from the menu past the limit", L"abc",
         [](QWidget* e) { paste_by_menu(e, QString(8, u'x')); }, L"abc", true},
        {"a paste from the menu up to the limit", L"",
         [](QWidget* e) { paste_by_menu(e, QString(10, u'x')); }, std::wstring(10, L'x'), false},
        {"a paste over a selection counts what it replaces", std::wstring(10, L'a'),
         [](QWidget* e) { select_all(e); paste_by_keys(e, QString(10, u'b')); },
         std::wstring(10, L'b'), false},
        {"a key typed at the limit", std::wstring(10, L'a'),
         [](QWidget* e) { QTest::keyClicks(e, "b"); }, std::wstring(10, L'a'), true},
        {"a key typed up to the limit", std::wstring(9, L'a'),
         [](QWidget* e) { QTest::keyClicks(e, "b"); }, std::wstring(9, L'a') + L"b", false},
        {"an input method's text past the limit", L"abcdefgh",
         [](QWidget* e) { compose(e, QStringLiteral("xyz")); }, L"abcdefgh", true},
        {"surrogate pairs count once", L"",
         [&](QWidget* e) { paste_by_keys(e, emoji.repeated(10)); },
         emoji.repeated(10).toStdWString(), false},
        {"a longer text set by code is kept and may be shortened", std::wstring(12, L'a'),
         [](QWidget* e) { QTest::keyClick(e, Qt::Key_Backspace); }, std::wstring(11, L'a'), false},
        {"and lengthened back to what it was, no further", std::wstring(12, L'a'),
         [](QWidget* e) { QTest::keyClick(e, Qt::Key_Backspace); QTest::keyClicks(e, "bc"); },
         std::wstring(11, L'a') + L"b", true},
    };
    // clang-format on
    for (bool multi_line : {false, true}) {
        for (const limit_case& c : cases) {
            const std::string where = std::string(c.what) + (multi_line ? ", several lines" : "");
            auto box = platform::TextBox::create(multi_line);
            box->set_max_length(limit);
            box->set_text(c.held);
            int refusals = 0;
            box->input_refused.add(
                [&](platform::TextBox&, const platform::NoArgs&) { ++refusals; });
            QWidget* editor = platform::widget_of(*box);
            move_to_end(editor);
            c.edit(editor);
            EXPECT_EQ(box->text(), c.after) << where;
            EXPECT_EQ(refusals, c.refused ? 1 : 0) << where;
        }
    }
}

}  // namespace
