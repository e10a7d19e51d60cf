#include "engine/document/process_state.h"

namespace engine {

int current_language = 0;
document* current_document = nullptr;
int current_section = 0;
bool library_shown = false;
std::uint8_t render_mode = 0;

}  // namespace engine
