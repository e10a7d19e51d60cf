// Every page of the side panels at the narrowest and the widest pane the
// slider allows, in both languages: no control is cut, read from the laid-out
// widgets' geometry.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QTest>
#include <filesystem>

#include "platform/qt/native_widget.h"
#include "platform/slider.h"
#include "support/formatted_document.h"
#include "ui/editing/parameter_tree.h"
#include "window/output_fixture.h"

namespace {

using namespace platform;

// What a widget shows, to name it in a failure.
QString name_of(const QWidget* widget) {
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) name += " " + label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += " " + button->text();
    return name;
}

// The visible widgets under `root` that are cut: a part outside the widget
// that holds them (only across for the scrolled page itself), or less room
// than their text or mark needs.
QStringList cut_widgets(QWidget* root) {
    QStringList cut;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root)) continue;
        // The insides of lists and editors are theirs to lay out.
        bool inside_scrolled = false;
        for (QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget())
            inside_scrolled = inside_scrolled || qobject_cast<QAbstractScrollArea*>(up);
        if (inside_scrolled) continue;
        const QRect room = widget->parentWidget()->rect();
        const QRect place = widget->geometry();
        if (place.left() < room.left() || place.right() > room.right() ||
            place.top() < room.top() || place.bottom() > room.bottom())
            cut << name_of(widget) + " lies outside its holder";
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label && label->wordWrap() && label->height() < label->heightForWidth(label->width()))
            cut << name_of(widget) + " is cut at the foot";
        if ((label && !label->wordWrap()) || qobject_cast<const QAbstractButton*>(widget)) {
            const QSize needed = widget->hasHeightForWidth()
                                     ? QSize(widget->minimumSizeHint().width(),
                                             widget->heightForWidth(widget->width()))
                                     : widget->minimumSizeHint();
            if (widget->width() < needed.width() || widget->height() < needed.height())
                cut << name_of(widget) + " has less room than it needs";
        }
    }
    // The page itself scrolls down, never across.
    const QWidget* holder = root->parentWidget();
    if (holder && root->width() > holder->width()) cut << QStringLiteral("the page is too wide");
    return cut;
}

class PanelFit : public output_test::OutputWindowTest {
protected:
    PanelFit() {
        core_test::write_file(data_file(L"briks/Formatted.brik"),
                              fixture::formatted_document_bytes());
        window = started_window();
        window->activate();
        widget_of(*window->elements().window)->resize(1600, 1000);
    }
    // The panel's page laid out at the pane width `width`.
    QWidget* laid_out(double width) {
        window->elements().data_pane_slider->set_value(width);
        pump();
        QTest::qWait(20);
        return widget_of(window->data_panel().panel());
    }

    std::unique_ptr<app::MainWindow> window;
};

TEST_F(PanelFit, NoControlOfAnyPageIsCutAtTheNarrowestOrWidestPane) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget_of(*window->elements().window)));
    // The fields of two library templates, section by section.
    const struct {
        const char* built;
        const wchar_t* copied;
        const wchar_t* message;
    } templates[] = {
        {"/briks/01/Agreements/Sales Agreement.brik", L"briks/Agreements/Sales Agreement.brik",
         L"Agreements/Sales|Agreement"},
        {"/briks/00/Договоры/Договор купли-продажи.brik",
         L"briks/Договоры/Договор купли-продажи.brik", L"Договоры/Договор|купли-продажи"},
    };
    for (const auto& shown : templates) {
        std::filesystem::create_directories(data_file(shown.copied).parent_path());
        std::filesystem::copy_file(std::string(PAPERWRIGHT_BUILT_SHARE) + shown.built,
                                   data_file(shown.copied),
                                   std::filesystem::copy_options::overwrite_existing);
        window->OnWebMessageReceived(main_view(), shown.message);
        const auto sections = std::int32_t(ui::section_count(window->session().data()));
        ASSERT_GT(sections, 0);
        for (int language : {0, 1}) {
            core::current_language = language;
            for (double width : {300.0, 800.0}) {
                for (std::int32_t section = 0; section < sections; ++section) {
                    window->data_panel().BuildDataPanel(window->data_panel().panel(), section);
                    EXPECT_EQ(cut_widgets(laid_out(width)).join(" | ").toStdString(), "")
                        << "data section " << section << " at " << width << " px, language "
                        << language;
                }
            }
        }
    }
    // The settings and the save/print panel of a document with every setting.
    window->OnWebMessageReceived(main_view(), L"Formatted");
    for (int language : {0, 1}) {
        core::current_language = language;
        for (double width : {300.0, 800.0}) {
            window->session().set_mode(core::ViewMode::settings);
            for (std::int32_t page = 0; page < 4; ++page) {
                window->settings_panel().BuildSettingsPanel(window->data_panel().panel(), page);
                EXPECT_EQ(cut_widgets(laid_out(width)).join(" | ").toStdString(), "")
                    << "settings page " << page << " at " << width << " px, language " << language;
            }
            window->session().set_mode(core::ViewMode::save_print);
            for (std::int32_t page = 0; page < 3; ++page) {
                window->session().set_save_print_page(core::SavePrintPage(page));
                window->save_print_panel().BuildSavePrintPanel(window->data_panel().panel(), page);
                EXPECT_EQ(cut_widgets(laid_out(width)).join(" | ").toStdString(), "")
                    << "save/print page " << page << " at " << width << " px, language "
                    << language;
            }
        }
    }
}

}  // namespace
