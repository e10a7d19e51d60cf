// The one error of the template compiler: a message tied to a line of the
// source, printed as "file:line: message" so that editors and the build log
// can jump to it.
#pragma once

#include <stdexcept>
#include <string>

namespace brikc {

class source_error : public std::runtime_error {
public:
    source_error(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    // 1-based; 0 when the error concerns the whole file.
    int line() const { return line_; }

private:
    int line_;
};

// "file:line: message" (or "file: message" for line 0).
std::string located(const std::string& file, const source_error& error);

}  // namespace brikc
