#include "ui/output/file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "engine/text/utf16.h"

namespace ui {

namespace {

std::filesystem::path fs_path(std::wstring_view text) {
    return std::filesystem::path(engine::to_utf8(text));
}

[[noreturn]] void fail(const char* what, int error) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(error));
}

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
public:
    TemporaryFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    void close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail("closing the file", errno);
    }
    void keep() { kept_ = true; }

private:
    std::string path_;
    int fd_;
    bool kept_ = false;
};

}  // namespace

std::string utf8_of(std::wstring_view text) {
    std::wstring clean(text);
    for (wchar_t& c : clean) {
        const auto code = static_cast<std::uint32_t>(c);
        if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) c = 0xFFFD;
    }
    return engine::to_utf8(clean);
}

void write_file_atomically(const std::wstring& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path target = fs_path(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string temp_name = ".save-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    const std::string temp_path = (folder / temp_name).string();

    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) fail("creating the file", errno);
    TemporaryFile temp(temp_path, fd);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(temp.fd(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("writing the file", errno);
        }
        written += std::size_t(n);
    }
    if (::fsync(temp.fd()) != 0) fail("writing the file", errno);
    temp.close();
    if (::rename(temp.path().c_str(), target.c_str()) != 0) fail("renaming the file", errno);
    temp.keep();
}

}  // namespace ui
