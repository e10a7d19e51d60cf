// What a process id stands for now: ids are reused once their process ends,
// so an id read from a file names a copy of this program only while that
// process is checked to be one.
#pragma once

#include <sys/stat.h>

namespace platform {

// Whether process `id` is alive, runs as this user, is this program (the
// same process name) and has the file `opened` open.
bool is_copy_with_file_open(int id, const struct stat& opened);

}  // namespace platform
