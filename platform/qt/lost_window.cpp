#include "platform/qt/lost_window.h"

#include <xcb/xproto.h>

#include <QApplication>
#include <QWidget>

namespace platform {

LostWindowWatch::LostWindowWatch(std::function<void()> lost) : lost_(std::move(lost)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindowWatch::~LostWindowWatch() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool LostWindowWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (told_ || type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    const xcb_window_t gone = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
    // A window Qt destroyed itself no longer carries its id by the time the
    // word comes.
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() == Qt::Window && widget->isVisible() &&
            widget->internalWinId() == gone) {
            told_ = true;
            QMetaObject::invokeMethod(
                &context_, [this] { lost_(); }, Qt::QueuedConnection);
            break;
        }
    }
    return false;
}

}  // namespace platform
