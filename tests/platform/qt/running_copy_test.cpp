// A later start on a data folder and the copy running on it: the start
// finds the copy of its own user's wherever it listens, and hands over to
// no one else. The later start runs on a thread of its own while the
// running copy answers from the event loop.
#include "platform/qt/running_copy.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/qt/private_socket.h"
#include "platform/qt/short_folder.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using namespace std::chrono_literals;
using platform::RunningCopy;

fs::path own_shared(const fs::path& shared) {
    return shared / ("tembrick-" + std::to_string(::getuid()));
}

fs::path private_folder(const fs::path& folder) {
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_all);
    return folder;
}

// What a later start with `roots` does on `data`.
RunningCopy::HandOver later_start(const fs::path& data, const platform::SocketRoots& roots,
                                  std::chrono::milliseconds bound) {
    std::atomic<bool> done = false;
    RunningCopy::HandOver hand_over = RunningCopy::HandOver::folder_free;
    std::thread start([&] {
        RunningCopy later(fixture::engine_path(data), roots);
        if (later.another_runs()) hand_over = later.hand_over(bound);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, int((bound + 10s).count() * 1000)));
    start.join();
    return hand_over;
}

// Any folder the running copy made in `shared` for itself.
bool fresh_folder_left(const fs::path& shared) {
    for (const fs::directory_entry& entry : fs::directory_iterator(shared)) {
        if (entry.path().filename().string().starts_with(own_shared(shared).filename().string() +
                                                         "-"))
            return true;
    }
    return false;
}

TEST(RunningCopy, ALaterStartOfTheUsersReachesTheCopyWhereverItListens) {
    enum class Taken { no, by_file, by_link };
    const struct {
        const char* name;
        const char* first_runtime;
        const char* later_runtime;
        Taken shared_name;
    } rows[] = {
        {"two runtime folders", "run one", "run two", Taken::no},
        {"a runtime folder, then none", "run one", nullptr, Taken::no},
        {"shared name taken by a file, data folder unusable", nullptr, nullptr, Taken::by_file},
        {"shared name taken by a link, data folder unusable", nullptr, "run two", Taken::by_link},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fixture::short_folder temp;
        const fs::path shared = private_folder(temp.path() / "tmp");
        // Too long a path for a socket in it.
        const fs::path data = temp.path() / (row.shared_name == Taken::no ? std::string("data")
                                                                          : std::string(120, 'd'));
        fs::create_directories(data);
        if (row.shared_name == Taken::by_file) fixture::write_bytes(own_shared(shared), "");
        if (row.shared_name == Taken::by_link)
            fs::create_directory_symlink(private_folder(temp.path() / "elsewhere"),
                                         own_shared(shared));
        const auto roots = [&](const char* runtime) {
            return platform::SocketRoots{
                runtime ? private_folder(temp.path() / runtime).string() : std::string(),
                shared,
                {},
                temp.path() / "cache/sockets"};
        };
        int came_forward = 0;
        {
            RunningCopy first(fixture::engine_path(data), roots(row.first_runtime));
            ASSERT_FALSE(first.another_runs());
            first.serve([&came_forward] { return ++came_forward, true; });
            EXPECT_EQ(later_start(data, roots(row.later_runtime), 10s),
                      RunningCopy::HandOver::taken);
            EXPECT_EQ(came_forward, 1);
        }
        EXPECT_FALSE(fresh_folder_left(shared));
    }
}

// A copy of another user's listening at the data folder's socket, as the
// user `user` in a process of its own, which tells through its pipe of
// every request it takes. It holds the data folder's lock.
class ForeignCopy {
public:
    ForeignCopy(const fs::path& data, uid_t user, gid_t group) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            if (::setgid(group) != 0 || ::setuid(user) != 0) ::_exit(2);
            const platform::FolderLock lock = platform::FolderLock::of_data_folder(data);
            std::string problem;
            const int listening = platform::listen_at(data / "tembrick.socket", problem);
            if (lock.outcome() != platform::FolderLock::Outcome::held || listening < 0) ::_exit(3);
            if (::write(ends[1], "l", 1) != 1) ::_exit(4);
            for (int taken; (taken = ::accept(listening, nullptr, nullptr)) >= 0; ::close(taken)) {
                char request = 0;
                if (::read(taken, &request, 1) == 1 && ::write(ends[1], &request, 1) == 1)
                    [[maybe_unused]]
                    const auto answered = ::write(taken, "y", 1);
            }
            ::_exit(0);
        }
        ::close(ends[1]);
        told_ = ends[0];
    }
    ~ForeignCopy() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (told_ >= 0) ::close(told_);
    }
    // What it told, waiting at most `bound`; '\0' for nothing.
    char told(std::chrono::milliseconds bound) const {
        pollfd ready{told_, POLLIN, 0};
        char what = 0;
        if (::poll(&ready, 1, int(bound.count())) != 1 || ::read(told_, &what, 1) != 1) return 0;
        return what;
    }

