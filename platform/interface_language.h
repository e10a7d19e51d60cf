// The interface language of what the platform shows on its own: the system's
// file and folder pickers and message boxes take their buttons and labels
// from Qt's translations of that language, and dialogs without a title of
// their own are titled with the program's name. UI thread only.
#pragma once

#include <string>

namespace platform {

struct InterfaceTexts {
    // Two-letter code of the language ("en", "ru").
    std::string language;
    // The window title of dialogs and message boxes.
    std::wstring program_name;
    // The label of the image picker's file filter.
    std::wstring images;
};

// Takes effect for every dialog opened afterwards; replaces the previous
// language's translations. A language Qt has no translation for leaves its
// texts in English.
void set_interface_texts(InterfaceTexts texts);
const InterfaceTexts& interface_texts();

}  // namespace platform
