// Temporary files of saves: swept when no live process holds them, whichever
// installation of the program wrote them.
#include "core/stale_saves.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/temp_folder.h"
#include "engine/document/file_replace.h"

namespace {

namespace fs = std::filesystem;

// A pid no process has any more.
pid_t ended_pid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string saving_name(pid_t pid, int n) {
    return ".paperwright-" + std::to_string(pid) + "-" + std::to_string(n) + ".saving";
}

// A second process that makes a temporary file as a save does and holds it,
// unfinished, until `end`; it leaves the file behind, as a killed save does.
class holding_process {
public:
    holding_process(const fs::path& folder, const std::string& name) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(release_) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // Its own copy of the write end would keep the release from coming.
            ::close(release_[1]);
            ::close(ready[0]);
            engine::saving_file file(folder, name);
            char made = file.error() ? 'n' : 'y';
            (void)!::write(ready[1], &made, 1);
            (void)!::read(release_[0], &made, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release_[0]);
        char made = 'n';
        holds_ = ::read(ready[0], &made, 1) == 1 && made == 'y';
        ::close(ready[0]);
    }
    ~holding_process() { end(); }
    holding_process(const holding_process&) = delete;
    holding_process& operator=(const holding_process&) = delete;

    bool holds() const { return holds_; }
    void end() {
        if (pid_ <= 0) return;
        ::close(release_[1]);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool holds_ = false;
};

TEST(StaleSaves, AFileHeldByALiveProcessIsKeptUntilThatProcessHasEnded) {
    core_test::TempFolder root;
    const fs::path lists = root / L"data/lists";
    const fs::path saved_into = root / L"Documents";
    fs::create_directories(lists);
    fs::create_directories(saved_into);
    // Named with a pid that runs no process of this program, as the files of
    // another installation look to this one.
    const pid_t gone = ended_pid();
    const core::library_folders folders(L"", root.text() + L"/data", L"");
    const struct {
        const char* sweep;
        fs::path folder;
        void (*run)(const core::library_folders&, const fs::path&);
    } sweeps[] = {
        {"at start", lists,
         [](const core::library_folders& f, const fs::path&) { core::remove_stale_saves(f); }},
        {"before a save into a folder", saved_into,
         [](const core::library_folders&, const fs::path& folder) {
             core::remove_stale_saves_in(core::text_of(folder));
         }},
    };
    for (const auto& sweep : sweeps) {
        const fs::path held = sweep.folder / saving_name(gone, 1);
        const fs::path left = sweep.folder / saving_name(gone, 2);
        core_test::write_file(left, "cut short");
        holding_process writer(sweep.folder, held.filename().string());
        ASSERT_TRUE(writer.holds()) << sweep.sweep;

        sweep.run(folders, sweep.folder);
        EXPECT_TRUE(fs::exists(held)) << sweep.sweep;
        EXPECT_FALSE(fs::exists(left)) << sweep.sweep;

        writer.end();
        sweep.run(folders, sweep.folder);
        EXPECT_FALSE(fs::exists(held)) << sweep.sweep;
    }
}

}  // namespace
