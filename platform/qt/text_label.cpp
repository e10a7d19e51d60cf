#include "platform/qt/text_label.h"

#include "platform/qt/line_breaks.h"

namespace platform {

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
}

QSize TextLabel::sizeHint() const {
    if (!asks_for_one_line_ || !wordWrap()) return QLabel::sizeHint();
    const QRect line = fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                  int(alignment()) | Qt::TextExpandTabs, text());
    const QMargins around = contentsMargins();
    const int width = line.width() + around.left() + around.right() + 2 * margin();
    return {width, heightForWidth(width)};
}

}  // namespace platform
