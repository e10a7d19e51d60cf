#include "platform/window.h"

#include <QCloseEvent>
#include <QVBoxLayout>
#include <functional>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

class TopLevelWidget final : public QWidget {
public:
    std::function<void()> on_close;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (on_close) on_close();
        event->accept();
    }
};

}  // namespace

std::shared_ptr<Window> Window::create() {
    return std::shared_ptr<Window>(new Window());
}

Window::Window() {
    auto* widget = new TopLevelWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    widget->on_close = [this] { on_native_close(); };
    native_ = make_native(widget);
}

Window::~Window() {
    if (auto* widget = static_cast<TopLevelWidget*>(widget_of(*this))) widget->on_close = nullptr;
    set_content(nullptr);
}

void Window::set_content(std::shared_ptr<Element> content) {
    QWidget* widget = widget_of(*this);
    if (content_) {
        if (QWidget* old = widget_of(*content_)) {
            widget->layout()->removeWidget(old);
            old->hide();
            old->setParent(nullptr);
        }
    }
    content_ = std::move(content);
    if (content_) {
        QWidget* inner = widget_of(*content_);
        widget->layout()->addWidget(inner);
        inner->setVisible(content_->visibility() == Visibility::visible);
    }
}

void Window::set_title(std::wstring title) {
    title_ = std::move(title);
    widget_of(*this)->setWindowTitle(to_qstring(title_));
}

void Window::resize(int width, int height) {
    widget_of(*this)->resize(width, height);
}

void Window::activate() {
    QWidget* widget = widget_of(*this);
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void Window::close() {
    if (QWidget* widget = widget_of(*this)) widget->close();
    // A window that was never shown may close without a close event.
    on_native_close();
}

void Window::on_native_close() {
    if (closed_) return;
    closed_ = true;
    closed.raise(*this);
}

}  // namespace platform
