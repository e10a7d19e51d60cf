#include "platform/qt/text_label.h"

namespace platform {

void TextLabel::set_asks_for_one_line(bool asks) {
    asks_for_one_line_ = asks;
    updateGeometry();
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
