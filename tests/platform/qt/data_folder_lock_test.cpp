// The data folder's lock: one holder at a time, which names itself in the
// lock file. flock locks belong to an open file, so two takings in one
// process stand for two copies.
#include "platform/qt/data_folder_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

#include "support/temp_folder.h"

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
    EXPECT_EQ(FolderLock::of_data_folder(folder.path()).outcome(), FolderLock::Outcome::held);
}

TEST(DataFolderLock, ALockFileWithoutAProcessIdNamesNone) {
    const fixture::temp_folder folder;
    for (const char* text : {"", "\n", "abc\n", "12x\n", "-4\n", "0\n", "99999999999999999999\n"}) {
        fixture::write_bytes(folder.file("tembrick.lock"), text);
        EXPECT_EQ(platform::data_folder_holder(folder.path()), std::nullopt) << text;
    }
}

}  // namespace
