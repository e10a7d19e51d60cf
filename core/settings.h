// The settings record and its file, "tembrick.ini" in the data folder.
//
// The file is UTF-16LE without a byte-order mark: the line count, then for
// each key CR LF, the key, ":", two tabs and the value, and a final CR LF.
//
//   16 CR LF "Language:\t\t1.000000" CR LF "LastDocument:\t\t..." ... CR LF
//
// Numbers are written with six decimals and a full stop and read without the
// process locale. The key names and their order must not change: files
// written by earlier versions are read back with them.
// Owned by the session; UI thread only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

struct settings {
    std::wstring path;                // data folder + "/tembrick.ini"; empty until `load`
    std::vector<std::wstring> lines;  // the lines last read or written

    double Language = 1.0;
    double StartOnLibrary = 1.0;
    std::wstring LastDocument = L"Договоры/Шаблон договора с произвольным текстом.brik";
    std::wstring LastDocumentEng = L"Agreements/Sales Agreement.brik";
    double DocumentZoom = 100.0;
    double MenuPanelWidth = 263.0;
    double DataPanelWidth = 480.0;
    double AppWindowMaximized = 0.0;
    double ToolBarShow = 1.0;
    double StatusBarShow = 1.0;
    double OpenDocAfterSaving = 1.0;
    double WindowX = 0.0;
    double WindowY = 0.0;
    double WindowWidth = 0.0;
    double WindowHeight = 0.0;

    // Sets `path` in `data_folder`; writes the file when there is none and
    // reads it otherwise. Never throws: a file that cannot be checked is read
    // as far as it can be, and the fields it does not give keep their values.
    void load(const std::wstring& data_folder);
    // Fills the fields from the file; fields without a line keep their
    // values. A file that cannot be opened changes nothing.
    void read();
    // Writes every field through a temporary file renamed over the old one
    // (engine::replace_file), so a failed write keeps the old file. Answers
    // whether the file was written; with an empty `path` nothing happens. The
    // first failure is reported on stderr. `first_temporary_name`, for tests,
    // is the temporary name tried first.
    bool write(std::string_view first_temporary_name = {});

    bool start_on_library() const { return StartOnLibrary != 0; }

    bool failure_reported = false;
};

}  // namespace core
