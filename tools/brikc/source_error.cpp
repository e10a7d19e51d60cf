#include "tools/brikc/source_error.h"

namespace brikc {

std::string located(const std::string& file, const source_error& error) {
    if (error.line() <= 0) return file + ": " + error.what();
    return file + ":" + std::to_string(error.line()) + ": " + error.what();
}

}  // namespace brikc
