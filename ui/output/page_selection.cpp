#include "ui/output/page_selection.h"

#include <algorithm>
#include <optional>

#include "engine/text/plain_text.h"

namespace ui {

namespace {

using engine::is_digit;

// A typed page list may hold the no-break spaces a copied text brings.
bool is_blank(wchar_t c) { return engine::is_blank(c) || c == L'\u00A0'; }

std::optional<int> number_of(std::wstring_view digits) {
    if (digits.empty()) return std::nullopt;
    int value = 0;
    for (wchar_t c : digits) {
        if (!is_digit(c) || value > 100000) return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

std::vector<int> every_page(int page_count) {
    std::vector<int> pages;
    for (int page = 1; page <= page_count; ++page) pages.push_back(page);
    return pages;
}

}  // namespace

std::wstring clean_page_list(std::wstring_view typed) {
    std::wstring cleaned;
    int digits = 0;
    bool after_separator = false;  // a separator may not follow another
    bool blank_after_number = false;
    for (wchar_t c : typed) {
        if (is_digit(c)) {
            if (blank_after_number) {
                cleaned += L',';
                digits = 0;
                blank_after_number = false;
            }
            if (++digits <= 3) cleaned += c;
            after_separator = false;
        } else if (c == L',' || c == L'-') {
            blank_after_number = false;
            if (!after_separator) cleaned += c;
            after_separator = true;
            digits = 0;
        } else if (is_blank(c)) {
            if (digits > 0) blank_after_number = true;
        }
    }
    return cleaned;
}

std::vector<int> parse_page_list(std::wstring_view list, int page_count) {
    std::vector<int> pages;
    bool names_pages = false;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(L',', start);
        if (end == std::wstring_view::npos) end = list.size();
        const std::wstring_view part = list.substr(start, end - start);
        start = end + 1;

        int first = 0, last = 0;
        const std::size_t dash = part.find(L'-');
        if (dash == std::wstring_view::npos) {
            const auto page = number_of(part);
            if (!page) continue;
            first = last = *page;
        } else {
            const std::wstring_view from = part.substr(0, dash), to = part.substr(dash + 1);
            if (from.empty() && to.empty()) continue;
            const auto a = from.empty() ? std::optional<int>(1) : number_of(from);
            const auto b = to.empty() ? std::optional<int>(page_count) : number_of(to);
            if (!a || !b) continue;
            first = *a;
            last = *b;
        }
        names_pages = true;
        if (first < 1 || first > last) continue;
        for (int page = first; page <= std::min(last, page_count); ++page) pages.push_back(page);
    }
    // A list of separators alone is as good as an empty one.
    if (!names_pages) return every_page(page_count);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

std::vector<int> chosen_pages(core::PrintPages print_pages, std::wstring_view list,
                              int page_count) {
    switch (print_pages) {
        case core::PrintPages::all: return every_page(page_count);
        case core::PrintPages::odd:
        case core::PrintPages::even: {
            std::vector<int> pages;
            const int first = print_pages == core::PrintPages::odd ? 1 : 2;
            for (int page = first; page <= page_count; page += 2) pages.push_back(page);
            return pages;
        }
        default: return parse_page_list(clean_page_list(list), page_count);
    }
}

}  // namespace ui
