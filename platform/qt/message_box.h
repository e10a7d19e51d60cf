// The program's own message boxes: a failure's sentence, and a start's last
// word before any window.
#pragma once

#include <QMessageBox>
#include <string>

namespace platform {

// A box with `message` (UTF-8), titled with the program's name and deleted
// when closed. Paths and the system's reasons in it are shown as they are,
// never read as markup. A long path would make it wider than the screen: it
// shows shortened, and whole in the details and the tooltip.
QMessageBox* message_box(QMessageBox::Icon icon, const std::string& message);

}  // namespace platform
