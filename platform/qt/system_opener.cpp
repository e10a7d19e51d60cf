#include "platform/qt/system_opener.h"

#include <QFileInfo>
#include <QProcess>

#include "platform/qt/qstring_conversion.h"

namespace platform {

Task<bool> open_with_desktop(const std::wstring& path) {
    TaskSource<bool> source;
    // No parent: deleting a running QProcess kills it, and with it a viewer
    // that xdg-open waits for.
    auto* process = new QProcess();
    process->setProgram(QStringLiteral("xdg-open"));
    // Absolute, so that a name beginning with "-" is not read as an option.
    process->setArguments({QFileInfo(to_qstring(path)).absoluteFilePath()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished,
                     [source, process](int code, QProcess::ExitStatus status) mutable {
                         source.set_value(status == QProcess::NormalExit && code == 0);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred,
                     [source, process](QProcess::ProcessError error) mutable {
                         // Every other error ends in `finished` as well.
                         if (error != QProcess::FailedToStart) return;
                         source.set_value(false);
                         process->deleteLater();
                     });
    process->start();
    return source.task();
}

}  // namespace platform
