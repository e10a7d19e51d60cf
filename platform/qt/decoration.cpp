#include "platform/decoration.h"

#include <QLabel>

#include "platform/qt/brushes.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/text_label.h"

namespace platform {

void set_border(Element& element, const Border& border) {
    QWidget* widget = widget_of(element);
    if (!widget) return;
    const int width = border.thickness > 0 ? int(border.thickness + 0.5) : 0;
    const Thickness m = element.margin();
    const auto px = [](double v) { return v > 0 ? int(v + 0.5) : 0; };
    // Named, so that the rule reaches this widget and none of its children.
    widget->setObjectName(QStringLiteral("bordered"));
    widget->setAttribute(Qt::WA_StyledBackground, true);
    widget->setAutoFillBackground(false);
    // The margin stays outside the border, the children inside it.
    widget->setStyleSheet(
        QStringLiteral("#bordered { background: %1; border: %2px solid %3; border-radius: %4px;"
                       " margin: %5px %6px %7px %8px; }")
            .arg(css_brush(border.background))
            .arg(width)
            .arg(css_colour(border.brush))
            .arg(border.corner_radius > 0 ? int(border.corner_radius + 0.5) : 0)
            .arg(px(m.top))
            .arg(px(m.right))
            .arg(px(m.bottom))
            .arg(px(m.left)));
    widget->setContentsMargins(px(m.left) + width, px(m.top) + width, px(m.right) + width,
                               px(m.bottom) + width);
}

void keep_margin_outside(Element& control) {
    QWidget* widget = widget_of(control);
    if (!widget) return;
    const Thickness m = control.margin();
    const auto px = [](double v) { return v > 0 ? int(v + 0.5) : 0; };
    widget->setContentsMargins(0, 0, 0, 0);
    widget->setStyleSheet(QStringLiteral("%1 { margin: %2px %3px %4px %5px; }")
                              .arg(QString::fromLatin1(widget->metaObject()->className()))
                              .arg(px(m.top))
                              .arg(px(m.right))
                              .arg(px(m.bottom))
                              .arg(px(m.left)));
}

void set_word_wrap(TextBlock& text, bool wrap) {
    if (auto* label = static_cast<QLabel*>(widget_of(text))) label->setWordWrap(wrap);
}

void wrap_anywhere(TextBlock& text) {
    if (auto* label = static_cast<TextLabel*>(widget_of(text))) {
        label->setWordWrap(true);
        label->set_breaks_anywhere(true);
    }
}

void keep_on_one_line_when_it_fits(TextBlock& text) {
    if (auto* label = static_cast<TextLabel*>(widget_of(text))) label->set_asks_for_one_line(true);
}

}  // namespace platform
