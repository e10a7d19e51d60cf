// The program's window destroyed from outside (a tool asking the X server
// to destroy it, as `xdotool windowclose` does): Qt goes on as if it still
// showed, and the program would run on unseen. The X server's word of it is
// caught here and handed on from the event loop, once.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

namespace platform {

class LostWindowWatch final : public QAbstractNativeEventFilter {
public:
    // Watches the visible top-level windows (not dialogs or menus) from now
    // until this object goes; call with the application object made.
    explicit LostWindowWatch(std::function<void()> lost);
    ~LostWindowWatch() override;
    LostWindowWatch(const LostWindowWatch&) = delete;
    LostWindowWatch& operator=(const LostWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    std::function<void()> lost_;
    bool told_ = false;
    // What is handed on goes with this object.
    QObject context_;
};

}  // namespace platform
