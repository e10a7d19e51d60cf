#include "engine/document/document.h"

#include <cmath>

#include "engine/document/html_escape.h"
#include "engine/document/legacy_page.h"
#include "engine/document/number_text.h"
#include "engine/document/numbering.h"
#include "engine/document/page_body.h"
#include "engine/document/paragraph_style.h"
#include "engine/document/process_state.h"
#include "engine/document/template_table.h"
#include "engine/document/ui_strings.h"

namespace engine {

namespace {

// ui_strings rows of the two messages the engine shows itself.
constexpr int absent_document_row = 89;
constexpr int failed_to_open_row = 90;

const wchar_t* const body_open =
    L"<body onkeydown=\"{window.event.returnValue=null;event.keyCode=0;}\">";

// The page geometry used when the document has no page-setup group, and
// written into one whose setup was never made.
constexpr double default_width_mm = 210.0;
constexpr std::uint16_t default_height_mm = 297;
constexpr std::uint16_t default_left_mm = 19;
constexpr std::uint16_t default_right_mm = 19;
constexpr std::uint16_t default_top_mm = 10;
constexpr std::uint16_t default_bottom_mm = 19;

// The page-setup record (the first group of the page_setup root), if any.
doc_group* page_setup_group(document_data* data) {
    if (!data || group_count_of(data->page_setup) == 0) return nullptr;
    return &data->page_setup.groups[0];
}
const doc_record* page_setup_record(const document_data* data) {
    if (!data || group_count_of(data->page_setup) == 0) return nullptr;
    return &data->page_setup.groups[0].record;
}

// "%fmm" of a single-precision value.
std::wstring millimetres(float value) {
    std::wstring text = format_fixed6(double(value)) + L"mm";
    return text.size() > 127 ? std::wstring() : text;
}

// The file's name for messages: after the last "/" or "\", before the first
// ".", escaped. The program puts the text into a one-line script literal, so
// line breaks become character references too.
std::wstring message_name(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"/\\");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    std::wstring out;
    for (wchar_t c : html_escape(name)) {
        if (c == L'\n')
            out += L"&#10;";
        else if (c == L'\r')
            out += L"&#13;";
        else
            out += c;
    }
    return out;
}

long long zoom_percent(double zoom) {
    if (!std::isfinite(zoom)) return 100;
    if (zoom < 10.0) zoom = 10.0;
    if (zoom > 500.0) zoom = 500.0;
    return static_cast<long long>(zoom);
}

// A4 with the default margins.
void write_default_geometry(doc_record& r) {
    r.d1 = default_width_mm;
    r.v[0] = default_height_mm;
    r.v[5] = default_left_mm;
    r.v[3] = default_right_mm;
    r.v[4] = default_top_mm;
    r.v[2] = default_bottom_mm;
}

void write_default_setup(doc_group& setup) {
    write_default_geometry(setup.record);
    // The first two elements are the default styles; only those that exist.
    const std::uint16_t space_before[2] = {2, 12};
    for (std::size_t e = 0; e < element_count_of(setup) && e < 2; ++e) {
        doc_record& style = setup.elements[e].record;
        style.v[4] = space_before[e];
        style.s3 = L"Arial";
        style.v[0] = 8;
    }
}

}  // namespace

document::document(std::wstring path_in) : path(std::move(path_in)) {
    language = current_language;
    data = std::make_unique<document_data>(path);
    data->file->load(*data);
    current_document = this;
}

document::~document() {
    if (current_document == this) current_document = nullptr;
}

bool document::save() { return data && data->save(); }

bool document::loaded() const { return data && data->loaded(); }

std::wstring document::to_html() {
    if (data && group_count_of(data->pages) > 0) return render_html(0);
    if (!path.empty()) {
        return L"\"" + message_name(path) + L"\" " +
               ui_string(failed_to_open_row, language);
    }
    return std::wstring(L"<html>") + body_open +
           L"<p style=\"font-family:Arial;font-size:11.0pt;\">" +
           ui_string(absent_document_row, language) + L"</p></body></html>";
}

std::wstring document::to_print_html() {
    if (data && group_count_of(data->pages) > 0) return render_html(1);
    if (!path.empty()) {
        return L"Файл документа поврежден: \"" + message_name(path) +
               L"\" не удалось загрузить.";
    }
    return ui_string(absent_document_row, language);
}

