#include "ui/editing/value_list.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>

#include "core/file_paths.h"
#include "core/interface_texts.h"
#include "engine/document/file_replace.h"
#include "engine/document/ui_text.h"
#include "engine/text/text_replace.h"
#include "engine/text/utf16.h"

namespace ui {

// The ".list" file, all numbers little-endian:
//
//   file  = count:u32 entry*
//   entry = FF FE length text      (the mark 0xFEFF)
//         | any other u16          (not written by this program: skipped, and
//                                   the file is not read whole)
//   length = FF FF FF FF n:u32     (long form, the only one written)
//          | FF FF n:u16           (n != 0xFFFF)
//          | FF n:u8               (the u16 read as a whole is not 0xFFFF)
//   text  = n UTF-16LE code units, no terminator
//
// The list ["ab"] is written as
//   01 00 00 00  FF FE  FF FF FF FF  02 00 00 00  61 00 62 00
// The layout must not change: the files outlive the program's versions.

namespace {

constexpr std::uint16_t entry_mark = 0xFEFF;
constexpr std::uint16_t length_escape = 0xFFFF;

// Reads little-endian numbers; a read past the end fails and stays failed.
class byte_reader {
public:
    explicit byte_reader(std::string_view bytes) : bytes_(bytes) {}

    bool u16(std::uint16_t& value) { return number(value, 2); }
    bool u32(std::uint32_t& value) { return number(value, 4); }
    std::size_t left() const { return bytes_.size() - position_; }

