// The whole document as HTML: the page frame around the page bodies, for the
// screen and for printing, and the messages shown for a document that did not
// open.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// "%d.0pt" of `size`.
std::wstring format_points(std::uint16_t size);

}  // namespace engine
