#include "platform/qt/line_breaks.h"

#include <QTextBoundaryFinder>

namespace platform {

namespace {

constexpr QChar zero_width_space(0x200B);

void put_breakable(QString& out, const QString& word) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
    qsizetype from = 0;
    for (qsizetype to = graphemes.toNextBoundary(); to > 0; to = graphemes.toNextBoundary()) {
        if (from > 0) out += zero_width_space;
        out += QStringView(word).mid(from, to - from);
        from = to;
    }
}

}  // namespace

QString breakable_anywhere(const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    put_breakable(out, text);
    return out;
}

QString breakable_words(const QString& text, const QFontMetrics& metrics, int room) {
    QString out;
    qsizetype word_start = 0;
    const auto put_word = [&](qsizetype end) {
        const QString word = text.mid(word_start, end - word_start);
        if (metrics.horizontalAdvance(word) <= room) {
            out += word;
        } else {
            put_breakable(out, word);
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isSpace()) continue;
        put_word(i);
        out += text.at(i);
        word_start = i + 1;
    }
    put_word(text.size());
    return out;
}

}  // namespace platform
