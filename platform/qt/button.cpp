#include "platform/button.h"

#include <QImage>
#include <QPainter>
#include <QToolButton>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

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
    const QImage shape = icon_path_.empty() ? QImage() : QImage(to_qstring(icon_path_));
    if (shape.isNull()) {
        button->setIcon(QIcon());
        return;
    }
    QImage painted = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&painted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(painted.rect(),
                     QColor(foreground_.r, foreground_.g, foreground_.b, foreground_.a));
    painter.end();
    button->setIcon(QIcon(QPixmap::fromImage(painted)));
}

void Button::click() { button_of(*this)->click(); }

}  // namespace platform
