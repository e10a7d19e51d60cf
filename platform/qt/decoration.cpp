#include "platform/decoration.h"

#include <QLabel>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QString css_colour(const Color& c) {
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.r).arg(c.g).arg(c.b).arg(c.a);
}

}  // namespace

void set_border(Element& element, const Border& border) {
    QWidget* widget = widget_of(element);
    if (!widget) return;
    // Named, so that the rule reaches this widget and none of its children.
    widget->setObjectName(QStringLiteral("bordered"));
    widget->setAttribute(Qt::WA_StyledBackground, true);
    widget->setAutoFillBackground(false);
    widget->setStyleSheet(QStringLiteral("#bordered { background: %1; border: %2px solid %3; border-radius: %4px; }")
                              .arg(css_colour(border.background))
                              .arg(border.thickness > 0 ? int(border.thickness + 0.5) : 0)
                              .arg(css_colour(border.brush))
                              .arg(border.corner_radius > 0 ? int(border.corner_radius + 0.5) : 0));
}

void set_word_wrap(TextBlock& text, bool wrap) {
    if (auto* label = static_cast<QLabel*>(widget_of(text))) label->setWordWrap(wrap);
}

}  // namespace platform