std::wstring document::render_html(std::uint8_t mode) {
    if (!data) return L"Document Loading Error";
    render_mode = mode;
    render_position = {};
    numbering_counters = {};
    // State a previous render may have left behind.
    reset_table_flags();
    form_column_mode = 1;

    doc_group* setup = page_setup_group(data.get());
    // A width that is no number (a damaged file) counts as never set.
    if (setup && !(setup->record.d1 >= 1.0)) write_default_setup(*setup);
    doc_record defaults;
    if (!setup) write_default_geometry(defaults);
    const doc_record& geometry = setup ? setup->record : defaults;
    const auto& v = geometry.v;

    content_width = static_cast<float>(geometry.d1 - double(v[3] + v[5]));
    content_width_text = millimetres(content_width);
    left_margin_text = millimetres(float(v[5]));
    right_margin_text = millimetres(float(v[3]) - 1.0f);
    content_height_text = millimetres(float(int(v[0]) - (int(v[2]) + int(v[4]))));
    top_margin_text = millimetres(float(v[4]));
    bottom_margin_text = millimetres(float(v[2]));

    data->scratch.records.clear();
    if (library_shown) {
        std::wstring section_name;
        if (current_section >= 0 && std::size_t(current_section) < group_count_of(data->parameters))
            section_name = data->parameters.groups[std::size_t(current_section)].record.s1;
        for (const wchar_t* name : {L"активная|панель", L"active|panel"}) {
            doc_record variable;
            variable.s1 = name;
            variable.s2 = section_name;
            data->scratch.records.push_back(std::move(variable));
        }
    }

    // The print table's style: the font of the first standard page, then the width.
    std::wstring print_style = L"width:" + content_width_text + L";\"";
    std::size_t pages = group_count_of(data->pages);
    for (std::size_t p = 0; p < pages; ++p) {
        const doc_group& page = data->pages.groups[p];
        if (page.record.a != 1) continue;
        const doc_record* source = &page.record;
        if (element_count_of(page) > 0) {
            const doc_element& block = page.elements[0];
            source = item_count_of(block) > 0 ? &block.items[0] : &block.record;
        }
        font_face = clean_font_face(source->s3);
        font_size_text = format_points(source->v[0]);
        print_style =
            L"font-family:" + font_face + L";font-size:" + font_size_text + L";" + print_style;
        break;
    }
    print_style = L"\"" + print_style;

    std::wstring out =
        L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"> "
        L"<html><head><meta http-equiv=Content-Type content= \"text/html; charset=utf-8\">";
    if (mode == 0) {
        out += L"<style type=\"text/css\"> ";
        out +=
            L"body { z-index:0; user-select:none; zoom:" + format_int(zoom_percent(zoom)) + L"%; ";
        out += L"vertical-align:top; background-color:#B0B7CF; unselectable:on;} ";
        out +=
            L".mpage { width:210.000000mm; align:center; margin-left:auto; margin-right:auto; "
            L"background-color:white; } ";
        out += L"td { vertical-align:top; empty-cells:show;} </style></head> ";
        out += body_open;
        out += render_page_top();
    } else {
        out +=
            L"<style type=\"text/css\"> body {user-select:none; vertical-align:top; "
            L"unselectable:on;counter-reset:page;} ";
        out += L"td { vertical-align:top; empty-cells: show;} </style></head> ";
        out += body_open;
        out += L"<table border=0 cellpadding=2 cellspacing=0 style=" + print_style +
               L"><tbody><tr><td style=\"vertical-align:top;\">";
    }

    out += render_pages();

    if (mode == 0) {
        out += L"</td><td style=\"\"></td></tr><tr style=\"height:" + bottom_margin_text +
               L";\"><td style=\"\"></td><td style=\"font-size:1pt\">&thinsp;</td><td "
               L"style=\"\"></td></tr></table>";
    } else {
        out += L"</td></tr></table>";
    }
    out += L"</body></html>";
    return out;
}

std::wstring document::render_pages() {
    std::wstring out;
    for (std::size_t p = 0; p < group_count_of(data->pages); ++p) {
        const doc_record& page = data->pages.groups[p].record;
        if (page.a == 1) {
            out += render_standard_page(*this, int(p));
        } else if (page.b != 0) {
            out += render_legacy_page(*this, int(p));
        }
    }
    return out;
}

std::wstring document::render_page_top() const {
    return L"<table class=\"mpage\" border=0 cellpadding=0 cellspacing=0><tr style=\"height:" +
           top_margin_text + L";\"><td style=\"font-size:1pt;text-indent:" + left_margin_text +
           L";\">&thinsp;</td><td style=\"font-size:1pt;text-indent:" + content_width_text +
           L";\">&thinsp;</td><td style=\"font-size:1pt;text-indent:" + right_margin_text +
           L";\">&thinsp;</td></tr><tr style=\"height:" + content_height_text +
           L";\"><td style=\"\"></td><td style=\"\">";
}

std::wstring document::render_page_break() const {
    return L"</td><td style=\"\"></td></tr><tr style=\"height:" + bottom_margin_text +
           L";\"><td style=\"\"></td><td style=\"font-size:1pt\">&thinsp;</td><td "
           L"style=\"\"></td></tr></table>"
           L"<table width=\"100%\"><tr style=\"height:12px;\"><td "
           L"style=\"font-size:2pt;\">&nbsp;</td></tr></table>" +
           render_page_top();
}

std::wstring format_points(std::uint16_t size) { return format_int(size) + L".0pt"; }

double page_width_mm(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r ? r->d1 : default_width_mm;
}

double page_height_mm(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r ? double(r->v[0]) : double(default_height_mm);
}

double is_landscape(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r && r->d1 > double(r->v[0]) ? 1.0 : 0.0;
}

double paper_kind(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    if (!r) return 3.0;
    auto is = [&](double a, double b) {
        return (r->d1 == a && r->v[0] == b) || (r->d1 == b && r->v[0] == a);
    };
    if (is(216, 279)) return 0.0;
    if (is(203, 254)) return 1.0;
    if (is(216, 356)) return 2.0;
    return 3.0;
}

}  // namespace engine
