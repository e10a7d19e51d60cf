// Document files in and out, through the engine's own reader and writer, so
// the library is byte for byte what the program reads and writes back.
#pragma once

#include <filesystem>
#include <optional>

#include "tools/brikc/brik_tree.h"

namespace brikc {

// Replaces the file at `path` (its folder must exist). False on failure.
bool write_brik(brik_tree tree, const std::filesystem::path& path);
// The tree of a file that loaded whole; nothing for a missing, foreign or
// damaged file.
std::optional<brik_tree> read_brik(const std::filesystem::path& path);

}  // namespace brikc
