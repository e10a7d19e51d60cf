// Which change of the page a typed key made, and when it was painted.
#pragma once

#include <optional>
#include <vector>

namespace probe {

// Times on the probe's clock, in milliseconds.
struct key_paint {
    double changed;
    double painted;
};

// `page_times` holds the changes the page noted after the key was marked,
// in order, as pairs of times on the page's clock (changed, painted; painted
// 0 while the change is not painted yet); `offset` turns them into the
// probe's clock. The key's change is the first that came at or after the
// key was typed (`typed`): an earlier one belongs to something else. (Not
// after its render was sent: the view runs in another process and may
// change the page before the program notes the sending.) Nothing while no
// such change came or it is not painted yet.
std::optional<key_paint> key_paint_of(const std::vector<double>& page_times, double offset,
                                      double typed);

}  // namespace probe
