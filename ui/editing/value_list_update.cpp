#include "ui/editing/value_list_update.h"

#include <algorithm>
#include <filesystem>

#include "core/file_paths.h"
#include "engine/document/file_lock.h"
#include "ui/editing/value_list.h"

namespace ui {

value_list_update update_value_list(const std::wstring& path, const value_list_change& change,
                                    bool kept_already, std::chrono::milliseconds wait) {
    // Held until the new file is in place: a change that waited reads it.
    const engine::file_lock lock(core::fs_path(path), wait);
    value_list_read read = read_value_list(path);
    value_list_update update;
    update.entries = std::move(read.entries);
    // The files this writes are sorted already; only others need sorting.
    if (!std::is_sorted(update.entries.begin(), update.entries.end(), value_list_less))
        sort_value_list(update.entries);
    if (!change(update.entries)) return update;
    if (lock.result() == engine::file_lock::outcome::busy) {
        update.busy = true;
        update.failure = std::make_error_code(std::errc::device_or_resource_busy);
        return update;
    }

    std::error_code error;
    if (std::filesystem::is_directory(
            std::filesystem::symlink_status(core::fs_path(path), error))) {
        // A folder cannot be kept as a file, and nothing is renamed over it.
        update.failure = std::make_error_code(std::errc::is_a_directory);
        return update;
    }
    if (!read.whole && !kept_already) {
        value_list_keeping kept = keep_unreadable_value_list(path);
        if (kept.name.empty()) {
            update.no_name_to_keep = kept.names_taken;
            update.failure = kept.error ? kept.error : std::make_error_code(std::errc::file_exists);
            return update;
        }
        update.kept_as = std::move(kept.name);
    }
    update.failure = write_value_list(path, update.entries);
    return update;
}

}  // namespace ui
