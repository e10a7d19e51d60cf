#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QLocale>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"

#ifndef TEMBRICK_INSTALL_DATADIR
#error "TEMBRICK_INSTALL_DATADIR must name the installed data folder"
#endif

namespace platform {

namespace {

std::wstring created(const QString& path) {
    if (path.isEmpty() || !QDir().mkpath(path)) return {};
    return from_qstring(QDir::cleanPath(path));
}

}  // namespace

std::wstring QtSystem::install_folder() {
    // The build tree has the installed layout, so a built program finds its
    // data beside it.
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tembrick");
    if (QDir(beside).exists()) return from_qstring(QDir::cleanPath(beside));
    return from_qstring(QString::fromUtf8(TEMBRICK_INSTALL_DATADIR));
}

std::wstring QtSystem::data_folder() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (path.isEmpty()) return {};
    // One that cannot be made is still named: the start says so.
    QDir().mkpath(path);
    return from_qstring(QDir::cleanPath(path));
}

std::wstring QtSystem::temp_folder() {
    // Our own folder under the user's cache; the system-wide temporary folder
    // is shared and must never be emptied.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || temp_folder_withheld_) return {};
    return created(cache + QStringLiteral("/temp"));
}

std::optional<std::wstring> QtSystem::home_region_code() {
    const QString code = QLocale::territoryToCode(QLocale::system().territory());
    if (code.isEmpty()) return std::nullopt;
    return from_qstring(code);
}

bool QtSystem::launch_uri(const std::wstring& uri) {
    const QUrl url(to_qstring(uri), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    // Never a file, a program or a scheme some other program claims.
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
                           scheme != QLatin1String("mailto"))) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

std::vector<std::wstring> QtSystem::font_families(FontScript script) {
    const QStringList names = QFontDatabase::families(
        script == FontScript::cyrillic ? QFontDatabase::Cyrillic : QFontDatabase::Latin);
    std::vector<std::wstring> families;
    families.reserve(std::size_t(names.size()));
    for (const QString& name : names) families.push_back(from_qstring(name));
    return families;
}

}  // namespace platform
