// The data folder's lock: one holder at a time, which names itself in the
// lock file. flock locks belong to an open file, so two takings in one
// process stand for two copies.
#include "platform/qt/data_folder_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "support/temp_folder.h"
#include "support/unwritable_tree.h"

extern char** environ;

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

// A process of its own for an id in the lock file, ended or waiting until
// the object goes.
class OtherProcess {
public:
    enum class Kind { ended, this_program, another_program };
    explicit OtherProcess(Kind kind) {
        if (kind == Kind::another_program) {
            const char* argv[] = {"sleep", "60", nullptr};
            if (::posix_spawnp(&pid_, "sleep", nullptr, nullptr, const_cast<char**>(argv),
                               environ) != 0)
                pid_ = -1;
            return;
        }
        int ends[2];
        if (::pipe(ends) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            char ignored;
            if (kind == Kind::this_program) [[maybe_unused]]
                const auto got = ::read(ends[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ends[0]);
        wake_ = ends[1];
        if (kind == Kind::ended) end();
    }
    ~OtherProcess() {
        if (pid_ > 0) ::kill(pid_, SIGKILL);
        end();
    }
    int id() const { return saved_id_ ? saved_id_ : pid_; }

private:
    void end() {
        if (wake_ >= 0) ::close(wake_);
        wake_ = -1;
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        saved_id_ = pid_;
        pid_ = -1;
    }
    pid_t pid_ = -1;
    int saved_id_ = 0;
    int wake_ = -1;
};

TEST(DataFolderLock, AnIdLeftInAFileTheHolderCouldNotWriteNamesNoProcess) {
    for (const OtherProcess::Kind kind :
         {OtherProcess::Kind::ended, OtherProcess::Kind::this_program,
          OtherProcess::Kind::another_program}) {
        SCOPED_TRACE(int(kind));
        const OtherProcess other(kind);
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
