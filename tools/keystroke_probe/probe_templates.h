// The generated templates the keystroke probe types into, written into the
// library folder as documents the program opens by their links.
#pragma once

#include <filesystem>
#include <string>

namespace probe {

// Links (as a page posts them) of the documents `write_probe_templates` makes.
inline constexpr wchar_t fifty_pages_link[] = L"Probe/Fifty|pages";
inline constexpr wchar_t many_fields_link[] = L"Probe/Many|fields";
// The field of the many-fields template typed into; the conditions of other
// fields read it.
inline constexpr wchar_t many_fields_typed[] = L"Field ab";

// Writes "Probe/Fifty pages.brik" (the 50 generated pages with their fields
// to type into) and "Probe/Many fields.brik" (400 text fields in 8 sections,
// each with a display condition that reads another field, all referenced on
// 8 pages) under `library`. False when a file could not be written.
bool write_probe_templates(const std::filesystem::path& library);

}  // namespace probe
