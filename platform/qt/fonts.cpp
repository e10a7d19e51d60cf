#include "platform/qt/fonts.h"

#include <algorithm>

#include "platform/qt/qstring_conversion.h"

namespace platform {

QFont font_with(QFont base, const FontSpec& wanted) {
    if (!wanted.family.empty()) base.setFamily(to_qstring(wanted.family));
    if (wanted.size > 0) base.setPixelSize(std::max(1, int(wanted.size + 0.5)));
    if (wanted.weight > 0) {
        base.setWeight(QFont::Weight(std::clamp(wanted.weight, 1, 1000)));
    } else {
        base.setBold(wanted.bold);
    }
    base.setStretch(wanted.stretch > 0 ? std::clamp(wanted.stretch, 1, 4000)
                                       : int(QFont::Unstretched));
    return base;
}

}  // namespace platform
