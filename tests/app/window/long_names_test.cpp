// Names and paths of any length in the window's captions.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <filesystem>

#include "platform/qt/native_widget.h"
#include "window/window_fixture.h"

namespace {

using platform::widget_of;

class LongNames : public app_test::WindowTest {
protected:
    static int minimum_width(const app::MainWindow& window) {
        return widget_of(*window.elements().window)->minimumSizeHint().width();
    }
    // The width the window asks for when it is first shown.
    static int wanted_width(const app::MainWindow& window) {
        return widget_of(*window.elements().window)->sizeHint().width();
    }
    static int screen_width() {
        return QGuiApplication::primaryScreen()->availableGeometry().width();
    }
    void post(const std::wstring& message) {
        main_view().web_message_received.raise(main_view(), message);
    }
};

TEST_F(LongNames, AStoredOrPostedNameNeverWidensTheWindowAndStaysWholeInTheCaptions) {
    const auto start_on = [&](std::wstring_view name) {
        std::u16string line = u"LastDocumentEng:\t\t";
        line.append(name.begin(), name.end());
        write_settings({u"StartOnLibrary:\t\t0.000000", u"ToolBarShow:\t\t0.000000", line});
    };
    int usual = 0, usual_wanted = 0;
    start_on(L"Short.brik");
    {
        auto window = make_window();
        window->activate();
        pump();
        usual = minimum_width(*window);
        usual_wanted = wanted_width(*window);
    }
    ASSERT_LT(usual, screen_width());
    ASSERT_LE(usual_wanted, screen_width());
    views.clear();

    const std::wstring stored(5000, L'n');
    start_on(stored);
    auto window = make_window();
    window->activate();
    pump();
    const auto& e = window->elements();
    for (const auto& caption : {e.status_text, e.title_text}) {
        EXPECT_NE(caption->text().find(stored), std::wstring::npos);
        EXPECT_TRUE(widget_of(*caption)->toolTip().toStdWString() == caption->text());
    }
    EXPECT_EQ(minimum_width(*window), usual);
    // The eliding captions ask for a modest width, not the whole name's.
    EXPECT_LE(wanted_width(*window), screen_width()) << usual_wanted;
    EXPECT_LE(widget_of(*e.window)->width(), screen_width());

    // A page may post a name up to the bridge's bound: a path of short
    // components opens (and shows) as missing; a component no file system
    // keeps is no document and is dropped.
    std::wstring posted;
    while (posted.size() < 4000) posted += std::wstring(200, L'p') + L"/";
    post(posted + L"name");
    EXPECT_EQ(window->session().last_document(), posted + L"name.brik");
    EXPECT_EQ(minimum_width(*window), usual);
    post(L"Folder/" + std::wstring(120, L'ж') + L"|x");  // 242 characters, 244 bytes: kept
    EXPECT_EQ(window->session().last_document(), L"Folder/" + std::wstring(120, L'ж') + L" x.brik");
    post(L"Folder/" + std::wstring(127, L'ж'));  // 254 bytes with ".brik": 259
    EXPECT_EQ(window->session().last_document(), L"Folder/" + std::wstring(120, L'ж') + L" x.brik");
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(LongNames, FileNamesShowExactlyAsTheyAreInTheTitleAndStatusBar) {
    write_settings({u"ToolBarShow:\t\t0.000000"});
    auto window = make_window();
    window->activate();
    // How a tooltip reads on the screen: as markup when Qt takes it for some.
    const auto tooltip_reads = [](const QWidget& widget) {
        QTextDocument shown;
        const QString tip = widget.toolTip();
        if (Qt::mightBeRichText(tip)) {
            shown.setHtml(tip);
        } else {
            shown.setPlainText(tip);
        }
        return shown.toPlainText().toStdWString();
    };
    for (const std::wstring name : {L"Offer <draft> R&amp;D", L"<b>Plan [*] &lt;"}) {
        std::filesystem::copy_file(data_file(L"briks/Folder/Two Words.brik"),
                                   data_file(L"briks/Folder/" + name + L".brik"));
        std::wstring posted = L"Folder/" + name;
        std::replace(posted.begin(), posted.end(), L' ', L'|');
        post(posted);
        ASSERT_EQ(window->session().last_document(), L"Folder/" + name + L".brik");

        const auto& e = window->elements();
        EXPECT_EQ(e.status_text->text(), L"Folder  \u2022  " + name);
        EXPECT_EQ(tooltip_reads(*widget_of(*e.status_text)), L"Folder  \u2022  " + name);
        const std::wstring title = L"Paperwright  \u2022  " + name;
        EXPECT_EQ(e.title_text->text(), title);
        // As the window system is handed it.
        EXPECT_EQ(widget_of(*e.window)->windowHandle()->title().toStdWString(), title);
    }
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
