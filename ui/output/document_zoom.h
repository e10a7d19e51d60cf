// The zoom of the document view as the General Settings page shows it and
// the view applies it. Both use the zoom the view can show, never the stored
// setting as it is: a settings file may hold 900 or "nan".
#pragma once

#include <string>

namespace ui {

// "150%": the whole percent of `core::applied_zoom(setting)`.
std::wstring zoom_text(double setting);

// The script that zooms the page the view shows now. The page's own HTML
// carries the zoom of later renders.
std::wstring zoom_script(double setting);

}  // namespace ui
