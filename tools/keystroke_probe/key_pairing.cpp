#include "tools/keystroke_probe/key_pairing.h"

namespace probe {

std::optional<key_paint> key_paint_of(const std::vector<double>& page_times, double offset,
                                      double typed) {
    for (std::size_t t = 0; t + 1 < page_times.size(); t += 2) {
        const double changed = page_times[t] - offset;
        if (changed < typed) continue;
        if (page_times[t + 1] == 0) return std::nullopt;
        return key_paint{changed, page_times[t + 1] - offset};
    }
    return std::nullopt;
}

}  // namespace probe
