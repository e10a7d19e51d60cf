// Break opportunities Qt's text layouts lack. Views and labels wrap only
// between words and elide or clip a word wider than their room; a zero-width
// space between the characters of a word lets it wrap there too.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace platform {

// A break opportunity between every two characters (graphemes).
QString breakable_anywhere(const QString& text);
// The same, only inside the words wider than `room` pixels: shorter words
// still wrap whole.
QString breakable_words(const QString& text, const QFontMetrics& metrics, int room);

}  // namespace platform
