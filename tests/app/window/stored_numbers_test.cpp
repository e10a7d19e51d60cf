// Numbers stored in the settings file and in documents reach the interface
// only as the window uses them: never 300 digits, "nan" or "inf".
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <limits>
#include <regex>

#include "engine/text/utf16.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "support/brik_fixture.h"
#include "window/window_fixture.h"

namespace {

// A template whose first paragraph's indent (d2) is `indent`.
std::string document_with_indent(double indent) {
    fixture::brik_tree tree;
    auto& setup = tree.page_setup.groups.emplace_back();
    setup.record.s1 = u"Stored numbers";
    setup.record.d1 = 210;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    auto& page = tree.pages.groups.emplace_back();
    page.record.a = 1;
    auto& block = page.elements.emplace_back();
    block.record.s1 = u"Body";
    auto& paragraph = block.items.emplace_back();
    paragraph.s2 = u"Text";
    paragraph.d2 = indent;
    return fixture::write_brik(tree);
}

// Every text the widgets under `root` show.
std::vector<std::wstring> shown_texts(QWidget* root) {
    std::vector<std::wstring> texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.append(root);
    for (QWidget* widget : widgets) {
        texts.push_back(platform::from_qstring(widget->windowTitle()));
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts.push_back(platform::from_qstring(label->text()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.push_back(platform::from_qstring(button->text()));
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            texts.push_back(platform::from_qstring(line->text()));
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts.push_back(platform::from_qstring(group->title()));
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < combo->count(); ++item)
                texts.push_back(platform::from_qstring(combo->itemText(item)));
        }
    }
    return texts;
}

bool looks_raw(const std::wstring& text) {
    static const std::wregex raw(LR"(\d{16,}|\b(nan|inf|infinity)\b)", std::regex::icase);
    return std::regex_search(text, raw);
}

class StoredNumbers : public app_test::WindowTest {
protected:
    // The texts of the window and of every settings and save/print page.
    std::vector<std::wstring> every_text(app::MainWindow& window) {
        std::vector<std::wstring> texts =
            shown_texts(platform::widget_of(*window.elements().window));
        for (std::int32_t page = 0; page < 8 + 3; ++page) {
            auto panel = platform::Panel::create();
            if (page < 8) {
                window.settings_panel().BuildSettingsPanel(*panel, page);
            } else {
                window.save_print_panel().BuildSavePrintPanel(*panel, page - 8);
            }
            for (std::wstring& text : shown_texts(platform::widget_of(*panel)))
                texts.push_back(std::move(text));
        }
        texts.push_back(window.pending_html());
        return texts;
    }
};

TEST_F(StoredNumbers, HugeOrNonFiniteStoredNumbersAreNeverShownRaw) {
    const std::u16string digits(300, u'9');
    const struct {
        std::u16string zoom;
        double indent;
        const wchar_t* indent_caption;
    } cases[] = {
        {digits, 1e300, L"30 mm"},
        {u"nan", std::numeric_limits<double>::quiet_NaN(), L"0 mm"},
        {u"-" + digits, -std::numeric_limits<double>::infinity(), L"0 mm"},
        {u"1e999999", 3.4e38, L"30 mm"},
    };
    for (const auto& c : cases) {
        core_test::write_file(data_file(L"briks/Numbers.brik"), document_with_indent(c.indent));
        write_settings({u"StartOnLibrary:\t\t0.000000", u"LastDocumentEng:\t\tNumbers.brik",
                        u"DocumentZoom:\t\t" + c.zoom});
        auto window = make_window();
        show_first_page();
        ASSERT_TRUE(window->session().has_loaded_document());
        const std::vector<std::wstring> texts = every_text(*window);
        for (const std::wstring& text : texts) {
            EXPECT_FALSE(looks_raw(text)) << engine::to_utf8(text).substr(0, 200);
        }
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.indent_caption), texts.end())
            << engine::to_utf8(c.indent_caption);
        views.clear();
    }
}

}  // namespace
