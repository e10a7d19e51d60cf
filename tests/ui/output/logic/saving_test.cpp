#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <stdexcept>

#include "support/temp_folder.h"
#include "ui/output/file_writer.h"
#include "ui/output/save_target.h"
#include "ui/output/word_export.h"

namespace {

using core::SaveFormat;
using fixture::engine_path;

std::ptrdiff_t entries(const fixture::temp_folder& folder) {
    return std::distance(std::filesystem::directory_iterator(folder.path()), {});
}

TEST(SavePath, FolderCleanedTitleAndExtension) {
    EXPECT_EQ(ui::save_path(L"/home/u/Docs \t", L"/tmp", L"Lease", SaveFormat::pdf),
              L"/home/u/Docs/Lease.pdf");
    EXPECT_EQ(ui::save_path(L"/home/u/", L"/tmp", L"Lease", SaveFormat::doc), L"/home/u/Lease.doc");
    EXPECT_EQ(ui::save_path(L"  ", L"/tmp", L"Lease", SaveFormat::html), L"/tmp/Lease.html");
    EXPECT_EQ(ui::save_path(L"/d", L"/tmp", L"../../etc/passwd", SaveFormat::html),
              L"/d/etcpasswd.html");
    EXPECT_EQ(ui::save_path(L"/d", L"/tmp", L"", SaveFormat::pdf), L"/d/Vellumcraft.pdf");
    EXPECT_FALSE(ui::save_path(L"/d", L"/tmp", L"Lease", SaveFormat(3)).has_value());
}

TEST(TextFile, Utf8WithoutMarkAndLoneSurrogatesReplaced) {
    const std::wstring text = L"Ab ё €" + std::wstring{wchar_t(0xD800), wchar_t(0x1F600)};
    EXPECT_EQ(ui::utf8_of(text), "Ab \xD1\x91 \xE2\x82\xAC\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

TEST(TextFile, WritesTheWholeFileAtomicallyAndAFailureKeepsEverythingAsItWas) {
    fixture::temp_folder folder;
    const auto target = folder.path() / "Договор.html";
    ui::write_file_atomically(engine_path(target), "first");
    ui::write_file_atomically(engine_path(target), "second, longer");
    EXPECT_EQ(fixture::read_bytes(target), "second, longer");
    EXPECT_EQ(entries(folder), 1);  // no temporary file left

    const auto missing = folder.path() / "missing" / "x.html", taken = folder.path() / "taken.html";
    std::filesystem::create_directory(taken);
    for (const auto& path : {missing, taken}) {
        EXPECT_THROW(ui::write_file_atomically(engine_path(path), "text"), std::runtime_error);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::is_directory(taken));
    EXPECT_EQ(entries(folder), 2);
}

TEST(WordFile, TheExportFlagIsSetWhileRenderingAndRestoredAfterAFailure) {
    engine::doc_record root;
    std::uint16_t seen = 0;
    const std::wstring text = ui::word_file_text(&root, [&] {
        seen = root.b;
        return std::wstring(L"it&apos;s &amp; that&apos;s");
    });
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(root.b, 0);
    EXPECT_EQ(text, L"it's &amp; that's");

    EXPECT_THROW(
        ui::word_file_text(&root, []() -> std::wstring { throw std::runtime_error("render"); }),
        std::runtime_error);
    EXPECT_EQ(root.b, 0);
}

}  // namespace
