#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "engine/document/utf16.h"
#include "engine/fields/base64.h"
#include "engine/fields/image_field.h"
#include "engine/fields/parameter_fixture.h"
#include "support/temp_folder.h"

using namespace engine;

namespace {

// `size` bytes of `v`, the most significant first (be) or last (le).
std::string be(std::uint32_t v, int size) {
    std::string out;
    for (int i = size - 1; i >= 0; --i) out += char(v >> 8 * i & 0xFF);
    return out;
}
std::string le(std::uint32_t v, int size) {
    std::string out = be(v, size);
    return {out.rbegin(), out.rend()};
}
std::string padded(std::string bytes, std::size_t size = 64) {
    bytes.resize(std::max(size, bytes.size()), '\0');
    return bytes;
}

std::string png(std::uint32_t width, std::uint32_t height) {
    return padded(std::string("\x89PNG\r\n\x1A\n", 8) + be(13, 4) + "IHDR" + be(width, 4) + be(height, 4));
}
std::string gif(std::uint16_t width, std::uint16_t height) { return padded("GIF89a" + le(width, 2) + le(height, 2)); }
std::string bmp(std::int32_t width, std::int32_t height) {
    return padded("BM" + std::string(16, '\0') + le(std::uint32_t(width), 4) + le(std::uint32_t(height), 4));
}
std::string jfif(std::uint16_t width, std::uint16_t height) {
    std::string head = std::string("\xFF\xD8\xFF\xE0", 4) + be(16, 2) + std::string("JFIF\0", 5) + std::string(40, '\x01');
    return head + std::string("\xFF\xC0", 2) + be(17, 2) + "\x08" + be(height, 2) + be(width, 2) + std::string(20, '\0');
}

class ImageField : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        doc.data->page_setup.record.s5 = fixture::engine_path(folder.file("template.brik"));
        doc.data->page_setup.groups.emplace_back();
        doc.data->page_setup.group_count = 1;
        doc_record& setup = doc.data->page_setup.groups[0].record;
        setup.d1 = 210;
        setup.v[3] = setup.v[5] = 19;
    }

    std::wstring write(const std::string& name, const std::string& bytes) {
        fixture::write_bytes(folder.file(name), bytes);
        return fixture::engine_path(folder.file(name));
    }
    std::wstring file_url(const std::string& name) {
        return L"file://" + fixture::engine_path(folder.path()) + L"/" + from_utf8(name);
    }
    std::wstring unsized(const std::string& name) { return L"<img src=\"" + file_url(name) + L"\"/>"; }
    static std::wstring embedded(const std::string& bytes, const wchar_t* percent = L"100") {
        return L"<img src=\"data:image/png;base64," + base64_encode(bytes) + L"\" width=\"" + percent + L"%\"/>";
    }
    void link_images() { doc.data->page_setup.record.b = 1; }
    std::wstring render(const std::wstring& path, double percent = 100, const std::wstring& key = L"фото") {
        return render_image_field(doc.data.get(), path, percent, key);
    }

    fixture::temp_folder folder;
};

}  // namespace

TEST_F(ImageField, EmbeddedImagesNameTheirRealTypeAndClampTheirWidth) {
    std::string bytes = png(10, 20);
    std::wstring path = write("a.png", bytes);
    EXPECT_EQ(render(path, 50), embedded(bytes, L"50"));
    EXPECT_TRUE(render(write("b.bin", jfif(1, 1))).starts_with(L"<img src=\"data:image/jpeg;"));
    EXPECT_TRUE(render(write("c.gif", gif(1, 1))).starts_with(L"<img src=\"data:image/gif;"));
    EXPECT_TRUE(render(write("d.png", "plain text")).starts_with(L"<img src=\"data:image/bmp;"));
    EXPECT_EQ(render(write("e.png", "")), L"");
    EXPECT_EQ(render(path, 250), embedded(bytes));
    EXPECT_EQ(render(path, -3), embedded(bytes, L"0"));
    EXPECT_EQ(render(path, std::nan("")), embedded(bytes, L"0"));
}

