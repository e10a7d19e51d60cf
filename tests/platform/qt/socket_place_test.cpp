// Where the running copy's socket stands: only in a folder its user alone
// can reach.
#include "platform/qt/socket_place.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

enum class Place { runtime, data, shared_temp, none };

// Answers whether the change could be made (changing an owner takes root).
using Change = std::function<bool(const fs::path& runtime, const fs::path& shared)>;

bool mode(const fs::path& folder, fs::perms perms) {
    fs::permissions(folder, perms);
    return true;
}

bool foreign_owner(const fs::path& folder) { return ::chown(folder.c_str(), 4321, 4321) == 0; }

fs::path own_shared(const fs::path& shared) {
    return shared / ("tembrick-" + std::to_string(::getuid()));
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
         [](const fs::path& runtime, const fs::path&) { return foreign_owner(runtime); }, false,
         Place::data},
        {"runtime folder that is a link",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::rename(runtime, shared / "real run");
             fs::create_directory_symlink(shared / "real run", runtime);
             return true;
         },
         false, Place::data},
        {"no runtime folder",
         [](const fs::path& runtime, const fs::path&) { return fs::remove(runtime); }, false,
         Place::data},
        {"data folder too long, shared folder made here",
         [](const fs::path& runtime, const fs::path&) { return fs::remove(runtime); }, true,
         Place::shared_temp},
        {"shared folder another user made first",
         [](const fs::path& runtime, const fs::path& shared) {
             fs::create_directory(own_shared(shared));
             return fs::remove(runtime) && mode(own_shared(shared), fs::perms::owner_all) &&
                    foreign_owner(own_shared(shared));
         },
         true, Place::none},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fixture::temp_folder temp;
        const fs::path runtime = temp.path() / "run";
        const fs::path shared = temp.path() / "tmp";
        const fs::path data =
            temp.path() / (row.long_data_folder ? std::string(120, 'd') : std::string("data"));
        fs::create_directories(data);
        fs::create_directories(shared);
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        // Another user's folder can be made only by root.
        if (row.change && !row.change(runtime, shared)) continue;
        const platform::SocketPlaces places =
            platform::socket_places(data, {runtime.string(), shared, {}});
        const fs::path in_data = data / "tembrick.socket";
        switch (row.place) {
            case Place::runtime:
                ASSERT_EQ(places.paths.size(), 2u);
                EXPECT_EQ(places.paths[0].parent_path(), runtime);
                EXPECT_EQ(places.paths[1], in_data);
                // A start without it (through su) asks there as well.
                EXPECT_EQ(platform::places_to_ask(data, {"", shared, runtime.string()}),
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
                EXPECT_NE(places.problem.find(own_shared(shared).string()), std::string::npos);
                break;
        }
    }
}

}  // namespace
