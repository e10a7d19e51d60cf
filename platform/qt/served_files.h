// Files that the "tembrick:" scheme serves to the web views from memory,
// such as the PDF of the print preview. UI thread only.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

inline constexpr char scheme_name[] = "tembrick";

// Serves `bytes` at the scheme path `path`; the oldest served files are
// dropped once a few newer ones exist.
void serve_file(const QString& path, QByteArray bytes, QByteArray mime_type);
// Null when nothing is served at `path`.
const QByteArray* served_file(const QString& path, QByteArray* mime_type);

}  // namespace platform
