// Dictionary rows of the plurals in -ы.
// Not built yet.
#include "engine/declension/word_handlers.h"

namespace engine {

}  // namespace engine
