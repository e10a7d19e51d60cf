#include "engine/document/document_file.h"

#include <bit>

#include "engine/document/document_data.h"
#include "engine/text/utf16.h"

namespace engine {

document_file::document_file(std::wstring path, const environment& env)
    : path(std::move(path)), env_(&env) {}

void document_file::load(document_data& data) {
    input_.clear();
    position_ = 0;
    stopped_ = false;
    message.clear();
    std::optional<std::uintmax_t> size = env_->file_size(path);
    std::optional<std::string> bytes;
    if (size && *size <= max_file_bytes) bytes = env_->read_file(path, *size);
    if (!bytes) {
        message = L"File " + path + L" is unavailable.";
        data.state = load_state::not_opened;
        return;
    }
    input_ = std::move(*bytes);
    read_string(message);
    if (message != brik_magic) {
        data.state = load_state::wrong_magic;
    } else {
        data.read_node(data.page_setup, 0);
        data.read_node(data.pages, 0);
        data.read_node(data.parameters, 0);
        // Bytes after the third tree mean a count was misread: saving would
        // drop them.
        if (!stopped_ && position_ != input_.size()) stop();
        data.state = stopped_ ? load_state::damaged : load_state::loaded;
    }
    input_.clear();
    input_.shrink_to_fit();
    position_ = 0;
}

bool document_file::take(std::size_t count, const unsigned char*& bytes) {
    if (stopped_) return false;
    if (input_.size() - position_ < count) {
        stop();
        return false;
    }
    bytes = reinterpret_cast<const unsigned char*>(input_.data()) + position_;
    position_ += count;
    return true;
}

bool document_file::read_u16(std::uint16_t& value) {
    const unsigned char* p = nullptr;
    if (!take(2, p)) return false;
    value = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    return true;
}

bool document_file::read_u32(std::uint32_t& value) {
    const unsigned char* p = nullptr;
    if (!take(4, p)) return false;
    value = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
            (std::uint32_t(p[3]) << 24);
    return true;
}

bool document_file::read_i32(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!read_u32(bits)) return false;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool document_file::read_f64(double& value) {
    const unsigned char* p = nullptr;
    if (!take(8, p)) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    value = std::bit_cast<double>(bits);
    return true;
}

bool document_file::read_string(std::wstring& target) {
    std::uint16_t escape = 0;
    if (!read_u16(escape)) return false;
    if (escape != 0xFEFF) return true;
    std::uint16_t x = 0;
    if (!read_u16(x)) return false;
    std::uint32_t length = 0;
    if (x != 0xFFFF) {
        length = x >> 8;
    } else {
        std::uint16_t y = 0;
        if (!read_u16(y)) return false;
        if (y != 0xFFFF) {
            length = y;
        } else if (!read_u32(length)) {
            return false;
        }
    }
    // Never trust the length further than the file goes.
    std::size_t available = remaining() / 2;
    bool cut = length > available;
    std::size_t count = cut ? available : length;
    std::u16string units(count, u'\0');
    const unsigned char* p = reinterpret_cast<const unsigned char*>(input_.data()) + position_;
    for (std::size_t i = 0; i < count; ++i) units[i] = char16_t(p[2 * i] | (p[2 * i + 1] << 8));
    position_ += 2 * count;
    target += from_utf16(units);
    if (cut) stop();
    return !cut;
}

std::size_t document_file::remaining() const { return stopped_ ? 0 : input_.size() - position_; }

void document_file::stop() { stopped_ = true; }

void document_file::write_u16(std::uint16_t value) {
    output_ += char(value & 0xFF);
    output_ += char(value >> 8);
}

void document_file::write_u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) output_ += char((value >> (8 * i)) & 0xFF);
}

void document_file::write_i32(std::int32_t value) { write_u32(static_cast<std::uint32_t>(value)); }

void document_file::write_f64(double value) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) output_ += char((bits >> (8 * i)) & 0xFF);
}

void document_file::write_string(std::wstring_view text) {
    std::u16string units = to_utf16(text);
    write_u16(0xFEFF);
    write_u16(0xFFFF);
    write_u16(0xFFFF);
    write_u32(static_cast<std::uint32_t>(units.size()));
    for (char16_t unit : units) write_u16(unit);
}

std::error_code document_file::commit() {
    const std::string bytes = take_output();
    // A file that cannot be written (a read-only library) can still be left
    // as it is.
    if (env_->file_size(path) == bytes.size() && env_->read_file(path, bytes.size()) == bytes)
        return {};
    return env_->replace_file(path, bytes);
}

std::string document_file::take_output() {
    std::string bytes;
    bytes.swap(output_);
    return bytes;
}

}  // namespace engine
