// The page layout that printing, PDF saving and the preview use, from the
// document's page setup and the window's margins.
#pragma once

#include <cstdint>

#include "engine/document/document_data.h"
#include "platform/page_layout.h"

namespace ui {

struct margins_mm {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Millimetres become inches by the factor the documents were laid out with
// (0.03935, not 1/25.4). A margin of 0 counts as 1 mm, and the right margin
// is handed over 1 mm narrower. Without a page setup the paper is A4.
platform::PageLayout print_layout(const engine::document_data* data, margins_mm margins);

inline constexpr double inches_per_mm = 0.03935;

}  // namespace ui
