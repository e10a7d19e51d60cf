// A failure's message in a box of bounded width.
#include "platform/qt/elided_words.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

TEST(ElidedWords, OnlyAWordWiderThanTheBoxIsShortenedInItsMiddle) {
    const QFontMetrics metrics(QApplication::font());
    const QString path = QStringLiteral("/home/user/") + QString(2000, QLatin1Char('n')) +
                         QStringLiteral("/Sales Agreement.brik");
    const QString message = QStringLiteral("Changes could not be saved to ") + path +
                            QStringLiteral(": Read-only file system.");
    const QString shown = platform::with_long_words_elided(message, metrics, 480);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Changes could not be saved to /home/user/")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("Agreement.brik: Read-only file system.")));
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    for (const QString& word : shown.split(QLatin1Char(' ')))
        EXPECT_LE(metrics.horizontalAdvance(word), 480);
    EXPECT_EQ(platform::with_long_words_elided(QStringLiteral("short words stay"), metrics, 480),
              QStringLiteral("short words stay"));
}

}  // namespace
