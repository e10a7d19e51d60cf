#include "support/unwritable_tree.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace fixture {

namespace {

namespace fs = std::filesystem;

bool set_immutable(const fs::path& path, bool immutable) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool set = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (set) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        set = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return set;
}

void set_writable(const fs::path& path, bool writable) {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    writable ? fs::perm_options::add : fs::perm_options::remove, ignored);
}

}  // namespace

unwritable_tree::unwritable_tree(const fs::path& top) {
    changed_.push_back(top);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top)) {
        if (!entry.is_symlink()) changed_.push_back(entry.path());
    }
    for (const fs::path& path : changed_) {
        if (::geteuid() != 0) {
            set_writable(path, false);
        } else if (!set_immutable(path, true)) {
            made_ = false;
            break;
        }
    }
    if (!made_) {
        for (const fs::path& path : changed_) set_immutable(path, false);
    }
}

unwritable_tree::~unwritable_tree() {
    for (const fs::path& path : changed_) {
        if (::geteuid() != 0)
            set_writable(path, true);
        else
            set_immutable(path, false);
    }
}

}  // namespace fixture
