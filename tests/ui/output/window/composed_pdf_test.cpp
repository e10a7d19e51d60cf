// A PDF save through the real page composer, with the web engine's print
// answered by the test: a sound print is saved with its footers as text; a
// damaged one is refused with "File writing failed." and leaves no file.
#include <QPdfDocument>
#include <filesystem>

#include "support/temp_folder.h"
#include "window/output_fixture.h"

namespace {

using fixture::engine_path;
using fixture::read_bytes;

class ComposedPdf : public output_test::OutputWindowTest {
protected:
    void SetUp() override {
        OutputWindowTest::SetUp();
        window = template_window();
        window->print_preview().set_output(
            std::make_shared<output_test::PartlyRealOutput>(*output));
        window->session().output().save_folder = engine_path(saved.path());
        window->session().output().open_after_saving = false;
        window->session().output().save_format = core::SaveFormat::pdf;
    }
    std::wstring save(platform::PdfBytes print) {
        window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
        finish_pdf(std::move(print));
        return window->status_message().info_bar()->title();
    }

    std::unique_ptr<app::MainWindow> window;
    std::shared_ptr<platform::Panel> page = platform::Panel::create();
    fixture::temp_folder saved;
};

TEST_F(ComposedPdf, ASoundPrintIsSavedWithItsFootersAsText) {
    // A footer element with page numbers on, as the library's documents have.
    auto& setup = window->session().data()->page_setup.groups[0];
    setup.elements.resize(4);
    setup.element_count = 4;
    setup.elements[3].record.b = 1;
    ASSERT_EQ(save(output_test::text_pages(3)), L"Document Saved");
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(QString::fromStdString((saved.path() / "Sales.pdf").string())),
              QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        const QString text = pdf.getAllText(page).text();
        EXPECT_TRUE(text.contains(QStringLiteral("Body of page %1").arg(page + 1))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("%1/3").arg(page + 1))) << page;
    }
}

TEST_F(ComposedPdf, ADamagedPrintSaysFileWritingFailedAndLeavesNoFile) {
    const platform::PdfBytes sound = output_test::text_pages(3);
    const std::string text(sound.begin(), sound.end());
    platform::PdfBytes truncated(sound.begin(), sound.begin() + std::ptrdiff_t(sound.size() / 2));
    // The cross-reference table pointing one byte off for every object.
    const auto table = text.find("xref");
    ASSERT_NE(table, std::string::npos);
    const std::string shifted = text.substr(0, table / 2) + ' ' + text.substr(table / 2);
    const std::string not_pdf = "%PDF-1.4\nthe print view answered with something else\n%%EOF\n";

    const auto target = saved.path() / "Sales.pdf";
    fixture::write_bytes(target, "the earlier save");
    for (const platform::PdfBytes& damaged :
         {truncated, platform::PdfBytes(shifted.begin(), shifted.end()),
          platform::PdfBytes(not_pdf.begin(), not_pdf.end())}) {
        EXPECT_EQ(save(damaged), L"File writing failed.");
        EXPECT_EQ(window->status_message().info_bar()->severity(), 3);
        EXPECT_EQ(read_bytes(target), "the earlier save");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path()), {}), 1);
    }
}

}  // namespace
