#include "ui/output/document_names.h"

#include "engine/text/text_case.h"

namespace ui {

namespace {

bool is_trailing_blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

void drop_trailing_blanks(std::wstring& text) {
    while (!text.empty() && is_trailing_blank(text.back())) text.pop_back();
}

void drop_trailing_dots_and_blanks(std::wstring& text) {
    while (!text.empty() && (text.back() == L'.' || text.back() == L' ')) text.pop_back();
}

bool is_forbidden(wchar_t c) {
    return std::wstring_view(L"\"'*+/:<>?@\\`|").find(c) != std::wstring_view::npos;
}

// Bytes of `c` in the UTF-8 of a path; a code point UTF-8 cannot carry
// counts as the longest form.
std::size_t utf8_length(wchar_t c) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code < 0x80) return 1;
    if (code < 0x800) return 2;
    if (code < 0x10000) return 3;
    return 4;
}

const engine::doc_group* setup_group(const engine::document_data* data) {
    if (!data || engine::group_count_of(data->page_setup) == 0) return nullptr;
    return &data->page_setup.groups[0];
}

const engine::doc_element* footer_of(const engine::document_data* data) {
    const engine::doc_group* group = setup_group(data);
    if (!group || engine::element_count_of(*group) < 4) return nullptr;
    return &group->elements[3];
}

}  // namespace

std::wstring document_title(const engine::document_data* data, bool use_name,
                            const std::wstring& short_name) {
    const engine::doc_group* group = setup_group(data);
    std::wstring title = group ? group->record.s1 : std::wstring(fallback_name);
    drop_trailing_blanks(title);
    if (!title.empty() || !use_name) return title;
    return short_name;
}

std::wstring short_document_name(std::wstring_view last_document) {
    std::wstring name(last_document);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
    if (const auto slash = name.rfind(L'/'); slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    } else if (const auto backslash = name.rfind(L'\\'); backslash != std::wstring::npos) {
        name.erase(0, backslash + 1);
    }
    drop_trailing_blanks(name);
    return name.empty() ? std::wstring(fallback_name) : name;
}

std::wstring document_breadcrumb(std::wstring_view last_document) {
    // clang-format off
    static constexpr std::pair<std::wstring_view, std::wstring_view> folder_captions[] = {
        {L"Кадры", L"Кадровые документы"},
        {L"Формы", L"Другие документы"},
    };
    // clang-format on
    std::wstring_view name = last_document;
    if (name.ends_with(L".brik")) name.remove_suffix(5);
    std::wstring_view folder;
    if (const auto slash = name.rfind(L'/'); slash != std::wstring_view::npos) {
        folder = name.substr(0, slash);
        name.remove_prefix(slash + 1);
    }
    for (const auto& [stored, caption] : folder_captions) {
        if (folder == stored) folder = caption;
    }
    return std::wstring(folder) + caption_separator + std::wstring(name);
}

std::wstring library_breadcrumb(const engine::document_data* data, int section,
                                const std::wstring& library) {
    if (!data || section < 0 || std::size_t(section) >= engine::group_count_of(data->parameters))
        return library;
    return library + L" \u2022  " + data->parameters.groups[std::size_t(section)].record.s1;
}

std::wstring footer_text(const engine::document_data* data) {
    const engine::doc_element* footer = footer_of(data);
    return footer ? footer->record.s1 : std::wstring();
}

bool page_number_in_footer(const engine::document_data* data) {
    const engine::doc_element* footer = footer_of(data);
    return footer && footer->record.b == 1;
}

std::wstring title_from_file_name(std::wstring_view file_name) {
    std::wstring name(file_name);
    drop_trailing_blanks(name);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) {
        const std::wstring extension = engine::to_upper(name.substr(dot));
        for (const wchar_t* known :
             {L".DOC", L".DOCX", L".PDF", L".HTM", L".HTML", L".TXT", L".RTF", L".BRIK", L".BRF"}) {
            if (extension == known) {
                name.erase(dot);
                break;
            }
        }
    }
    std::wstring title;
    for (wchar_t c : name) {
        if (!is_forbidden(c)) title += c;
    }
    drop_trailing_dots_and_blanks(title);
    return title;
}

std::wstring file_name_from_title(std::wstring_view title, std::size_t max_utf8_bytes) {
    std::wstring name;
    std::size_t bytes = 0;
    for (wchar_t c : title) {
        const bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
        // Bidirectional overrides and isolates would show the name reordered.
        const bool bidi = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        if (control || bidi || is_forbidden(c)) continue;
        bytes += utf8_length(c);
        if (bytes > max_utf8_bytes) break;
        name += c;
    }
    drop_trailing_dots_and_blanks(name);
    // Leading dots would hide the file; a name of dots alone names a folder.
    while (!name.empty() && name.front() == L'.') name.erase(0, 1);
    return name.empty() ? std::wstring(fallback_name) : name;
}

}  // namespace ui
