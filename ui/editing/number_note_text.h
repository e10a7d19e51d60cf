// What the note below a number field's row says: why the document prints a
// gap where the field's number goes. The one place that decides whether a
// field has a note and which words it takes.
#pragma once

#include <string>

#include "engine/document/doc_model.h"

namespace ui {

// The note for `field` read in `language` (0 English, 1 Russian: the
// interface language, in which the document reads its numbers and the note
// is written), in the field's unit and the currency of the document with
// these `parameters` (null: none); empty where the document shows no gap for
// it: a field of another type, an empty one, a number, a value script, a
// text that says there is none. Otherwise it says why: not a number, the unit
// the field counts («Срок считается в календарных днях»), the document's
// currency, a negative term, a day of the month outside 1 to 31.
std::wstring number_note_text(const engine::doc_element& field, const engine::doc_node* parameters,
                              int language);

}  // namespace ui
