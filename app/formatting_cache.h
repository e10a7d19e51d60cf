// The values of an opened document that the settings panel starts from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/document/doc_model.h"

namespace app {

struct formatting_cache {
    // Index of the first standard page (kind 1) among the pages; -1 when
    // there is none, and then nothing below is filled.
    std::int32_t body_group = 0;
    std::wstring font_family;
    float font_size = 0;
    float heading_size_step = 0;  // heading size minus body size
    bool document_flag_1 = false;
    bool bold = false;
    float line_spacing = 0;
    bool document_flag_2 = false;
    std::array<std::uint32_t, 6> paragraph_values{};
    std::array<std::uint32_t, 4> page_values{};
};

// Reads the cache from a document's page setup and pages. Only blocks and
// paragraphs that exist are read; a value whose source is missing stays 0.
formatting_cache read_formatting(const engine::doc_node& page_setup, const engine::doc_node& pages);

}  // namespace app
