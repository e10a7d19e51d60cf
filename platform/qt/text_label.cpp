#include "platform/qt/text_label.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

#include "platform/qt/line_breaks.h"

namespace platform {

namespace {

// The most an eliding label asks for, in average characters: a long name
// then takes no more of a row than that, and only the room left over.
constexpr int eliding_width_in_characters = 60;

}  // namespace

QString plain_tool_tip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void TextLabel::set_asks_for_one_line(bool asks) {
    asks_for_one_line_ = asks;
    updateGeometry();
}

void TextLabel::set_breaks_anywhere(bool breaks) {
    breaks_anywhere_ = breaks;
    show_text(text_);
}

void TextLabel::show_text(const QString& text) {
    text_ = text;
    setTextFormat(Qt::PlainText);
    setText(breaks_anywhere_ ? breakable_anywhere(text) : text);
    if (elides_) setToolTip(plain_tool_tip(text_));
}

void TextLabel::set_elides(bool elides, Qt::TextElideMode where) {
    elides_ = elides;
    where_ = where;
    setWordWrap(false);
    setToolTip(elides ? plain_tool_tip(text_) : QString());
    updateGeometry();
    update();
}

QSize TextLabel::sizeHint() const {
    if (elides_) {
        const QSize whole = QLabel::sizeHint();
        return {
            std::min(whole.width(), fontMetrics().averageCharWidth() * eliding_width_in_characters),
            whole.height()};
    }
    if (!asks_for_one_line_ || !wordWrap()) return QLabel::sizeHint();
    const QRect line = fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                  int(alignment()) | Qt::TextExpandTabs, text());
    const QMargins around = contentsMargins();
    const int width = line.width() + around.left() + around.right() + 2 * margin();
    return {width, heightForWidth(width)};
}

QSize TextLabel::minimumSizeHint() const {
    if (!elides_) return QLabel::minimumSizeHint();
    const QMargins around = contentsMargins();
    return {around.left() + around.right() + 2 * margin() +
                fontMetrics().horizontalAdvance(QStringLiteral("\u2026")),
            QLabel::minimumSizeHint().height()};
}

void TextLabel::paintEvent(QPaintEvent* event) {
    if (!elides_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), where_, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace platform