    bool units(std::uint32_t count, std::u16string& out) {
        if (left() / 2 < count) return false;
        out.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint16_t unit = 0;
            u16(unit);
            out[i] = char16_t(unit);
        }
        return true;
    }

private:
    template <class T>
    bool number(T& value, std::size_t size) {
        if (left() < size) return false;
        value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= T(T(std::uint8_t(bytes_[position_ + i])) << (8 * i));
        position_ += size;
        return true;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

bool read_length(byte_reader& in, std::uint32_t& length) {
    std::uint16_t first = 0;
    if (!in.u16(first)) return false;
    if (first != length_escape) {
        length = first >> 8;
        return true;
    }
    std::uint16_t second = 0;
    if (!in.u16(second)) return false;
    if (second != length_escape) {
        length = second;
        return true;
    }
    return in.u32(length);
}

void put_u16(std::string& out, std::uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void put_u32(std::string& out, std::uint32_t value) {
    put_u16(out, std::uint16_t(value & 0xFFFF));
    put_u16(out, std::uint16_t(value >> 16));
}

// The UTF-16 units of a text one at a time, as engine::to_utf16 writes them.
class utf16_units {
public:
    explicit utf16_units(std::wstring_view text) : text_(text) {}

    bool next(char32_t& unit) {
        if (low_) {
            unit = std::exchange(low_, 0);
            return true;
        }
        if (position_ == text_.size()) return false;
        char32_t cp = char32_t(text_[position_++]);
        if (cp > 0x10FFFF) cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            low_ = 0xDC00 + (cp & 0x3FF);
            cp = 0xD800 + (cp >> 10);
        }
        unit = cp;
        return true;
    }

private:
    std::wstring_view text_;
    std::size_t position_ = 0;
    char32_t low_ = 0;
};

bool is_unsafe_in_file_name(wchar_t c) {
    return c == L'/' || c == L'\\' || c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

value_list_read decode_value_list(std::string_view bytes) {
    value_list_read read;
    byte_reader in(bytes);
    std::uint32_t count = 0;
    if (!in.u32(count)) {
        read.whole = bytes.empty();
        return read;
    }
    std::u16string units;
    // The count is not trusted for a reservation: a damaged one may be huge.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t mark = 0;
        if (read.entries.size() == value_list_max_entries || !in.u16(mark)) {
            read.whole = false;
            break;
        }
        // No empty text: a plain text file would show a screen of empty
        // rows. Later marks still find the entries after a damage.
        if (mark != entry_mark) {
            read.whole = false;
            continue;
        }
        std::uint32_t length = 0;
        if (!read_length(in, length) || !in.units(length, units)) {
            read.whole = false;
            break;
        }
        read.entries.push_back(engine::from_utf16(units));
    }
    if (in.left() != 0) read.whole = false;
    if (!read.whole) std::erase(read.entries, std::wstring());
    return read;
}

std::string encode_value_list(const std::vector<std::wstring>& entries) {
    std::string out;
    std::size_t size = 4;
    for (const std::wstring& entry : entries) size += 10 + 2 * engine::utf16_length(entry);
    out.reserve(size);
    put_u32(out, std::uint32_t(entries.size()));
    for (const std::wstring& entry : entries) {
        const std::u16string units = engine::to_utf16(entry);
        put_u16(out, entry_mark);
        put_u16(out, length_escape);
        put_u16(out, length_escape);
        put_u32(out, std::uint32_t(units.size()));
        for (char16_t unit : units) put_u16(out, std::uint16_t(unit));
    }
    return out;
}

bool value_list_less(std::wstring_view a, std::wstring_view b) {
    const auto [left_end, right_end] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (right_end == b.end()) return false;
    if (left_end == a.end()) return true;
    // Below the surrogates a code point is its own single unit.
    if (*left_end < 0xD800 && *right_end < 0xD800) return *left_end < *right_end;
    utf16_units left(a.substr(std::size_t(left_end - a.begin())));
    utf16_units right(b.substr(std::size_t(right_end - b.begin())));
    for (;;) {
        char32_t l = 0;
        char32_t r = 0;
        const bool has_left = left.next(l);
        const bool has_right = right.next(r);
        if (!has_left || !has_right) return !has_left && has_right;
        if (l != r) return l < r;
    }
}

void sort_value_list(std::vector<std::wstring>& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const std::wstring& a, const std::wstring& b) { return value_list_less(a, b); });
}

std::wstring value_list_name(std::wstring_view name) {
    while (!name.empty() && name.back() >= L'0' && name.back() <= L'9') name.remove_suffix(1);
    std::wstring safe(name);
    std::replace_if(safe.begin(), safe.end(), is_unsafe_in_file_name, L'_');
    return safe;
}

std::wstring value_list_path(const std::wstring& lists_folder, std::wstring_view name) {
    if (lists_folder.empty()) return {};
    return lists_folder + L"/" + value_list_name(name) + L".list";
}

value_list_read read_value_list(const std::wstring& path) {
    const std::filesystem::path file = core::fs_path(path);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return {};
    if (!std::filesystem::is_regular_file(file, error)) return {{}, false};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, false};
    // One byte past the bound tells a file that reaches it from a longer one.
    std::string bytes(value_list_max_bytes + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(in.gcount()));
    const bool beyond = bytes.size() > value_list_max_bytes;
    if (beyond) bytes.resize(value_list_max_bytes);
    value_list_read read = decode_value_list(bytes);
    // A read that failed part way gives what came in, but not as a whole list.
    if (beyond || in.bad()) read.whole = false;
    return read;
}

std::wstring unreadable_list_name(const std::wstring& path, int n) {
    std::wstring name = core::text_of(core::fs_path(path).filename());
    if (n > 1) name += L"." + std::to_wstring(n);
    return name + L".unreadable";
}

value_list_keeping keep_unreadable_value_list(const std::wstring& path) {
    namespace fs = std::filesystem;
    const fs::path file = core::fs_path(path);
    for (int n = 1; n <= value_list_kept_names; ++n) {
        const fs::path kept = file.parent_path() / core::fs_path(unreadable_list_name(path, n));
        std::error_code error;
        if (fs::exists(fs::symlink_status(kept, error))) continue;
        // A second name for the same bytes costs nothing; a copy is the
        // way where the file system has no links.
        fs::create_hard_link(file, kept, error);
        if (error) {
            error.clear();
            fs::copy_file(file, kept, fs::copy_options::none, error);
        }
        if (!error) return {core::text_of(kept.filename()), false, {}};
        std::error_code ignored;
        if (fs::exists(fs::symlink_status(kept, ignored))) continue;
        return {{}, false, error};
    }
    return {{}, true, {}};
}

