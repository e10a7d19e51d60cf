#include "ui/output/preview_page.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "engine/text/html_escape.h"

namespace ui {

namespace {

std::wstring message_page(int row) {
    const std::wstring tabs(5, L'\t');
    return L"<!DOCTYPE html><html><head> " + tabs +
           L"<style> body{ margin: 0; } iframe { display: block; background: #000; border: none; "
           L"height: 100vh; "
           L"width: 100vw; } " +
           tabs +
           L"</style></head><body><p style=\"padding:8mm; font-family:Segoe; font-size:14.0pt;\">" +
           core::ui_string(row) + L"</p></body></html>";
}

}  // namespace

std::wstring preview_page(const std::wstring& pdf_address) {
    const std::wstring tabs(5, L'\t');
    const std::wstring blanks(21, L' ');
    return L"<!DOCTYPE html><html lang=\"ru\"><head> " + tabs + L"<style type=\"text/css\">" +
           blanks +
           L"body { margin:0; user-select:none; vertical-align:top; background-color:#darkgray; "
           L"unselectable:on; }" +
           blanks +
           L"iframe { display: block; background: #darkgray; border: none; height: 100vh; width: "
           L"100vw; } " +
           tabs + L"</style></head><body><iframe src=\"" + engine::html_escape(pdf_address) +
           L"#toolbar=0\"></iframe></body></html>";
}

std::wstring preview_error_page() { return message_page(engine::ui_text::preview_unavailable); }

std::wstring preview_no_pages_page() { return message_page(engine::ui_text::no_chosen_pages); }

}  // namespace ui
