#include "platform/hyperlink_button.h"

#include <QPushButton>

#include "platform/qt/brushes.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

constexpr Color link_colour{255, 0x36, 0x77, 0xB0};

QPushButton* button_of(const Element& element) {
    return static_cast<QPushButton*>(widget_of(element));
}

}  // namespace

std::shared_ptr<HyperlinkButton> HyperlinkButton::create(std::wstring content) {
    auto link = std::shared_ptr<HyperlinkButton>(new HyperlinkButton());
    link->set_content(std::move(content));
    std::weak_ptr<HyperlinkButton> weak = link;
    QObject::connect(button_of(*link), &QPushButton::clicked, [weak] {
        if (auto self = weak.lock()) self->clicked.raise(*self);
    });
    return link;
}

HyperlinkButton::HyperlinkButton() : Element(make_native(new QPushButton)) {
    QPushButton* button = button_of(*this);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    set_foreground({link_colour});
}

void HyperlinkButton::set_content(std::wstring content) {
    content_ = std::move(content);
    button_of(*this)->setText(to_qstring(content_));
}

void HyperlinkButton::set_foreground(const SolidColorBrush& brush) {
    // Left-aligned text without a frame, underlined under the pointer.
    button_of(*this)->setStyleSheet(
        QStringLiteral(
            "QPushButton { color: %1; border: none; background: transparent; text-align: left;"
            " padding: 2px 4px; } QPushButton:hover { text-decoration: underline; }")
            .arg(css_colour(brush.color)));
}

void HyperlinkButton::click() { button_of(*this)->click(); }

}  // namespace platform
