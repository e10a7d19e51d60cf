// What the note below a number field's row says: why the document prints a
// gap where the field's number goes. The one place that decides whether a
// field has a note and which words it takes.
#pragma once

#include <string>

#include "engine/document/doc_model.h"

namespace engine {
struct document_data;
}
namespace ui {

// The note for `field` read in `language` (0 English, 1 Russian: the
// interface language, in which the document reads its numbers and the note
// is written), in the field's unit (money when a money form of the template
// prints it) and the currency of the document `data` (null: none); empty where the document shows
// no gap for it: a field of another type, an empty one, a number, a value script, a text that says
// there is none. Otherwise it says why: not a number, the unit the field counts («Срок считается в
// календарных днях»), the document's currency, a negative term, a day of the month outside 1 to 31,
// a rate of another period than the field's; where the template leaves the field's clause out when
// it is empty (clauses_left_out.h), it adds that «нет»
// ("none") does so.
std::wstring number_note_text(const engine::doc_element& field, const engine::document_data* data,
                              int language);

}  // namespace ui
