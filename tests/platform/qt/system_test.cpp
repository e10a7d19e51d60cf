// Links: the system hands only web and mail addresses on.
// Font families of both scripts.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"

namespace {

// Stands in for the desktop's browser and mail program.
class UrlCatcher final : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST(Links, OnlyWebAndMailAddressesAreHandedOnAsTyped) {
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto", "file", "ftp"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    }
    platform::QtSystem system;
    EXPECT_TRUE(system.launch_uri(L"https://paperwright.example.org/ru"));
    EXPECT_TRUE(
        system.launch_uri(L"mailto:support@paperwright.example.org?subject=Paperwright%20support"));
    EXPECT_TRUE(system.launch_uri(L"HTTP://example.org/a b"));
    for (const wchar_t* refused :
         {L"file:///etc/passwd", L"ftp://example.org", L"javascript:alert(1)",
          L"paperwright.example.org/privacy", L""}) {
        EXPECT_FALSE(system.launch_uri(refused)) << refused;
    }
    for (const char* scheme : {"http", "https", "mailto", "file", "ftp"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    ASSERT_EQ(catcher.opened.size(), 3u);
    EXPECT_EQ(catcher.opened[1].query(), QStringLiteral("subject=Paperwright support"));
    EXPECT_EQ(catcher.opened[2].path(), QStringLiteral("/a b"));
}

// Every machine that runs the program has the documents' fonts; it may have others.
TEST(FontFamilies, BothScriptsListTheDocumentsFonts) {
    platform::QtSystem system;
    for (auto script : {platform::FontScript::latin, platform::FontScript::cyrillic}) {
        const std::vector<std::wstring> families = system.font_families(script);
        for (const std::wstring family : {L"Liberation Sans", L"Liberation Serif"}) {
            const bool listed =
                std::any_of(families.begin(), families.end(), [&](const auto& name) {
                    return name == family || name.starts_with(family + L" [");
                });
            EXPECT_TRUE(listed) << std::string(family.begin(), family.end());
        }
    }
}

}  // namespace

#include "system_test.moc"
