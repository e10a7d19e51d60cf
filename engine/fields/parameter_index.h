// Finds a parameter field by the word key of its name without comparing the
// name with every field of the document.
//
// One table maps each word key to the first field (sections, then fields)
// whose name has it; it is built from the fields' names and kept while they
// stay the same. Before answering it compares the names with the copies it
// was built from and builds itself again on any difference (a field renamed,
// added or removed, another document). It compares once per outermost script
// run, as nothing renames a field while a script runs, and at every lookup
// made outside a run. Values are always read from the field itself. UI thread
// only.
#pragma once

#include <string>

namespace engine {

struct doc_record;
struct document_data;

// The first parameter field whose name has the word key `key`; null when
// there is none or `data` is null.
doc_record* find_parameter(document_data* data, const std::wstring& key);

}  // namespace engine
