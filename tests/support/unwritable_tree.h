// A folder tree that this process and the ones it starts cannot change,
// root included, until the object goes: as root every file and folder in it
// takes the immutable attribute, which stops root's writes too; otherwise
// they lose their write permissions. Links are left alone.
#pragma once

#include <filesystem>
#include <vector>

namespace fixture {

class unwritable_tree {
public:
    explicit unwritable_tree(const std::filesystem::path& top);
    ~unwritable_tree();
    unwritable_tree(const unwritable_tree&) = delete;
    unwritable_tree& operator=(const unwritable_tree&) = delete;

    // False where the file system takes no immutable attribute for root;
    // the tree is left writable then.
    bool made() const { return made_; }

private:
    std::vector<std::filesystem::path> changed_;
    bool made_ = true;
};

}  // namespace fixture
