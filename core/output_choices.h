// The choices of the save/print panel that live until the program ends: the
// copies, the pages to print, the format, folder and opening of a save. The
// file name and the page-number footer live in the document instead.
#pragma once

#include <cstdint>
#include <string>

namespace core {

// The values are the codes of the print page's radio buttons.
enum class PrintPages : std::int32_t {
    all = 0,
    odd = 1,
    even = 2,
    selected = 3,  // the typed page list
};

// The values are the codes of the save page's radio buttons less 4.
enum class SaveFormat : std::int32_t {
    pdf = 0,
    doc = 1,  // Word-readable HTML
    html = 2,
};

struct output_choices {
    double copies = 1;  // the slider's value; printing takes whole copies 1 to 10
    PrintPages print_pages = PrintPages::all;
    std::wstring selected_pages;  // the page list as typed
    SaveFormat save_format = SaveFormat::pdf;
    std::wstring save_folder;  // empty: the documents folder
    bool open_after_saving = true;
};

}  // namespace core
