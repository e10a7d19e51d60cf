// The data folder's lock: one holder at a time, which names itself in the
// lock file. flock locks belong to an open file, so two takings in one
// process stand for two copies.
#include "platform/qt/data_folder_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "support/temp_folder.h"
#include "support/unwritable_tree.h"

namespace {

using platform::FolderLock;

TEST(DataFolderLock, OneHolderAtATimeNamesItsProcessAndLetsGoAtItsEnd) {
    const fixture::temp_folder folder;
    EXPECT_EQ(platform::data_folder_holder(folder.path()), std::nullopt);
    {
        // A killed copy's id, left in the file, is written over.
        fixture::write_bytes(folder.file("tembrick.lock"), "999999999\n");
        const FolderLock first = FolderLock::of_data_folder(folder.path());
        EXPECT_EQ(first.outcome(), FolderLock::Outcome::held);
        EXPECT_EQ(platform::data_folder_holder(folder.path()), int(::getpid()));
        EXPECT_EQ(FolderLock::of_data_folder(folder.path()).outcome(), FolderLock::Outcome::busy);
    }
    // Its id stays in the file, and names no holder: the process no longer
    // holds the file, though it runs, as this user, and is this program.
    EXPECT_EQ(platform::data_folder_holder(folder.path()), std::nullopt);
    EXPECT_EQ(FolderLock::of_data_folder(folder.path()).outcome(), FolderLock::Outcome::held);
}

// A copy of this program that holds nothing, waiting until the object goes,
// or ended at once.
class OtherCopy {
public:
    explicit OtherCopy(bool ended) {
        int ends[2];
        if (::pipe(ends) != 0) return;
        id_ = ::fork();
        if (id_ == 0) {
            ::close(ends[1]);
            char ignored;
            [[maybe_unused]] const auto got = ::read(ends[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ends[0]);
        wake_ = ends[1];
        if (ended) end();
    }
    ~OtherCopy() { end(); }
    int id() const { return id_; }

private:
    void end() {
        if (wake_ < 0) return;
        ::close(wake_);
        wake_ = -1;
        ::waitpid(id_, nullptr, 0);
    }
    pid_t id_ = -1;
    int wake_ = -1;
};

TEST(DataFolderLock, AnIdLeftInAFileTheHolderCouldNotWriteNamesNoProcess) {
    for (const bool ended : {true, false}) {
        SCOPED_TRACE(ended);
        const OtherCopy other(ended);
        ASSERT_GT(other.id(), 0);
        const fixture::temp_folder folder;
        const std::string left = std::to_string(other.id()) + "\n";
        fixture::write_bytes(folder.file("tembrick.lock"), left);
        const fixture::unwritable_tree unwritable(folder.path());
        if (!unwritable.made()) GTEST_SKIP() << "root, on a file system without immutable files";
        const FolderLock holding = FolderLock::of_data_folder(folder.path());
        ASSERT_EQ(holding.outcome(), FolderLock::Outcome::held);
        EXPECT_EQ(fixture::read_bytes(folder.file("tembrick.lock")), left);
        EXPECT_EQ(platform::data_folder_holder(folder.path()), std::nullopt);
    }
}

TEST(DataFolderLock, ALockFileWithoutAProcessIdNamesNone) {
    const fixture::temp_folder folder;
    for (const char* text : {"", "\n", "abc\n", "12x\n", "-4\n", "0\n", "99999999999999999999\n"}) {
        fixture::write_bytes(folder.file("tembrick.lock"), text);
        EXPECT_EQ(platform::data_folder_holder(folder.path()), std::nullopt) << text;
    }
}

TEST(DataFolderLock, AFolderThatCannotBeWrittenAndALinkedLockFileAreHeldByOneCopyAtATime) {
    enum class Case { held_before_folder_went_read_only, read_only_folder, lock_file_a_link };
    for (const Case lock_case : {Case::held_before_folder_went_read_only, Case::read_only_folder,
                                 Case::lock_file_a_link}) {
        SCOPED_TRACE(int(lock_case));
        const fixture::temp_folder home;
        const std::filesystem::path folder = home.file("data");
        std::filesystem::create_directory(folder);
        // The link is not followed: what it names stays as it was.
        fixture::write_bytes(home.file("elsewhere"), "kept");
        if (lock_case == Case::lock_file_a_link)
            std::filesystem::create_symlink(home.file("elsewhere"), folder / "tembrick.lock");
        std::optional<FolderLock> first;
        if (lock_case != Case::read_only_folder) first = FolderLock::of_data_folder(folder);
        std::optional<fixture::unwritable_tree> unwritable;
        if (lock_case != Case::lock_file_a_link) unwritable.emplace(folder);
        if (unwritable && !unwritable->made())
            GTEST_SKIP() << "root, on a file system without immutable files";
        if (!first) first = FolderLock::of_data_folder(folder);
        EXPECT_EQ(first->outcome(), FolderLock::Outcome::held);
        EXPECT_EQ(FolderLock::of_data_folder(folder).outcome(), FolderLock::Outcome::busy);
        EXPECT_EQ(fixture::read_bytes(home.file("elsewhere")), "kept");
    }
}

}  // namespace
