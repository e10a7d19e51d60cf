// The image field: a picked picture under 350 KB shows in the document, a
// larger file or one that is no picture empties the field, and the slider
// sets the width.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <optional>

#include "editing/panel/picking_fixture.h"
#include "platform/qt/native_widget.h"
#include "platform/slider.h"
#include "support/temp_folder.h"

namespace {

using namespace platform;

class ImageField : public panel_test::PickingTest {
protected:
    ImageField() {
        const auto s = add_section(L"S");
        add_field(s, 9, L"Logo", L"Company logo").record.d1 = 100;
        show_section(s);
    }
    // A file that starts with `head` in the test's folder.
    std::wstring file_of(const std::string& head, std::size_t size, const std::string& name) {
        const auto path = files.file(name);
        fixture::write_bytes(path, head + std::string(size - head.size(), 'x'));
        return fixture::engine_path(path);
    }
    // A PNG picture as far as its start tells, of `size` bytes.
    std::wstring file_of(std::size_t size) {
        return file_of("\x89PNG\r\n\x1a\n", size, "logo" + std::to_string(size) + ".PNG");
    }
    // Picks `file` in the image picker; none cancels it.
    void choose(std::optional<std::wstring> file) {
        pick(1);
        output->answer_image_file(std::move(file));
        settle();
    }
    std::shared_ptr<TextBox> path_box() { return inside<TextBox>(1, 0); }
    std::shared_ptr<TextBlock> percentage() { return child<TextBlock>(inside<Panel>(1, 2), 1); }

    fixture::temp_folder files;
};

TEST_F(ImageField, APickedFileUnder350KbShowsAndOneOf350KbEmptiesTheField) {
    const std::wstring small = file_of(358399);
    std::size_t before = renders();
    choose(small);
    EXPECT_EQ(stored(), small);
    EXPECT_EQ(path_box()->text(), small);
    EXPECT_EQ(renders(), before + 1);

    before = renders();
    choose(file_of(358400));
    EXPECT_EQ(stored(), L"");
    EXPECT_EQ(path_box()->text(), L"");
    EXPECT_EQ(path_box()->placeholder_text(), L"[Please select an image file smaller than 350Kb]");
    // The picture goes from the document.
    EXPECT_EQ(renders(), before + 1);

    // A small file brings the usual hint back; cancelling changes nothing.
    choose(small);
    EXPECT_EQ(path_box()->placeholder_text(), L"[\u2009select image file\u2009]");
    before = renders();
    choose(std::nullopt);
    EXPECT_EQ(stored(), small);
    EXPECT_EQ(renders(), before);
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(ImageField, AFileThatIsNoPictureIsRefusedAsAnOverLargeOneIs) {
    const std::string bitmap_header("BM\0\0\0\0\0\0\0\0\0\0\0\0\x28\0\0\0", 18);
    const struct {
        const char* what;
        std::string head;
        std::string name;
        bool shown;
    } cases[] = {
        {"a text named .png", "Acme Corp\n", "text.png", false},
        {"a text that starts as a bitmap", "BM is a text here", "note.bmp", false},
        {"an empty file", "", "empty.gif", false},
        {"a PNG cut short", "\x89PNG", "cut.png", false},
        {"a bitmap", bitmap_header, "logo.bmp", true},
        {"a JPEG", "\xFF\xD8\xFF\xE0", "logo.jpg", true},
        {"a GIF under another name", "GIF89a", "logo.png", true},
    };
    for (const auto& c : cases) {
        // A picture first, which the refused file then takes away.
        choose(file_of(100));
        const std::wstring path = file_of(c.head, c.head.size() + 40, c.name);
        choose(path);
        EXPECT_EQ(stored(), c.shown ? path : L"") << c.what;
        EXPECT_EQ(path_box()->text(), c.shown ? path : L"") << c.what;
        if (!c.shown) {
            EXPECT_EQ(path_box()->placeholder_text(),
                      L"The file is not a picture this program can show.")
                << c.what;
        }
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(ImageField, ARefusalReadsWholeAtTheNarrowestPaneInEitherLanguage) {
    window->activate();
    platform::widget_of(*window->elements().window)->resize(1600, 1000);
    window->elements().data_pane_slider->set_value(300);
    // Whole in the box, or whole as its tooltip.
    const auto reads_whole = [this] {
        settle();
        const auto* edit = static_cast<const QLineEdit*>(platform::widget_of(*path_box()));
        const QString hint = edit->placeholderText();
        const QMargins around = edit->textMargins();
        const int room = edit->contentsRect().width() - around.left() - around.right() - 4;
        return edit->fontMetrics().horizontalAdvance(hint) <= room || edit->toolTip() == hint;
    };
    for (int language : {0, 1}) {
        core::current_language = language;
        choose(file_of(358400));
        EXPECT_TRUE(reads_whole()) << "too large, language " << language;
        choose(file_of("Acme Corp\n", 40, "text.png"));
        EXPECT_TRUE(reads_whole()) << "no picture, language " << language;
    }
    // A picture taken: no refusal is left in the tooltip.
    choose(file_of(100));
    EXPECT_EQ(path_box()->tool_tip(), L"");
}

TEST_F(ImageField, TheSliderSetsTheWidthAndItsLabel) {
    EXPECT_EQ(percentage()->text(), L"100%");
    const std::size_t before = renders();
    auto slider = child<Slider>(inside<Panel>(1, 3), 0);
    slider->set_value(37);
    EXPECT_EQ(field(0, 0).record.d1, 37);
    EXPECT_EQ(percentage()->text(), L"37%");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(last_render_reset_scroll());
}

TEST_F(ImageField, ATypedPathIsTakenOnlyToRefuseOrClear) {
    std::size_t before = renders();
    path_box()->set_text(file_of(100));
    EXPECT_EQ(stored(), L"");
    EXPECT_EQ(renders(), before);
    path_box()->set_text(file_of(400000));
    EXPECT_EQ(path_box()->text(), L"");

    field(0, 0).record.s2 = L"/pictures/logo.png";
    path_box()->set_text(L"/pictures/logo.png");
    before = renders();
    path_box()->set_text(L"  ");
    EXPECT_EQ(stored(), L"");
    EXPECT_EQ(renders(), before + 1);
}

TEST_F(ImageField, APickForADocumentThatWasReplacedWritesNothing) {
    pick(1);
    main_view().web_message_received.raise(main_view(), L"Agreements/Sales|Agreement");
    const std::size_t before = renders();
    output->answer_image_file(file_of(10));
    settle();
    EXPECT_EQ(renders(), before);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
