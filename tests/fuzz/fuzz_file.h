// The fuzzers' way to hand bytes to readers that take a path: one file per
// process, rewritten for every input, in memory where the system has /dev/shm.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz {

inline std::string input_path(const char* extension) {
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                             ? "/dev/shm"
                                             : std::filesystem::temp_directory_path();
    return (folder / ("paperwright-fuzz-" + std::to_string(::getpid()) + extension)).string();
}

// Writes `data` to the process's input file and answers its path.
inline std::string write_input(const std::uint8_t* data, std::size_t size, const char* extension) {
    static const std::string path = input_path(extension);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}

}  // namespace fuzz
