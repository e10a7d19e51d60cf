// The page setup of a document tree: its record, the A4 defaults that stand in
// for a setup that was never made, and the page metrics the print dialog and
// the renderer read.
#pragma once

#include <cstdint>

#include "engine/document/document_data.h"

namespace engine {

// The page geometry used when the document has no page-setup group, and
// written into one whose setup was never made.
inline constexpr double default_width_mm = 210.0;
inline constexpr std::uint16_t default_height_mm = 297;
inline constexpr std::uint16_t default_left_mm = 19;
inline constexpr std::uint16_t default_right_mm = 19;
inline constexpr std::uint16_t default_top_mm = 10;
inline constexpr std::uint16_t default_bottom_mm = 19;

// The page-setup group (the first group of the page_setup root), if any.
doc_group* page_setup_group(document_data* data);
const doc_record* page_setup_record(const document_data* data);

// Whether the setup was never made: no page width (a width that is no
// number, in a damaged file, counts as none). A render writes the defaults
// into such a setup.
bool is_never_made(const doc_group& setup);

// Brings every page width and indent of the page setup and the pages that no
// page can have (beyond 65,535 mm either way, as a page's height is held,
// infinities included) to that length; a NaN stays, as it reads as none.
// Run on a document as it opens, so no render computes with such a length.
void hold_lengths(document_data& data);

// A4 with the default margins.
void write_default_geometry(doc_record& r);
// The default geometry and the first two default styles, where they exist.
void write_default_setup(doc_group& setup);

// Page metrics of the page-setup record; each also answers for a null
// `data` or a tree without a page setup (A4 portrait).
double page_width_mm(const document_data* data);
double page_height_mm(const document_data* data);
// 1.0 when wider than high, else 0.0.
double is_landscape(const document_data* data);
// 0.0 Letter, 1.0 Government Letter, 2.0 Legal, 3.0 A4 and any other size.
double paper_kind(const document_data* data);

}  // namespace engine
