#include "platform/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QToolButton>
#include <functional>

#include "platform/qt/fitted_scroll_area.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/text_label.h"
#include "platform/qt/tinted_icon.h"

namespace platform {

namespace {

class TappableLabel final : public QLabel {
public:
    std::function<void()> on_tap;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            on_tap)
            on_tap();
        QLabel::mouseReleaseEvent(event);
    }
};

QScrollArea* scroll_area_of(const Element& element) {
    return static_cast<QScrollArea*>(widget_of(element));
}

void set_text_colour(QWidget* widget, const Color& color) {
    QPalette palette = widget->palette();
    const QColor qt_color(color.r, color.g, color.b, color.a);
    palette.setColor(QPalette::WindowText, qt_color);
    palette.setColor(QPalette::ButtonText, qt_color);
    palette.setColor(QPalette::Text, qt_color);
    widget->setPalette(palette);
}

}  // namespace

// ScrollViewer

std::shared_ptr<ScrollViewer> ScrollViewer::create() {
    return std::shared_ptr<ScrollViewer>(new ScrollViewer());
}

ScrollViewer::ScrollViewer() : Element(make_native(new FittedScrollArea)) {}

ScrollViewer::~ScrollViewer() {
    // The scroll area would delete the content's widget, which its element owns.
    if (QScrollArea* area = scroll_area_of(*this)) {
        if (QWidget* taken = area->takeWidget()) taken->setParent(nullptr);
    }
}

void ScrollViewer::set_content(std::shared_ptr<Element> content) {
    QScrollArea* area = scroll_area_of(*this);
    if (QWidget* taken = area->takeWidget()) {
        taken->hide();
        taken->setParent(nullptr);
    }
    content_ = std::move(content);
    if (content_) {
        area->setWidget(widget_of(*content_));
        widget_of(*content_)->setVisible(content_->visibility() == Visibility::visible);
    }
}

void ScrollViewer::set_max_lines(int lines) {
    static_cast<FittedScrollArea*>(scroll_area_of(*this))->set_greatest_lines(lines);
}

void ScrollViewer::set_min_lines(int lines) {
    static_cast<FittedScrollArea*>(scroll_area_of(*this))->set_least_lines(lines);
}

void ScrollViewer::set_keeps_end_in_view(bool keeps) {
    static_cast<FittedScrollArea*>(scroll_area_of(*this))->set_keeps_end_in_view(keeps);
}

// TextBlock

std::shared_ptr<TextBlock> TextBlock::create(std::wstring text) {
    auto block = std::shared_ptr<TextBlock>(new TextBlock());
    block->set_text(std::move(text));
    return block;
}

TextBlock::TextBlock() : Element(make_native(new TextLabel)) {}

void TextBlock::set_text(std::wstring text) {
    text_ = std::move(text);
    static_cast<TextLabel*>(widget_of(*this))->show_text(to_qstring(text_));
}

void TextBlock::set_elides(bool elides, Shortened where) {
    elides_ = elides;
    static_cast<TextLabel*>(widget_of(*this))
        ->set_elides(elides, where == Shortened::at_the_end ? Qt::ElideRight : Qt::ElideMiddle);
}

void TextBlock::set_foreground(const SolidColorBrush& brush) {
    set_text_colour(widget_of(*this), brush.color);
}

// AppBarButton

std::shared_ptr<AppBarButton> AppBarButton::create() {
    auto button = std::shared_ptr<AppBarButton>(new AppBarButton());
    std::weak_ptr<AppBarButton> weak = button;
    QObject::connect(static_cast<QToolButton*>(widget_of(*button)), &QToolButton::clicked, [weak] {
        if (auto self = weak.lock()) self->clicked.raise(*self);
    });
    return button;
}

AppBarButton::AppBarButton()
    : Element([] {
          auto* button = new QToolButton;
          button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
          button->setAutoRaise(true);
          button->setIconSize(QSize(20, 20));
          button->setFocusPolicy(Qt::NoFocus);
          return make_native(button);
      }()) {}

void AppBarButton::set_label(std::wstring label) {
    label_ = std::move(label);
    static_cast<QToolButton*>(widget_of(*this))->setText(to_qstring(label_));
}

void AppBarButton::set_icon(const std::wstring& path) {
    icon_path_ = path;
    paint_icon();
}

void AppBarButton::set_foreground(const SolidColorBrush& brush) {
    foreground_ = brush.color;
    set_text_colour(widget_of(*this), brush.color);
    paint_icon();
}

void AppBarButton::paint_icon() {
    auto* button = static_cast<QToolButton*>(widget_of(*this));
    // The icon file gives the shape; the foreground gives the colour.
    button->setIcon(tinted_icon(icon_path_, foreground_));
}

void AppBarButton::click() { static_cast<QToolButton*>(widget_of(*this))->click(); }

void AppBarButton::set_marked(bool marked) {
    marked_ = marked;
    static_cast<QToolButton*>(widget_of(*this))
        ->setStyleSheet(
            marked ? QStringLiteral("QToolButton { border: 1px solid gray; border-radius: 3px; }")
                   : QStringLiteral("QToolButton { border: 1px solid transparent; }"));
}

// Image

std::shared_ptr<Image> Image::create() {
    auto image = std::shared_ptr<Image>(new Image());
    std::weak_ptr<Image> weak = image;
    static_cast<TappableLabel*>(widget_of(*image))->on_tap = [weak] {
        if (auto self = weak.lock()) self->tapped.raise(*self);
    };
    return image;
}

Image::Image() : Element(make_native(new TappableLabel)) {}

void Image::set_source(std::wstring path) {
    source_ = std::move(path);
    auto* label = static_cast<QLabel*>(widget_of(*this));
    QPixmap pixmap(to_qstring(source_));
    label->setPixmap(pixmap);
}

}  // namespace platform