TEST_F(ImageField, LinkedImagesAreSizedToTheTextWidthAndHostileNamesAreEncoded) {
    link_images();
    EXPECT_EQ(render(write("a.png", png(1000, 500)), 50),
              L"<img width=\"325\" height=\"162\" src=\"" + file_url("a.png") + L"\" />");
    EXPECT_TRUE(render(write("g.gif", gif(100, 300))).starts_with(L"<img width=\"650\" height=\"1950\""));
    EXPECT_TRUE(render(write("j.jpg", jfif(200, 100))).starts_with(L"<img width=\"650\" height=\"325\""));
    EXPECT_TRUE(render(write("up.bmp", bmp(100, 50))).starts_with(L"<img width=\"650\" height=\"325\""));
    EXPECT_TRUE(render(write("down.bmp", bmp(100, -50))).starts_with(L"<img width=\"650\" height=\"325\""));
    std::wstring hostile = render(write("a\"<&> b.png", "x"));
    EXPECT_TRUE(hostile.ends_with(L"/a%22%3C%26%3E%20b.png\"/>")) << hostile;
}

TEST_F(ImageField, UnreadableHeadersGiveTheUnsizedTag) {
    link_images();
    std::string no_jfif = jfif(200, 100);
    no_jfif[6] = 'X';
    std::string truncated = jfif(200, 100);
    truncated.resize(truncated.find("\xFF\xC0") + 6);
    const std::pair<const char*, std::string> files[] = {
        {"a.jpeg", jfif(200, 100)}, {"b.jpg", no_jfif},           {"c.jpg", truncated},
        {"d.png", "tiny"},          {"e.png", png(0, 5)},         {"f.png", png(200000, 5)},
        {"g.gif", padded("XIF89a")}};
    for (const auto& [name, bytes] : files) EXPECT_EQ(render(write(name, bytes)), unsized(name));
    EXPECT_EQ(render(write("h.png", png(1000, 1)), 0), unsized("h.png"));
}

TEST_F(ImageField, PageSetupIsRepairedOrItsAbsenceLeavesTheImageUnsized) {
    link_images();
    std::wstring path = write("a.png", png(1000, 500));
    doc_record& setup = doc.data->page_setup.groups[0].record;
    setup.d1 = 0;
    EXPECT_TRUE(render(path).starts_with(L"<img width=\"650\""));
    EXPECT_EQ(setup.d1, 210);
    setup.v[3] = 200;  // margins wider than the page
    EXPECT_EQ(render(path), unsized("a.png"));
    doc.data->page_setup.groups.clear();
    doc.data->page_setup.group_count = 0;
    EXPECT_EQ(render(path), unsized("a.png"));
}

TEST_F(ImageField, MissingFilesFallBackToTheKeyBesideTheDocument) {
    std::string bytes = png(4, 4);
    write("фото.png", bytes);
    EXPECT_EQ(render(fixture::engine_path(folder.file("gone.png"))), embedded(bytes));
    EXPECT_EQ(render(L""), embedded(bytes));
    for (const wchar_t* key : {L"нет", L"../фото", L"sub/фото"}) EXPECT_EQ(render(L"", 100, key), L"");
    doc.data->page_setup.record.s5 = L"template.brik";
    EXPECT_EQ(render(L""), L"");
}

TEST_F(ImageField, FilesAboveTheCapAreNeverReadWhole) {
    std::wstring path = write("huge.png", png(10, 10));
    std::filesystem::resize_file(folder.file("huge.png"), max_image_bytes + 1);
    EXPECT_EQ(render(path), unsized("huge.png"));
    link_images();
    EXPECT_EQ(render(path), unsized("huge.png"));
}

TEST_F(ImageField, ImageParametersKeepTheirDataWhateverTheReference) {
    std::string bytes = png(4, 4);
    std::wstring path = write("p.png", bytes);
    doc_record& photo = add_field(L"Фото", L"  " + path + L"\n");
    photo.a = 9;
    photo.d1 = 40.9;
    EXPECT_EQ(run(L"{ФОТО}|{р:Фото}"), embedded(bytes, L"40") + L"|" + embedded(bytes, L"40"));
    EXPECT_EQ(field(0).s2, path);
    field(0).c = 1;
    EXPECT_EQ(run(L"{Фото}"), L"");
}
