// A font as the platform describes it, made from a widget's own font.
#pragma once

#include <QFont>

#include "platform/style.h"

namespace platform {

QFont font_with(QFont base, const FontSpec& wanted);

}  // namespace platform
