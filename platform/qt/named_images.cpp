#include "platform/qt/named_images.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QUrl>
#include <QWebEngineUrlRequestJob>
#include <QtEndian>
#include <deque>

#include "platform/file_urls.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/served_files.h"

namespace platform {

namespace {

constexpr char image_step[] = "image";
// Far more images than a document links; the oldest names go first.
constexpr qsizetype kept_names = 1024;

struct NamedFiles {
    std::deque<QString> order;
    QSet<QString> paths;
};

NamedFiles& named() {
    static NamedFiles files;
    return files;
}

// The path a file: address names on this machine; empty for another host.
QString local_path(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || !url.isLocalFile()) return {};
    if (!url.host().isEmpty() && url.host() != QLatin1String("localhost")) return {};
    return QDir::cleanPath(url.path(QUrl::FullyDecoded));
}

QByteArray image_type(const QByteArray& head) {
    if (head.startsWith("\x89PNG\r\n\x1a\n")) return QByteArrayLiteral("image/png");
    if (head.startsWith("\xFF\xD8\xFF")) return QByteArrayLiteral("image/jpeg");
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return QByteArrayLiteral("image/gif");
    // "BM" alone is too common a start: the size of the header that follows
    // must be one of the bitmap header sizes.
    static constexpr int bitmap_headers[] = {12, 40, 52, 56, 64, 108, 124};
    if (head.size() >= 18 && head.startsWith("BM")) {
        const int header = qFromLittleEndian<quint32>(head.constData() + 14);
        for (int size : bitmap_headers) {
            if (header == size) return QByteArrayLiteral("image/bmp");
        }
    }
    return {};
}

// Opened without waiting on a pipe or device; null unless a regular file.
QFile* open_regular_file(const QString& path, QObject* parent) {
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    auto* file = new QFile(parent);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        delete file;
        return nullptr;
    }
    return file;
}

}  // namespace

void name_files_in(const std::wstring& script) {
    NamedFiles& files = named();
    for (const std::wstring& address : file_urls_in(script)) {
        const QString path = local_path(to_qstring(address));
        if (path.isEmpty() || files.paths.contains(path)) continue;
        files.order.push_back(path);
        files.paths.insert(path);
        if (qsizetype(files.order.size()) > kept_names) {
            files.paths.remove(files.order.front());
            files.order.pop_front();
        }
    }
}

QString named_image_address_prefix() {
    return QLatin1String(scheme_name) + QLatin1Char(':') + QLatin1String(image_step);
}

bool serve_named_image(QWebEngineUrlRequestJob* job) {
    const QString path = job->requestUrl().path(QUrl::FullyDecoded);
    const QString step = QLatin1String(image_step) + QLatin1Char('/');
    if (!path.startsWith(step)) return false;
    const QString file_path = QDir::cleanPath(path.mid(step.size() - 1));
    if (!named().paths.contains(file_path)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return true;
    }
    QFile* file = open_regular_file(file_path, job);
    const QByteArray type = file ? image_type(file->peek(18)) : QByteArray();
    if (type.isEmpty()) {
        job->fail(file ? QWebEngineUrlRequestJob::RequestDenied
                       : QWebEngineUrlRequestJob::UrlNotFound);
        return true;
    }
    job->reply(type, file);
    return true;
}

}  // namespace platform
