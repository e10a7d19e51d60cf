// Replacing files whole through a fresh temporary name.
#include "engine/document/file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::ptrdiff_t entries(const fixture::temp_folder& folder) {
    return std::distance(fs::directory_iterator(folder.path()), {});
}

TEST(ReplaceFile, AClashAtTheTemporaryNameIsLeftAloneAndTheReplacedFileKeepsItsPermissions) {
    fixture::temp_folder folder;
    const fs::path target = folder.file("Договор.brik");
    fixture::write_bytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    // Another save's temporary file holds the name tried first.
    const fs::path other = folder.file(".paperwright-1-2.saving");
    fixture::write_bytes(other, "another save");
    EXPECT_FALSE(engine::replace_file(target, "new", ".paperwright-1-2.saving"));
    EXPECT_EQ(fixture::read_bytes(target), "new");
    EXPECT_EQ(fixture::read_bytes(other), "another save");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(folder), 2);

    // A failure leaves the old file and no temporary one.
    fs::create_directory(folder.file("folder.brik"));
    EXPECT_TRUE(engine::replace_file(folder.file("folder.brik"), "new"));
    EXPECT_TRUE(engine::replace_file(folder.file("missing/x.brik"), "new"));
    EXPECT_TRUE(fs::is_directory(folder.file("folder.brik")));
    EXPECT_EQ(entries(folder), 3);
}

TEST(ReplaceFile, OnlyNamesOfThePatternGiveAPid) {
    EXPECT_EQ(engine::saving_file_pid(".paperwright-4242-123456789.saving"), 4242);
    EXPECT_EQ(engine::saving_file_pid(".paperwright-1-0.saving"), 1);
    for (const char* name :
         {".paperwright--1.saving", ".paperwright-12-.saving", ".paperwright-1-2.saving~",
          "paperwright-1-2.saving", ".paperwright-+1-2.saving", ".paperwright-1-2-3.saving",
          ".paperwright-1234567890-1.saving", ".save-1-2.tmp", "tembrick.ini.tmp"}) {
        EXPECT_FALSE(engine::saving_file_pid(name)) << name;
    }
}

}  // namespace
