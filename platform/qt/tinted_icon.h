// Icons whose file gives the shape and whose colour follows the foreground.
#pragma once

#include <QIcon>
#include <string>

#include "platform/style.h"

namespace platform {

// An empty icon when the file is missing or unreadable.
QIcon tinted_icon(const std::wstring& path, const Color& colour);

}  // namespace platform
