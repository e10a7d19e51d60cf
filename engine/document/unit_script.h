// Runs the template script of one unit (a block, a paragraph run or a legacy
// page) against its document.
#pragma once

#include <string>

namespace engine {

class document;

std::wstring run_unit_script(document& doc, std::wstring text);

}  // namespace engine
