#include "platform/button.h"

#include <QToolButton>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/tinted_icon.h"

namespace platform {

namespace {

QToolButton* button_of(const Element& element) {
    return static_cast<QToolButton*>(widget_of(element));
}

QString css_colour(const Color& c) {
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.r).arg(c.g).arg(c.b).arg(c.a);
}

}  // namespace

std::shared_ptr<Button> Button::create() {
    auto button = std::shared_ptr<Button>(new Button());
    std::weak_ptr<Button> weak = button;
    QObject::connect(button_of(*button), &QToolButton::clicked, [weak] {
        if (auto self = weak.lock()) self->clicked.raise(*self);
    });
    return button;
}

Button::Button()
    : Element([] {
          auto* button = new QToolButton;
          button->setToolButtonStyle(Qt::ToolButtonIconOnly);
          return make_native(button);
      }()) {
    paint();
}

void Button::set_icon(const std::wstring& path, double size) {
    icon_path_ = path;
    icon_size_ = size;
    paint();
}

void Button::set_text(std::wstring text) {
    text_ = std::move(text);
    paint();
}

void Button::set_colors(Color background, Color foreground) {
    background_ = background;
    foreground_ = foreground;
    paint();
}

void Button::paint() {
    QToolButton* button = button_of(*this);
    // One rule for every state: hovering, pressing or focusing keeps the colours.
    const QString colours = QStringLiteral("background: %1; color: %2; border: none;")
                                .arg(css_colour(background_), css_colour(foreground_));
    button->setStyleSheet(
        QStringLiteral("QToolButton { %1 } QToolButton:hover { %1 } QToolButton:pressed { %1 }"
                       " QToolButton:focus { %1 }")
            .arg(colours));
    const int side = int(icon_size_ + 0.5);
    button->setIconSize(QSize(side, side));
    button->setIcon(tinted_icon(icon_path_, foreground_));
    button->setText(to_qstring(text_));
    button->setToolButtonStyle(text_.empty()        ? Qt::ToolButtonIconOnly
                               : icon_path_.empty() ? Qt::ToolButtonTextOnly
                                                    : Qt::ToolButtonTextBesideIcon);
}

void Button::click() { button_of(*this)->click(); }

}  // namespace platform
