// A message for a box of bounded width: a word (a path, a file name) wider
// than the box is shortened in its middle with "…"; the rest stays.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace platform {

QString with_long_words_elided(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace platform
