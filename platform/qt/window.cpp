#include "platform/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/testing.h"

namespace platform {

namespace {

int system_moves = 0;

// The frame margins of a shown window: zero until the window manager framed it.
QMargins frame_margins(const QWidget& widget) {
    const QRect frame = widget.frameGeometry(), inner = widget.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The least size of the content, but never wider than its screen can show
// with the frame around it: a window wider than its screen cannot be
// narrowed. The window's layout leaves its least size to this.
void keep_least_size_within_screen(QWidget& widget) {
    const QLayout* layout = widget.layout();
    const QScreen* screen = widget.screen();
    if (!layout || !screen) return;
    const QMargins frame = frame_margins(widget);
    const int room = screen->availableGeometry().width() - frame.left() - frame.right();
    const QSize least = layout->totalMinimumSize();
    widget.setMinimumSize(std::max(0, std::min(least.width(), room)), least.height());
}

class TopLevelWidget final : public QWidget {
public:
    std::function<bool()> may_close;
    std::function<void()> on_close;
    std::function<void(WindowChange)> on_change;
    std::function<bool(QPoint)> in_drag_area;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (may_close && !may_close()) {
            event->ignore();
            return;
        }
        if (on_close) on_close();
        event->accept();
    }

    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        if (on_change) on_change({});
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (on_change) on_change({});
    }

    // After the layout took the request: its least size is up to date.
    bool event(QEvent* event) override {
        const bool taken = QWidget::event(event);
        const QEvent::Type type = event->type();
        // A move may be the window manager's frame arriving.
        if (type == QEvent::LayoutRequest || type == QEvent::Show || type == QEvent::Move ||
            type == QEvent::ScreenChangeInternal)
            keep_least_size_within_screen(*this);
        return taken;
    }

    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && on_change) on_change({true});
    }

    // A press that no child took: in a drag area it moves the window, as a
    // press on a caption does.
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && in_drag_area &&
            in_drag_area(event->position().toPoint())) {
            ++system_moves;
            if (QWindow* handle = windowHandle()) handle->startSystemMove();
            event->accept();
            return;
        }
        QWidget::mousePressEvent(event);
    }
};

TopLevelWidget* top_of(const Window& window) {
    return static_cast<TopLevelWidget*>(widget_of(window));
}

int physical(double logical, qreal ratio) { return qRound(logical * ratio); }

int logical(int physical_pixels, qreal ratio) { return qRound(physical_pixels / ratio); }

Qt::Key qt_key(VirtualKey key) {
    if (key == VirtualKey::F7) return Qt::Key_F7;
    return Qt::Key(Qt::Key_A + (int(key) - 'A'));
}

QKeyCombination qt_keys(Accelerator accelerator) {
    const unsigned bits = unsigned(accelerator.modifiers);
    Qt::KeyboardModifiers modifiers;
    if (bits & unsigned(KeyModifiers::control)) modifiers |= Qt::ControlModifier;
    if (bits & unsigned(KeyModifiers::menu)) modifiers |= Qt::AltModifier;
    if (bits & unsigned(KeyModifiers::shift)) modifiers |= Qt::ShiftModifier;
    if (bits & unsigned(KeyModifiers::windows)) modifiers |= Qt::MetaModifier;
    return QKeyCombination(modifiers, qt_key(accelerator.key));
}

}  // namespace

std::shared_ptr<Window> Window::create() { return std::shared_ptr<Window>(new Window()); }

Window::Window() {
    auto* widget = new TopLevelWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    widget->may_close = [this] { return on_close_requested(); };
    widget->on_close = [this] { on_native_close(); };
    widget->on_change = [this](WindowChange change) { changed.raise(*this, change); };
    widget->in_drag_area = [this](QPoint at) {
        const qreal ratio = widget_of(*this)->devicePixelRatioF();
        const int x = physical(at.x(), ratio), y = physical(at.y(), ratio);
        for (const PixelRect& r : drag_rectangles_) {
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return true;
        }
        return false;
    };
    native_ = make_native(widget);
}