private:
    pid_t pid_ = -1;
    int told_ = -1;
};

// The system user `name`, made with useradd where there is none (root
// only); removed with the object when it made it.
class SecondUser {
public:
    explicit SecondUser(const std::string& name) : name_(name) {
        if (!::getpwnam(name.c_str()) && ::geteuid() == 0)
            made_ = std::system(("useradd --system " + name).c_str()) == 0;
        if (const passwd* found = ::getpwnam(name.c_str())) {
            uid_ = found->pw_uid;
            gid_ = found->pw_gid;
        }
    }
    ~SecondUser() {
        if (made_) [[maybe_unused]]
            const int removed = std::system(("userdel " + name_).c_str());
    }
    bool there() const { return uid_ != 0; }
    uid_t uid() const { return uid_; }
    gid_t gid() const { return gid_; }

private:
    std::string name_;
    bool made_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

TEST(RunningCopy, AStartNeverHandsOverToACopyItTakesForAnotherUsers) {
    const fixture::short_folder temp;
    const fs::path data = temp.path() / "data";
    fs::create_directories(data);
    const platform::SocketRoots roots{{}, private_folder(temp.path() / "tmp"), {}, {}};
    RunningCopy first(fixture::engine_path(data), roots);
    int came_forward = 0;
    first.serve([&came_forward] { return ++came_forward, true; });
    platform::SocketRoots another = roots;
    another.user = ::getuid() + 1;
    EXPECT_EQ(later_start(data, another, 1s), RunningCopy::HandOver::unreachable);
    EXPECT_EQ(came_forward, 0);
}

TEST(RunningCopy, AStartAsRootNeverHandsOverToACopyOfASecondUser) {
    const SecondUser second("tembrick-test-peer");
    if (::geteuid() != 0 || !second.there()) GTEST_SKIP() << "no second user without root";
    const fixture::short_folder temp;
    const fs::path theirs = temp.path() / "their data";
    fs::create_directories(theirs);
    fs::permissions(temp.path(), fs::perms::owner_all | fs::perms::others_exec);
    ASSERT_EQ(::chown(theirs.c_str(), second.uid(), second.gid()), 0);
    const ForeignCopy foreign(theirs, second.uid(), second.gid());
    ASSERT_EQ(foreign.told(30s), 'l');
    const platform::SocketRoots roots{{}, private_folder(temp.path() / "tmp"), {}, {}};
    EXPECT_EQ(later_start(theirs, roots, 1s), RunningCopy::HandOver::unreachable);
    EXPECT_EQ(foreign.told(0ms), '\0') << "the start asked another user's copy";
}

TEST(RunningCopy, AStartThatReachesNoCopyOfItsUsersSaysSoApartFromOneThatDoesNotAnswer) {
    for (const bool listening : {false, true}) {
        SCOPED_TRACE(listening);
        const fixture::short_folder temp;
        const fs::path data = temp.path() / "data";
        fs::create_directories(data);
        // Held, and listened at by a copy that takes no request (stopped).
        const platform::FolderLock held = platform::FolderLock::of_data_folder(data);
        std::string problem;
        const int socket = listening ? platform::listen_at(data / "tembrick.socket", problem) : -1;
        const platform::SocketRoots roots{{}, private_folder(temp.path() / "tmp"), {}, {}};
        EXPECT_EQ(later_start(data, roots, 500ms), listening ? RunningCopy::HandOver::not_answering
                                                             : RunningCopy::HandOver::unreachable);
        if (socket >= 0) ::close(socket);
    }
}

}  // namespace