std::error_code write_value_list(const std::wstring& path,
                                 const std::vector<std::wstring>& entries) {
    return engine::replace_file(core::fs_path(path), encode_value_list(entries));
}

value_list_choice::value_list_choice(std::wstring list_path, std::wstring initial_value,
                                     std::chrono::milliseconds lock_wait)
    : list_path_(std::move(list_path)),
      initial_value_(std::move(initial_value)),
      lock_wait_(lock_wait) {}

std::vector<std::wstring> value_list_choice::update_file(const value_list_change& change) {
    value_list_update update = update_value_list(list_path_, change, !kept_as_.empty(), lock_wait_);
    if (!update.kept_as.empty()) kept_as_ = std::move(update.kept_as);
    write_failure_ = update.failure;
    no_name_to_keep_ = update.no_name_to_keep;
    busy_ = update.busy;
    return std::move(update.entries);
}

std::wstring value_list_choice::note() const {
    if (busy_) return core::ui_string(engine::ui_text::list_busy);
    if (no_name_to_keep_) {
        std::wstring said = core::ui_string(engine::ui_text::list_names_taken);
        engine::replace_all(said, L"{first}", unreadable_list_name(list_path_, 1));
        engine::replace_all(said, L"{last}",
                            unreadable_list_name(list_path_, value_list_kept_names));
        return said;
    }
    if (write_failure_) return core::changes_not_saved(list_path_, write_failure_);
    if (kept_as_.empty()) return {};
    std::wstring said = core::ui_string(engine::ui_text::list_kept_aside);
    engine::replace_all(said, L"{name}", kept_as_);
    return said;
}

void value_list_choice::open() {
    const value_list_change add = [this](std::vector<std::wstring>& entries) {
        if (initial_value_.empty()) return false;
        const auto place =
            std::lower_bound(entries.begin(), entries.end(), initial_value_, value_list_less);
        // Written back even when present: the file comes back sorted.
        if (place != entries.end() && *place == initial_value_) return true;
        // A full list takes no new text: written, it would read as cut.
        if (entries.size() >= value_list_max_entries) return false;
        entries.insert(place, initial_value_);
        return true;
    };
    if (list_path_.empty()) {
        add(entries_);
    } else {
        entries_ = update_file(add);
    }
    if (initial_value_.empty()) {
        selected_ = entries_.empty() ? -1 : 0;
        return;
    }
    const auto place =
        std::lower_bound(entries_.begin(), entries_.end(), initial_value_, value_list_less);
    const bool found = place != entries_.end() && *place == initial_value_;
    selected_ = found ? std::int32_t(place - entries_.begin()) : -1;
}

void value_list_choice::select(std::int32_t index) {
    selected_ = has(index) ? index : -1;
    if (selected_ != -1) result_ = entries_[std::size_t(selected_)];
}

const std::wstring& value_list_choice::accept() {
    if (has(selected_)) result_ = entries_[std::size_t(selected_)];
    return result_;
}

void value_list_choice::remove(std::int32_t index) {
    if (!has(index)) return;
    const std::wstring text = entries_[std::size_t(index)];
    entries_.erase(entries_.begin() + index);
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
    if (std::find(entries_.begin(), entries_.end(), result_) == entries_.end()) result_.clear();
    if (list_path_.empty()) return;
    // The file loses that one entry; the dialog keeps showing its own list.
    update_file([&text](std::vector<std::wstring>& entries) {
        const auto found = std::find(entries.begin(), entries.end(), text);
        if (found == entries.end()) return false;
        entries.erase(found);
        return true;
    });
}

}  // namespace ui
