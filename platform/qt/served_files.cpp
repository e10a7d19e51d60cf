#include "platform/qt/served_files.h"

#include <deque>

namespace platform {

namespace {

struct ServedFile {
    QString path;
    QByteArray bytes;
    QByteArray mime_type;
};

// The newest few: a frame may still be reading the one before the newest.
constexpr std::size_t kept_files = 3;

std::deque<ServedFile>& served() {
    static std::deque<ServedFile> files;
    return files;
}

}  // namespace

void serve_file(const QString& path, QByteArray bytes, QByteArray mime_type) {
    auto& files = served();
    files.push_back({path, std::move(bytes), std::move(mime_type)});
    while (files.size() > kept_files) files.pop_front();
}

const QByteArray* served_file(const QString& path, QByteArray* mime_type) {
    for (const ServedFile& file : served()) {
        if (file.path == path) {
            if (mime_type) *mime_type = file.mime_type;
            return &file.bytes;
        }
    }
    return nullptr;
}

}  // namespace platform
