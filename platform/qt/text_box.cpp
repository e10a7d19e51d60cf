#include "platform/text_box.h"

#include <QFocusEvent>
#include <QStyle>
#include <algorithm>
#include <functional>

#include "platform/qt/limited_editors.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

QWidget* make_editor(bool multi_line) {
    if (!multi_line) return new LimitedLineEdit;
    auto* editor = new LimitedPlainTextEdit;
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setTabChangesFocus(true);
    return editor;
}

CharacterLimit& limit_of(QWidget* editor, bool multi_line) {
    if (multi_line) return static_cast<LimitedPlainTextEdit*>(editor)->limit;
    return static_cast<LimitedLineEdit*>(editor)->limit;
}

QString css_colour(const Color& c) {
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.r).arg(c.g).arg(c.b).arg(c.a);
}

int px(double value) { return value > 0 ? int(value + 0.5) : 0; }

// Calls `lost` when the editor it watches loses the focus, other than to a
// popup (the editor's own context menu); owned by that editor.
class FocusLossWatch final : public QObject {
public:
    FocusLossWatch(QWidget& editor, std::function<void()> lost)
        : QObject(&editor), lost_(std::move(lost)) {
        editor.installEventFilter(this);
    }
    Q_DISABLE_COPY_MOVE(FocusLossWatch)

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            lost_();
        return false;
    }

private:
    std::function<void()> lost_;
};

}  // namespace

std::shared_ptr<TextBox> TextBox::create(bool multi_line) {
    auto box = std::shared_ptr<TextBox>(new TextBox(multi_line));
    std::weak_ptr<TextBox> weak = box;
    auto raise = [weak] {
        if (auto self = weak.lock()) self->text_changed.raise(*self);
    };
    limit_of(widget_of(*box), multi_line).refused = [weak] {
        if (auto self = weak.lock()) self->input_refused.raise(*self);
    };
    new FocusLossWatch(*widget_of(*box), [weak] {
        if (auto self = weak.lock()) self->focus_lost.raise(*self);
    });
    // textChanged, not textEdited: a text set by code is a change as well.
    if (multi_line) {
        QObject::connect(static_cast<QPlainTextEdit*>(widget_of(*box)),
                         &QPlainTextEdit::textChanged, raise);
    } else {
        QObject::connect(static_cast<QLineEdit*>(widget_of(*box)), &QLineEdit::textChanged, raise);
    }
    return box;
}

TextBox::TextBox(bool multi_line)
    : Element(make_native(make_editor(multi_line))), multi_line_(multi_line) {}

std::wstring TextBox::text() const {
    if (multi_line_)
        return from_qstring(static_cast<QPlainTextEdit*>(widget_of(*this))->toPlainText());
    return from_qstring(static_cast<QLineEdit*>(widget_of(*this))->text());
}

void TextBox::set_text(const std::wstring& text) {
    if (multi_line_) {
        static_cast<LimitedPlainTextEdit*>(widget_of(*this))->set_text_by_code(to_qstring(text));
    } else {
        static_cast<LimitedLineEdit*>(widget_of(*this))->set_text_by_code(to_qstring(text));
    }
}

void TextBox::set_max_length(std::size_t characters) {
    max_length_ = characters;
    limit_of(widget_of(*this), multi_line_).characters =
        qsizetype(std::min<std::size_t>(characters, std::numeric_limits<qsizetype>::max()));
}

void TextBox::set_placeholder_text(std::wstring text) {
    placeholder_ = std::move(text);
    if (multi_line_) {
        static_cast<QPlainTextEdit*>(widget_of(*this))
            ->setPlaceholderText(to_qstring(placeholder_));
    } else {
        static_cast<QLineEdit*>(widget_of(*this))->setPlaceholderText(to_qstring(placeholder_));
    }
}

void TextBox::set_read_only(bool read_only) {
    read_only_ = read_only;
    QWidget* editor = widget_of(*this);
    if (multi_line_) {
        static_cast<QPlainTextEdit*>(editor)->setReadOnly(read_only);
    } else {
        static_cast<QLineEdit*>(editor)->setReadOnly(read_only);
    }
    // A box filled by its button, not by typing, shows it: no text cursor
    // over it, and the frame's read-only look.
    if (read_only) {
        editor->setCursor(Qt::ArrowCursor);
    } else {
        editor->unsetCursor();
    }
    editor->style()->unpolish(editor);
    editor->style()->polish(editor);
}

void TextBox::set_frame(Thickness padding, Color border, Thickness border_width) {
    const QString type =
        multi_line_ ? QStringLiteral("QPlainTextEdit") : QStringLiteral("QLineEdit");
    widget_of(*this)->setStyleSheet(
        QStringLiteral("%1 { background: white; border-style: solid; border-color: %2;"
                       " border-width: %3px %4px %5px %6px; padding: %7px %8px %9px %10px; }"
                       " %1[readOnly=\"true\"] { background: whitesmoke; color: dimgray; }")
            .arg(type, css_colour(border))
            .arg(px(border_width.top))
            .arg(px(border_width.right))
            .arg(px(border_width.bottom))
            .arg(px(border_width.left))
            .arg(px(padding.top))
            .arg(px(padding.right))
            .arg(px(padding.bottom))
            .arg(px(padding.left)));
}

}  // namespace platform
