#include "engine/render/document_html.h"

#include <cmath>

#include "engine/document/document.h"
#include "engine/document/page_setup.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/render/legacy_page.h"
#include "engine/render/page_body.h"
#include "engine/render/word_export.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"

namespace engine {

namespace {

// How the print HTML frames the document's column. A saved HTML file keeps
// the frame it always had; on paper the browser's own body margin and the
// cell padding would sit inside the page margins and push the column past
// them, so the whole page would be drawn smaller.
enum class print_frame { saved_file, paper };

const std::wstring& render_document(render_context& context, print_frame frame_kind);

const wchar_t* const body_open =
    L"<body onkeydown=\"{window.event.returnValue=null;event.keyCode=0;}\">";

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

// The record whose font the print table and the Word cells take: the first
// block (or its first paragraph) of the first standard page, else that page.
const doc_record* document_font_record(const document_data& data) {
    for (std::size_t p = 0; p < group_count_of(data.pages); ++p) {
        const doc_group& page = data.pages.groups[p];
        if (page.record.a != 1) continue;
        if (element_count_of(page) == 0) return &page.record;
        const doc_element& block = page.elements[0];
        return item_count_of(block) > 0 ? &block.items[0] : &block.record;
    }
    return nullptr;
}

// The title a Word file shows: the page setup's, else the file's name.
std::wstring word_title(const document& doc, const doc_record* setup) {
    std::wstring title = setup ? setup->s1 : std::wstring();
    while (!title.empty() && (title.back() == L' ' || title.back() == L'\t' ||
                              title.back() == L'\n' || title.back() == L'\r'))
        title.pop_back();
    if (!title.empty()) return title;
    std::size_t slash = doc.path.find_last_of(L"/\\");
    title = slash == std::wstring::npos ? doc.path : doc.path.substr(slash + 1);
    if (std::size_t dot = title.rfind(L'.'); dot != std::wstring::npos) title.erase(dot);
    return title;
}

long long zoom_percent(double zoom) {
    if (!std::isfinite(zoom)) return 100;
    if (zoom < 10.0) zoom = 10.0;
    if (zoom > 500.0) zoom = 500.0;
    return static_cast<long long>(zoom);
}

std::wstring print_html(document& doc, const view_state& view, print_frame frame_kind) {
    if (doc.data && group_count_of(doc.data->pages) > 0) {
        render_context context(&doc, view, render_target::print);
        render_document(context, frame_kind);
        return std::move(context.output);
    }
    if (!doc.path.empty()) {
        return L"Файл документа поврежден: \"" + message_name(doc.path) +
               L"\" не удалось загрузить.";
    }
    return ui_string(ui_text::document_absent, doc.language);
}

}  // namespace

std::wstring to_html(document& doc, const view_state& view) {
    render_context context(&doc, view, render_target::screen);
    to_html(context);
    return std::move(context.output);
}

const std::wstring& to_html(render_context& context) {
    document& doc = *context.doc;
    context.target = render_target::screen;
    if (doc.data && group_count_of(doc.data->pages) > 0) return render_html(context);
    std::wstring& out = context.output;
    if (!doc.path.empty()) {
        out = L"\"" + message_name(doc.path) + L"\" " +
              ui_string(ui_text::file_failed_to_open, doc.language);
        return out;
    }
    out = std::wstring(L"<html>") + body_open +
          L"<p style=\"font-family:Arial;font-size:11.0pt;\">" +
          ui_string(ui_text::document_absent, doc.language) + L"</p></body></html>";
    return out;
}

std::wstring to_print_html(document& doc, const view_state& view) {
    return print_html(doc, view, print_frame::saved_file);
}

std::wstring to_paper_html(document& doc, const view_state& view) {
    return print_html(doc, view, print_frame::paper);
}

std::wstring to_word_html(document& doc, const view_state& view) {
    render_context context(&doc, view, render_target::word);
    const doc_record* setup = page_setup_record(doc.data.get());
    std::wstring cell_font;
    if (const doc_record* font = doc.data ? document_font_record(*doc.data) : nullptr)
        cell_font = L"font-family:" + clean_font_face(font->s3) + L";font-size:" +
                    format_points(font->v[0]) + L";";
    std::wstring out = word_html_head(setup, word_title(doc, setup), cell_font,
                                      context.document_language == 1 ? L"ru" : L"en");
    // The numbered paragraphs' tables give their text cells the rest of it.
    const word_page page = word_page_of(setup);
    context.frame.content_width = static_cast<float>(page.width - page.left - page.right);
    if (doc.data) {
        // Variables left by an earlier render must not reach this one.
        doc.data->scratch.records.clear();
        const std::size_t body_start = out.size();
        write_pages(context, out);
        link_pictures(out, context.pictures.links());
        open_with_table_outside_word(out, body_start);
    }
    // Section1 stays open, as in every file saved so far.
    out += L"</body></html>";
    return convert_page_breaks(std::move(out));
}

namespace {

const std::wstring& render_document(render_context& context, print_frame frame_kind) {
    std::wstring& out = context.output;
    out.clear();
    document_data* data = context.data;
    if (!data) return out = L"Document Loading Error";
    const bool screen = !context.for_print();
    // State a previous render in this context may have left behind.
    context.render_position = {};
    context.numbering_counters = {};
    context.table_row_open = false;
    context.table_cell_open = false;
    context.form_column_mode = 1;

    doc_group* setup = page_setup_group(data);
    if (setup && is_never_made(*setup)) write_default_setup(*setup);
    doc_record defaults;
    if (!setup) write_default_geometry(defaults);
    const doc_record& geometry = setup ? setup->record : defaults;
    const auto& v = geometry.v;

    page_frame_texts& frame = context.frame;
    frame.content_width = static_cast<float>(geometry.d1 - double(v[3] + v[5]));
    frame.content_width_text = millimetres(frame.content_width);
    frame.left_margin_text = millimetres(float(v[5]));
    frame.right_margin_text = millimetres(float(v[3]) - 1.0f);
    frame.content_height_text = millimetres(float(int(v[0]) - (int(v[2]) + int(v[4]))));
    frame.top_margin_text = millimetres(float(v[4]));
    frame.bottom_margin_text = millimetres(float(v[2]));

    data->scratch.records.clear();
    if (context.library_shown) {
        std::wstring section_name;
        const int section = context.section;
        if (section >= 0 && std::size_t(section) < group_count_of(data->parameters))
            section_name = data->parameters.groups[std::size_t(section)].record.s1;
        for (const wchar_t* name : {L"активная|панель", L"active|panel"}) {
            doc_record variable;
            variable.s1 = name;
            variable.s2 = section_name;
            data->scratch.records.push_back(std::move(variable));
        }
    }

    // The print table's style: the font of the first standard page, then the width.
    std::wstring print_style = L"width:" + frame.content_width_text + L";\"";
    if (const doc_record* source = document_font_record(*data)) {
        context.style.font_face = clean_font_face(source->s3);
        context.style.font_size_text = format_points(source->v[0]);
        print_style = L"font-family:" + context.style.font_face + L";font-size:" +
                      context.style.font_size_text + L";" + print_style;
    }
    print_style = L"\"" + print_style;

    out +=
        L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"> "
        L"<html><head><meta http-equiv=Content-Type content= \"text/html; charset=utf-8\">";
    if (screen) {
        const double zoom = context.doc ? context.doc->zoom : 100.0;
        out += L"<style type=\"text/css\"> ";
        out +=
            L"body { z-index:0; user-select:none; zoom:" + format_int(zoom_percent(zoom)) + L"%; ";
        out += L"vertical-align:top; background-color:#B0B7CF; unselectable:on;} ";
        out +=
            L".mpage { width:210.000000mm; align:center; margin-left:auto; margin-right:auto; "
            L"background-color:white; } ";
        out += L"td { vertical-align:top; empty-cells:show;} </style></head> ";
        out += body_open;
        out += render_page_top(context);
    } else {
        const bool paper = frame_kind == print_frame::paper;
        out += L"<style type=\"text/css\"> body {";
        if (paper) out += L"margin:0;";
        out += L"user-select:none; vertical-align:top; unselectable:on;counter-reset:page;} ";
        out += L"td { vertical-align:top; empty-cells: show;} </style></head> ";
        out += body_open;
        out += paper ? L"<table border=0 cellpadding=0" : L"<table border=0 cellpadding=2";
        out += L" cellspacing=0 style=" + print_style +
               L"><tbody><tr><td style=\"vertical-align:top;\">";
    }

    write_pages(context, out);

    if (screen) {
        out += L"</td><td style=\"\"></td></tr><tr style=\"height:" + frame.bottom_margin_text +
               L";\"><td style=\"\"></td><td style=\"font-size:1pt\">&thinsp;</td><td "
               L"style=\"\"></td></tr></table>";
    } else {
        out += L"</td></tr></table>";
    }
    out += L"</body></html>";
    return out;
}

}  // namespace

const std::wstring& render_html(render_context& context) {
    return render_document(context, print_frame::saved_file);
}

std::wstring render_pages(render_context& context) {
    std::wstring out;
    write_pages(context, out);
    return out;
}

void write_pages(render_context& context, std::wstring& out) {
    context.begin_render();
    const document_data& data = *context.data;
    for (std::size_t p = 0; p < group_count_of(data.pages); ++p) {
        const doc_record& page = data.pages.groups[p].record;
        if (page.a == 1) {
            out += render_standard_page(context, int(p));
        } else if (page.b != 0) {
            out += render_legacy_page(context, int(p));
        }
    }
}

std::wstring render_page_top(const render_context& context) {
    const page_frame_texts& frame = context.frame;
    return L"<table class=\"mpage\" border=0 cellpadding=0 cellspacing=0><tr style=\"height:" +
           frame.top_margin_text + L";\"><td style=\"font-size:1pt;text-indent:" +
           frame.left_margin_text + L";\">&thinsp;</td><td style=\"font-size:1pt;text-indent:" +
           frame.content_width_text + L";\">&thinsp;</td><td style=\"font-size:1pt;text-indent:" +
           frame.right_margin_text + L";\">&thinsp;</td></tr><tr style=\"height:" +
           frame.content_height_text + L";\"><td style=\"\"></td><td style=\"\">";
}

std::wstring render_page_break(const render_context& context) {
    return L"</td><td style=\"\"></td></tr><tr style=\"height:" + context.frame.bottom_margin_text +
           L";\"><td style=\"\"></td><td style=\"font-size:1pt\">&thinsp;</td><td "
           L"style=\"\"></td></tr></table>"
           L"<table width=\"100%\"><tr style=\"height:12px;\"><td "
           L"style=\"font-size:2pt;\">&nbsp;</td></tr></table>" +
           render_page_top(context);
}

std::wstring format_points(std::uint16_t size) { return format_int(size) + L".0pt"; }

}  // namespace engine
