// Process-wide state shared by the engine and the program's window.
//
// All of it is read and written on the UI thread only, without locks. Tests
// reset it through a fixture.
#pragma once

#include <cstdint>

namespace engine {

class document;

// 0 English, 1 Russian: selects every bilingual text and the number words.
extern int current_language;
// The most recently constructed document; null when there is none. The
// document's destructor clears it when it points to that document.
extern document* current_document;
// Index of the parameter section selected in the left menu.
extern int current_section;
// Set while the library page is shown.
extern bool library_shown;
// 0 while rendering for the screen, 1 for print.
extern std::uint8_t render_mode;

}  // namespace engine
