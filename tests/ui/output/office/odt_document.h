// What a word processor made of a file, read back from the OpenDocument text
// it saved: the page of its Writer/Web page style, the words, the font of the
// text in table cells and the tables' column widths.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <map>
#include <vector>

namespace office_test {

// Millimetres.
struct PageLayout {
    double width = 0, height = 0, top = 0, right = 0, bottom = 0, left = 0;
};

struct CellRun {
    QString font;
    QString text;
};

struct OdtDocument {
    // Empty when the package could not be read, else what went wrong.
    QString error;
    PageLayout page;
    QStringList words;
    std::vector<CellRun> cell_runs;
    // Each table's columns as shares of its width, in document order (an
    // inner table after the cell that holds it).
    std::vector<std::vector<double>> tables;
    // The languages the styles give the text ("ru-RU"), each once.
    QStringList languages;
    // Each table of the body itself, in order: the space between it and the
    // paragraph before it (that one's space below and its own above), mm.
    std::vector<double> space_above_tables;
    // The text of each paragraph of the body that keeps with the next.
    QStringList kept_with_next;
};

OdtDocument read_odt(const std::filesystem::path& file);

// The words of a text: split at any blank, invisible characters dropped.
QStringList words_of(QString text);

}  // namespace office_test