Window::~Window() {
    if (auto* widget = top_of(*this)) {
        widget->may_close = nullptr;
        widget->on_close = nullptr;
        widget->on_change = nullptr;
        widget->in_drag_area = nullptr;
    }
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
    // Qt reads "[*]" as the place of a modified mark; doubled, it shows as is.
    widget_of(*this)->setWindowTitle(
        to_qstring(title_).replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

WindowState Window::state() const {
    const Qt::WindowStates states = widget_of(*this)->windowState();
    if (states & Qt::WindowMinimized) return WindowState::minimized;
    if (states & Qt::WindowFullScreen) return WindowState::full_screen;
    if (states & Qt::WindowMaximized) return WindowState::maximized;
    return WindowState::restored;
}

void Window::maximize() { widget_of(*this)->setWindowState(Qt::WindowMaximized); }

void Window::restore() { widget_of(*this)->setWindowState(Qt::WindowNoState); }

void Window::enter_full_screen() { widget_of(*this)->setWindowState(Qt::WindowFullScreen); }

PixelRect Window::geometry() const {
    const QWidget* widget = widget_of(*this);
    const qreal ratio = widget->devicePixelRatioF();
    const QPoint at = widget->pos();
    const QSize size = widget->size();
    return {physical(at.x(), ratio), physical(at.y(), ratio), physical(size.width(), ratio),
            physical(size.height(), ratio)};
}

void Window::move(int x, int y) {
    if (!can_be_placed()) return;
    QWidget* widget = widget_of(*this);
    const qreal ratio = widget->devicePixelRatioF();
    widget->move(logical(x, ratio), logical(y, ratio));
}

void Window::resize(int width, int height) {
    QWidget* widget = widget_of(*this);
    const qreal ratio = widget->devicePixelRatioF();
    widget->resize(logical(width, ratio), logical(height, ratio));
}

bool Window::can_be_placed() const {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::vector<PixelRect> Window::screen_areas() const {
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    std::vector<PixelRect> areas;
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        const qreal ratio = screen->devicePixelRatio();
        areas.push_back({physical(area.x(), ratio), physical(area.y(), ratio),
                         physical(area.width(), ratio), physical(area.height(), ratio)});
    }
    return areas;
}

int Window::screen_dpi() const {
    const QScreen* screen = widget_of(*this)->screen();
    return screen ? qRound(96 * screen->devicePixelRatio()) : 96;
}

void Window::set_drag_rectangles(std::vector<PixelRect> rectangles) {
    drag_rectangles_ = std::move(rectangles);
}

void Window::add_accelerator(Accelerator accelerator) {
    auto* shortcut = new QShortcut(QKeySequence(qt_keys(accelerator)), widget_of(*this));
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, shortcut,
                     [this, accelerator] { accelerator_invoked.raise(*this, accelerator); });
}

void Window::activate() {
    QWidget* widget = widget_of(*this);
    // A minimised window is not in front until it shows again.
    if (widget->windowState() & Qt::WindowMinimized)
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    widget->show();
    widget->raise();
    widget->activateWindow();
    // A dialog open over the window takes the keys: it comes on top of it.
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog && dialog != widget) {
        dialog->raise();
        dialog->activateWindow();
    }
}

namespace {

// Fits the framed window into the available area of its screen; false while
// its frame is not known yet. Frame and window come from separate messages
// of the window manager, so for a moment they may disagree.
bool fit_framed(QWidget& widget) {
    if (!widget.isVisible() || widget.windowState() != Qt::WindowNoState) return true;
    const QMargins frame = frame_margins(widget);
    if (frame.isNull() || frame.left() < 0 || frame.top() < 0 || frame.right() < 0 ||
        frame.bottom() < 0) {
        return false;
    }
    const QScreen* screen = widget.screen();
    if (!screen) return true;
    const QRect area = screen->availableGeometry();
    const QRect framed = widget.frameGeometry();
    if (area.contains(framed)) return true;
    const int width = std::min(widget.width(), area.width() - frame.left() - frame.right());
    const int height = std::min(widget.height(), area.height() - frame.top() - frame.bottom());
    widget.resize(width, height);
    const int outer_width = widget.width() + frame.left() + frame.right();
    const int outer_height = widget.height() + frame.top() + frame.bottom();
    const int x =
        std::clamp(framed.x(), area.x(), std::max(area.x(), area.right() + 1 - outer_width));
    const int y =
        std::clamp(framed.y(), area.y(), std::max(area.y(), area.bottom() + 1 - outer_height));
    // A top-level widget's position is its frame's.
    widget.move(x, y);
    return true;
}

// Long enough for any window manager to frame a new window.
constexpr int frame_wait_ms = 5000;
constexpr int frame_check_ms = 50;
// A fit holds once frame and window stayed as they are for this many checks:
// a window manager may report a restored window's frame before its size.
constexpr int frame_steady_checks = 6;

struct frame_seen {
    QRect frame, window;
    bool operator==(const frame_seen&) const = default;
};

}  // namespace

void Window::fit_frame_into_screen() {
    // A fit under way fits the window as it is when the frame comes.
    if (!can_be_placed() || fitting_frame_) return;
    QWidget* widget = widget_of(*this);
    auto* timer = new QTimer(widget);
    QElapsedTimer waited;
    waited.start();
    fitting_frame_ = true;
    // The timer is the widget's child, so it never outlives this window.
    QObject::connect(timer, &QTimer::timeout, timer,
                     [this, widget, timer, waited, last = frame_seen{}, steady = 0]() mutable {
                         const bool fitted = fit_framed(*widget);
                         const frame_seen now{widget->frameGeometry(), widget->geometry()};
                         steady = fitted && now == last ? steady + 1 : 0;
                         last = now;
                         if (steady >= frame_steady_checks || waited.elapsed() > frame_wait_ms) {
                             timer->stop();
                             timer->deleteLater();
                             fitting_frame_ = false;
                         }
                     });
    timer->start(frame_check_ms);
}

void Window::close() {
    QWidget* widget = widget_of(*this);
    // False: a handler of `closing` kept the window open.
    if (widget && !closed_ && !widget->close()) return;
    // A window that was never shown may close without a close event.
    on_native_close();
}

bool Window::on_close_requested() {
    if (closed_) return true;
    const WindowClosing request;
    closing.raise(*this, request);
    return !request.cancel;
}

void Window::on_native_close() {
    if (closed_) return;
    closed_ = true;
    closed.raise(*this);
}

namespace testing {

int system_moves_started() { return system_moves; }

}  // namespace testing

}  // namespace platform
