#include "engine/document/unit_script.h"

namespace engine {

std::wstring run_unit_script(document&, std::wstring text) { return text; }

}  // namespace engine
