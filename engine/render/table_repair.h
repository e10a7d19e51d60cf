// Repair of the loose table HTML that one unit's script writes.
//
// Table, row and cell tags come from separate markers, so a unit may hold
// cells outside any table, closers without an opening, or a table that was
// never closed. The repair gives every loose stretch of cells a table of its
// own and closes what is left open, so that the unit can sit in a div or a
// table cell without swallowing the units after it.
#pragma once

#include <string>

namespace engine {

// Pure: the result depends on `text` alone.
std::wstring balance_tables(std::wstring text);

}  // namespace engine
