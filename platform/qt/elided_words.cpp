#include "platform/qt/elided_words.h"

#include <QStringList>

namespace platform {

QString with_long_words_elided(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (metrics.horizontalAdvance(word) > width)
            word = metrics.elidedText(word, Qt::ElideMiddle, width);
    }
    return words.join(QLatin1Char(' '));
}

}  // namespace platform
