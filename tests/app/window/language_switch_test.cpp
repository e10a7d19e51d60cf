// Ctrl+F7 and the other accelerators as the window receives them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <optional>
#include <string>

#include "core/file_paths.h"
#include "core/interface_texts.h"
#include "engine/text/utf16.h"
#include "support/unwritable_tree.h"
#include "window/window_fixture.h"

namespace {

using core::SavePrintPage;
using core::ViewMode;
using platform::KeyModifiers;
using platform::VirtualKey;

class Keys : public app_test::WindowTest {
protected:
    void press(app::MainWindow& window, VirtualKey key) {
        platform::Window& native = *window.elements().window;
        native.accelerator_invoked.raise(native, {key, KeyModifiers::control});
    }
    static std::wstring labels(const app::MainWindow& window) {
        const auto& e = window.elements();
        return e.title_text->text() + L"|" + e.library_button->label() + L"|" +
               e.settings_button->label() + L"|" + e.print_button->label() + L"|" +
               e.save_button->label();
    }
};

TEST_F(Keys, CtrlF7SwitchesTheLanguageAndItsStartPageAndBackKeepingTheMode) {
    auto window = make_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    window->ToggleTextEditAsync();

    press(*window, VirtualKey::F7);
    EXPECT_EQ(window->session().language(), 1);
    EXPECT_EQ(window->session().config().Language, 1.0);
    EXPECT_EQ(labels(*window), L"Бумагодел|Библиотека|Параметры|Печать|Сохранить");
    EXPECT_EQ(window->elements().window->title(), L"Бумагодел");
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Библиотека.brik"));
    EXPECT_EQ(window->session().mode(), ViewMode::text_edit);
    // The system's pickers speak the interface language too.
    const QString open = QCoreApplication::translate("QFileDialog", "Open");
    EXPECT_NE(open, QStringLiteral("Open"));
    EXPECT_FALSE(open.isEmpty());

    press(*window, VirtualKey::F7);
    EXPECT_EQ(window->session().language(), 0);
    EXPECT_EQ(labels(*window), L"Paperwright|Library|Settings|Print|Save");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Open"));
    // The start page, not the document open before the first switch.
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Library.brik"));
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(Keys, WithoutStartOnLibraryTheSwitchOpensTheOtherLanguagesLastDocument) {
    core_test::write_file(root / L"install/briks/00/Кадры/Приказ.brik",
                          core_test::document_bytes(u"Приказ"));
    write_settings({u"StartOnLibrary:\t\t0.000000", u"LastDocument:\t\tКадры/Приказ.brik"});
    auto window = make_window();
    EXPECT_EQ(window->session().document()->path,
              data_text(L"briks/Agreements/Sales Agreement.brik"));
    press(*window, VirtualKey::F7);
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Кадры/Приказ.brik"));
    EXPECT_FALSE(window->session().library_shown());
    EXPECT_EQ(window->elements().status_text->text(), L"Кадровые документы  \u2022  Приказ");
}

TEST_F(Keys, ASwitchThatCannotBeMadeKeepsTheLanguageTheLabelsAndTheDocumentAndSaysWhyInIt) {
    enum class Fault { write_back_fails, library_cannot_be_copied };
    for (const Fault fault : {Fault::library_cannot_be_copied, Fault::write_back_fails}) {
        SCOPED_TRACE(int(fault));
        views.clear();
        auto window = make_window();
        main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
        const std::wstring status = window->elements().status_text->text();
        std::optional<fixture::unwritable_tree> unwritable;
        std::string said;
        if (fault == Fault::write_back_fails) {
            core_test::type_a_value(window->session());
            std::filesystem::remove_all(data_file(L"briks/Folder"));
            said = "Changes could not be saved to ";
        } else {
            // The English library is there, the Russian one never was.
            unwritable.emplace(root / L"data");
            if (!unwritable->made())
                GTEST_SKIP() << "root, on a file system without immutable files";
            said = "The template library cannot be copied into the data folder " +
                   engine::to_utf8(core::text_of(root / L"data")) + ": ";
        }
        press(*window, VirtualKey::F7);
        ASSERT_EQ(failures.messages.size(), 1u);
        EXPECT_TRUE(failures.messages[0].starts_with(said)) << failures.messages[0];
        EXPECT_EQ(window->session().language(), 0);
        EXPECT_EQ(core::current_language, 0);
        EXPECT_EQ(window->session().config().Language, 0.0);
        EXPECT_EQ(labels(*window), L"Paperwright|Library|Settings|Print|Save");
        EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
        if (fault == Fault::library_cannot_be_copied) {
            EXPECT_EQ(window->elements().status_text->text(), status);
        }
        failures.messages.clear();
    }
}

TEST_F(Keys, ASwitchIntoADocumentThatDidNotLoadLeavesTheSettingsAndOutputPanels) {
    write_settings(
        {u"StartOnLibrary:\t\t0.000000"});  // the Russian last document is not in the library
    for (ViewMode mode : {ViewMode::settings, ViewMode::save_print}) {
        auto window = make_window();
        mode == ViewMode::settings ? window->ToggleSettings() : window->TogglePrintSavePanel();
        ASSERT_EQ(window->session().mode(), mode);
        press(*window, VirtualKey::F7);
        EXPECT_FALSE(window->HasLoadedDocument());
        EXPECT_EQ(window->session().mode(), ViewMode::data);
        EXPECT_FALSE(window->elements().settings_button->marked());
        press(*window, VirtualKey::F7);  // back to English
    }
}

TEST_F(Keys, EachKeyReachesItsMode) {
    auto window = make_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    press(*window, VirtualKey::R);
    EXPECT_EQ(window->session().mode(), ViewMode::settings);
    press(*window, VirtualKey::S);
    EXPECT_EQ(window->session().mode(), ViewMode::save_print);
    EXPECT_EQ(window->session().save_print_page(), SavePrintPage::save);
    press(*window, VirtualKey::P);  // turns the open panel to the print page
    EXPECT_EQ(window->session().mode(), ViewMode::save_print);
    EXPECT_EQ(window->session().save_print_page(), SavePrintPage::print);
    EXPECT_TRUE(window->elements().print_button->marked());
    press(*window, VirtualKey::P);  // and closes it from there
    EXPECT_EQ(window->session().mode(), ViewMode::data);
    press(*window, VirtualKey::L);
    EXPECT_TRUE(window->session().library_shown());
    press(*window, VirtualKey::L);
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
}

}  // namespace
