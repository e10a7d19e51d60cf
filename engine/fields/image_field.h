// The HTML of an image parameter: the picture embedded as a data URI, or, when
// the document asks for linked images (a Word export), an <img> that links
// the file, sized in pixels from its header and the page's text width.
//
// Reads the image file through the environment; every header read is
// bounds-checked and a file above `max_image_bytes` is never read whole.
#pragma once

#include <cstdint>
#include <string>

#include "engine/document/environment.h"

namespace engine {

struct document_data;

constexpr std::uintmax_t max_image_bytes = 32u * 1024u * 1024u;

// `path` is the file the parameter names; when no file is there, the document's
// folder / `name_key` + ".png" is tried. `width_percent` is the share of the
// text width (clamped to 0-100). Empty text when no file is found. `data` may
// be null (embedded form); the linked form may write the default page setup
// into it.
std::wstring render_image_field(const environment& env, document_data* data,
                                const std::wstring& path, double width_percent,
                                const std::wstring& name_key);
// As above, linked when `linked`, whatever the document asks.
std::wstring render_image_field(const environment& env, document_data* data,
                                const std::wstring& path, double width_percent,
                                const std::wstring& name_key, bool linked);

// Whether the document asks for linked images: while a Word export runs.
bool links_images(const document_data* data);

}  // namespace engine
