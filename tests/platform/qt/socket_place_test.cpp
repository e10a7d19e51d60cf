// Where the running copy's socket stands: only in a folder its user alone
// can reach.
#include "platform/qt/socket_place.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/private_socket.h"
#include "platform/qt/short_folder.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

enum class Place { runtime, data, shared_temp, none };

// Changes what the test made before the places are looked for; answers the
// user the folders are then looked at for.
using Change = std::function<uid_t(const fs::path& runtime, const fs::path& shared)>;

// A user other than the test's: the folders the test makes are not this
// user's, as they would not be root's had another user made them.
const uid_t another_user = ::getuid() + 1;

uid_t mode(const fs::path& folder, fs::perms perms) {
    fs::permissions(folder, perms);
    return ::getuid();
}

fs::path own_shared(const fs::path& shared, uid_t user = ::getuid()) {
    return shared / ("tembrick-" + std::to_string(user));
}

TEST(SocketPlace, OnlyAFolderOfTheUsersAloneHoldsTheSocket) {
    constexpr fs::perms open = fs::perms::owner_all | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read |
                               fs::perms::others_exec;
    const struct {
        const char* name;
        Change change;
        bool long_data_folder;
        Place place;
    } rows[] = {
        {"runtime folder of the user's, mode 0700", {}, false, Place::runtime},
        {"runtime folder others can read",
         [](const fs::path& runtime, const fs::path&) { return mode(runtime, open); }, false,
         Place::data},
        {"runtime folder of another user",
         [](const fs::path&, const fs::path&) { return another_user; }, false, Place::data},
        {"runtime folder that is a link",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::rename(runtime, shared / "real run");
             fs::create_directory_symlink(shared / "real run", runtime);
             return ::getuid();
         },
         false, Place::data},
        {"no runtime folder",
         [](const fs::path& runtime, const fs::path&) { return fs::remove(runtime), ::getuid(); },
         false, Place::data},
        {"data folder too long, shared folder made here",
         [](const fs::path& runtime, const fs::path&) { return fs::remove(runtime), ::getuid(); },
         true, Place::shared_temp},
        {"shared folder another user made first",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::remove(runtime);
             fs::create_directory(own_shared(shared, another_user));
             fs::permissions(own_shared(shared, another_user), fs::perms::owner_all);
             return another_user;
         },
         true, Place::none},
        {"shared name another user took with a file",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::remove(runtime);
             fixture::write_bytes(own_shared(shared), "");
             return ::getuid();
         },
         true, Place::none},
        {"shared name another user took with a link to a folder of the user's",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::remove(runtime);
             fs::create_directory(shared / "elsewhere");
             fs::permissions(shared / "elsewhere", fs::perms::owner_all);
             fs::create_directory_symlink(shared / "elsewhere", own_shared(shared));
             return ::getuid();
         },
         true, Place::none},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fixture::short_folder temp;
        const fs::path runtime = temp.path() / "run";
        const fs::path shared = temp.path() / "tmp";
        const fs::path data =
            temp.path() / (row.long_data_folder ? std::string(120, 'd') : std::string("data"));
        fs::create_directories(data);
        fs::create_directories(shared);
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        const uid_t user = row.change ? row.change(runtime, shared) : ::getuid();
        const platform::SocketPlaces places =
            platform::socket_places(data, {runtime.string(), shared, {}, {}, user});
        const fs::path in_data = data / "tembrick.socket";
        switch (row.place) {
            case Place::runtime:
                ASSERT_EQ(places.paths.size(), 2u);
                EXPECT_EQ(places.paths[0].parent_path(), runtime);
                EXPECT_EQ(places.paths[1], in_data);
                // A start without it (through su) asks there as well.
                EXPECT_EQ(platform::places_to_ask(data, {"", shared, runtime.string(), {}, user}),
                          (std::vector{in_data, places.paths[0]}));
                break;
            case Place::data: EXPECT_EQ(places.paths, std::vector{in_data}); break;
            case Place::shared_temp:
                ASSERT_EQ(places.paths.size(), 1u);
                EXPECT_EQ(places.paths[0].parent_path(), own_shared(shared));
                EXPECT_EQ(fs::status(own_shared(shared)).permissions(), fs::perms::owner_all);
                break;
            case Place::none:
                EXPECT_TRUE(places.paths.empty());
                EXPECT_NE(places.problem.find(own_shared(shared, user).string()),
                          std::string::npos);
                break;
        }
    }
}

TEST(SocketPlace, WhereTheSharedNameIsTakenAFreshFolderHoldsTheSocketAndTheRecordNamesIt) {
    const fixture::short_folder temp;
    const fs::path shared = temp.path() / "tmp";
    const fs::path other_run = temp.path() / "other run";
    const fs::path data = temp.path() / std::string(120, 'd');
    for (const fs::path& folder : {shared, other_run, data}) fs::create_directories(folder);
    fs::permissions(other_run, fs::perms::owner_all);
    fixture::write_bytes(own_shared(shared), "taken");
    const platform::SocketRoots roots{"", shared, {}, temp.path() / "cache/tembrick/sockets"};
    EXPECT_TRUE(platform::socket_places(data, roots).paths.empty());
    std::string problem;
    const std::optional<fs::path> first = platform::fresh_socket_place(data, roots, problem);
    ASSERT_TRUE(first) << problem;
    EXPECT_EQ(first->parent_path().parent_path(), shared);
    EXPECT_EQ(fs::status(first->parent_path()).permissions(), fs::perms::owner_all);
    ASSERT_TRUE(platform::record_socket_place(data, roots, *first));
    EXPECT_EQ(fs::status(roots.record_folder).permissions(), fs::perms::owner_all);
    // A start with another runtime folder asks there first.
    platform::SocketRoots later = roots;
    later.runtime_folder = other_run.string();
    EXPECT_EQ(platform::places_to_ask(data, later).front(), *first);
    // The next copy after a killed one: the folder it left goes.
    const std::optional<fs::path> next = platform::fresh_socket_place(data, roots, problem);
    ASSERT_TRUE(next) << problem;
    ASSERT_TRUE(platform::record_socket_place(data, roots, *next));
    EXPECT_FALSE(fs::exists(first->parent_path()));
    EXPECT_EQ(platform::places_to_ask(data, later).front(), *next);
    // A record others can write in is not read.
    fs::permissions(roots.record_folder, fs::perms::group_write, fs::perm_options::add);
    EXPECT_NE(platform::places_to_ask(data, later).front(), *next);
    // With a socket a start listens at beside it.
    const int beside = platform::listen_at(next->string() + ".message", problem);
    ASSERT_GE(beside, 0) << problem;
    ::close(beside);
    platform::remove_socket_place(*next, roots);
    EXPECT_FALSE(fs::exists(next->parent_path()));
}

}  // namespace
