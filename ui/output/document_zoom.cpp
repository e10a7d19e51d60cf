#include "ui/output/document_zoom.h"

#include "core/engine_services.h"
#include "engine/text/number_text.h"

namespace ui {

namespace {

long whole_percent(double setting) { return long(core::applied_zoom(setting)); }

}  // namespace

std::wstring zoom_text(double setting) { return engine::format_int(whole_percent(setting)) + L"%"; }

std::wstring zoom_script(double setting) {
    return L"document.body.style['zoom']='" + engine::format_int(whole_percent(setting)) + L"%';";
}

}  // namespace ui
