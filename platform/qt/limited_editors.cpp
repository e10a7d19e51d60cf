#include "platform/qt/limited_editors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>

namespace platform {

namespace {

// What a key would type; a paste is measured where it is inserted, and Tab
// moves the focus.
QString typed_text(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return QStringLiteral("\n");
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return {};
    const Qt::KeyboardModifiers control = event.modifiers() & ~Qt::ShiftModifier;
    if (control == Qt::ControlModifier) return {};
    const QString text = event.text();
    if (text.isEmpty()) return {};
    const QChar first = text.front();
    const bool types =
        first.isPrint() || first.isSurrogate() || first.category() == QChar::Other_PrivateUse;
    return types ? text : QString();
}

}  // namespace

qsizetype character_count(QStringView text) {
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) ++pairs;
    }
    return text.size() - pairs;
}

bool CharacterLimit::takes(QStringView after) const {
    // Counting only when the code units are past the limit keeps a key cheap.
    return after.size() <= ceiling() || character_count(after) <= ceiling();
}

bool CharacterLimit::takes(QStringView before, QStringView removed, QStringView inserted) const {
    if (before.size() - removed.size() + inserted.size() <= ceiling()) return true;
    return character_count(before) - character_count(removed) + character_count(inserted) <=
           ceiling();
}

void CharacterLimit::refuse() const {
    if (refused) refused();
}

// Every change of the line's text passes here before it shows; Qt undoes a
// change found invalid, whichever way it came (a drop, a middle click, the
// context menu's Paste).
class LimitedLineEdit::Guard final : public QValidator {
public:
    explicit Guard(LimitedLineEdit& edit) : QValidator(&edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        if (edit_.limit.takes(input)) return Acceptable;
        refused = true;
        return Invalid;
    }

    mutable bool refused = false;

private:
    LimitedLineEdit& edit_;
};

LimitedLineEdit::LimitedLineEdit() : guard_(new Guard(*this)) {
    // Qt would cut a paste at its own 32,767 characters; the limit is ours.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(guard_);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        if (!guard_->refused) return;
        guard_->refused = false;
        limit.refuse();
    });
}

void LimitedLineEdit::set_text_by_code(const QString& text) {
    limit.set_by_code = character_count(text);
    setText(text);
}

void LimitedLineEdit::keyPressEvent(QKeyEvent* event) {
    // A paste from the keyboard is measured before the line copies it in: it
    // keeps an undo step per character, 10 MB of text takes a second and
    // hundreds of megabytes before the validator sees it.
    if (!isReadOnly() && event->matches(QKeySequence::Paste) &&
        !limit.takes(text(), selectedText(), QGuiApplication::clipboard()->text())) {
        event->accept();
        limit.refuse();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LimitedPlainTextEdit::set_text_by_code(const QString& text) {
    limit.set_by_code = character_count(text);
    setPlainText(text);
}

bool LimitedPlainTextEdit::TakesInsert(QStringView inserted) {
    if (inserted.isEmpty()) return true;
    const QTextCursor cursor = textCursor();
    // Document positions count a paragraph break as one, as the text does.
    const qsizetype units = document()->characterCount() - 1 -
                            (cursor.selectionEnd() - cursor.selectionStart()) + inserted.size();
    if (units <= limit.characters || limit.takes(toPlainText(), cursor.selectedText(), inserted)) {
        return true;
    }
    limit.refuse();
    return false;
}

void LimitedPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && !TakesInsert(typed_text(*event))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && !TakesInsert(event->commitString())) {
        // The composition ends without its text.
        QInputMethodEvent ended;
        QPlainTextEdit::inputMethodEvent(&ended);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void LimitedPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    // Pastes, drops and middle clicks all arrive here before they are inserted.
    if (source && source->hasText() && !TakesInsert(source->text())) return;
    QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace platform
