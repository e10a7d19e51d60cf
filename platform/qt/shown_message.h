// A message that ends a start before any window, shown once per data
// folder: a later start that would show it too brings the one on the screen
// forward and ends, rather than stacking a second box on the first.
//
// The start showing the message listens beside the running copy's sockets
// (see socket_place), under the same names with ".message" added, for the
// same one-byte request. UI thread only.
#pragma once

#include <QLocalServer>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

namespace platform {

class ShownMessage final {
public:
    explicit ShownMessage(const std::wstring& data_folder);
    ~ShownMessage();
    ShownMessage(const ShownMessage&) = delete;
    ShownMessage& operator=(const ShownMessage&) = delete;

    // Asks a start of this user's that shows the message to bring it
    // forward; true once one did.
    bool brought_forward_elsewhere() const;
    // From the event loop, brings `box` forward at each later start's
    // request while it lives. Where no place takes a listener, later starts
    // show boxes of their own.
    void serve(QWidget& box);

private:
    std::filesystem::path folder_;
    QPointer<QWidget> box_;
    std::unique_ptr<QLocalServer> server_;
};

// Shows `widget`, not minimised, in front of the other windows and with the
// keys.
void bring_forward(QWidget& widget);

}  // namespace platform
