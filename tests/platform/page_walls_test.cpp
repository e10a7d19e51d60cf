#include <gtest/gtest.h>

#include "platform/file_urls.h"
#include "platform/js_string_literal.h"
#include "platform/page_message.h"

namespace {

using platform::file_urls_in;

TEST(PageMessage, OnlyADocumentNameOfBoundedLengthIsTaken) {
    EXPECT_TRUE(platform::is_page_message(L"Договоры/Договор|купли-продажи"));
    EXPECT_TRUE(platform::is_page_message(L""));
    EXPECT_TRUE(platform::is_page_message(std::wstring(platform::max_page_message_length, L'я')));
    EXPECT_FALSE(
        platform::is_page_message(std::wstring(platform::max_page_message_length + 1, L'a')));
    for (const wchar_t* unknown : {L"a\nb", L"a\tb", L"\x1b[2J", L"a\x7f", L"a\x85", L"a\xd800"}) {
        EXPECT_FALSE(platform::is_page_message(unknown)) << unknown;
    }
    EXPECT_FALSE(platform::is_page_message(std::wstring(L"a\0b", 3)));
}

TEST(FileUrls, AddressesAreFoundAsThePageWillReadThem) {
    const auto in_page = [](const std::wstring& html) {
        return file_urls_in(L"document.documentElement.innerHTML='" +
                            platform::js_string_literal(html) + L"';");
    };
    using list = std::vector<std::wstring>;
    EXPECT_EQ(in_page(L"<img src=\"file:///home/u/a%20b.png\"/>"),
              list{L"file:///home/u/a%20b.png"});
    EXPECT_EQ(in_page(L"<IMG SRC='FILE:///srv/it\"s a.png'>"), list{L"FILE:///srv/it\"s a.png"});
    EXPECT_EQ(in_page(L"<img src=\"file:///a b/it's.gif\">"), list{L"file:///a b/it's.gif"});
    EXPECT_EQ(in_page(L"<img src=file:///x.bmp><img src=file:///y.bmp/>"),
              (list{L"file:///x.bmp", L"file:///y.bmp/"}));
    EXPECT_EQ(in_page(L"<img src=\"file:///r&amp;d.png\">"), list{L"file:///r&d.png"});
    EXPECT_EQ(in_page(L"<p>see file:///etc/hosts\nor profile:x</p>"), list{L"file:///etc/hosts"});
    EXPECT_EQ(file_urls_in(L"img.src=\"file:///q\\u0041.png\""), list{L"file:///qA.png"});
    EXPECT_TRUE(in_page(L"<img src=\"data:image/png;base64,AAAA\"> file").empty());
    EXPECT_TRUE(in_page(L"<img src=\"file:///" + std::wstring(20000, L'a') + L"\">").empty());
}

}  // namespace
