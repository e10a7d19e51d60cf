#include "engine/fields/image_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/fields/base64.h"
#include "engine/fields/parameter_fixture.h"
#include "engine/text/utf16.h"

using namespace engine;

namespace {

// `size` bytes of `v`, the most significant first unless `little`.
std::string bytes_of(std::uint32_t v, int size, bool little = false) {
    std::string out;
    for (int i = 0; i < size; ++i) out += char(v >> 8 * (little ? i : size - 1 - i) & 0xFF);
    return out;
}
std::string padded(std::string bytes) {
    return bytes.size() < 64 ? bytes.append(64 - bytes.size(), '\0') : bytes;
}

std::string png(std::uint32_t w, std::uint32_t h) {
    return padded(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + bytes_of(w, 4) +
                  bytes_of(h, 4));
}
std::string gif(std::uint16_t w, std::uint16_t h) {
    return padded("GIF89a" + bytes_of(w, 2, true) + bytes_of(h, 2, true));
}
std::string bmp(std::int32_t w, std::int32_t h) {
    return padded("BM" + std::string(16, '\0') + bytes_of(std::uint32_t(w), 4, true) +
                  bytes_of(std::uint32_t(h), 4, true));
}
std::string jfif(std::uint16_t w, std::uint16_t h) {
    return std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + std::string(40, '\x01') +
           std::string("\xFF\xC0\0\x11\x08", 5) + bytes_of(h, 2) + bytes_of(w, 2) +
           std::string(20, '\0');
}

// The images are files of the document's memory environment, in `folder`.
class ImageField : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        doc.data->page_setup.record.s5 = folder + L"/template.brik";
        doc.data->page_setup.groups.emplace_back().record.d1 = 210;
        doc.data->page_setup.group_count = 1;
        doc.data->page_setup.groups[0].record.v[3] = doc.data->page_setup.groups[0].record.v[5] =
            19;
    }
    std::wstring write(const std::string& name, const std::string& bytes) {
        const std::wstring path = folder + L"/" + from_utf8(name);
        env.put_file(path, bytes);
        return path;
    }
    std::wstring file_url(const std::string& name) {
        return L"file://" + folder + L"/" + from_utf8(name);
    }
    std::wstring unsized(const std::string& name) {
        return L"<img src=\"" + file_url(name) + L"\"/>";
    }
    static std::wstring embedded(const std::string& bytes, const wchar_t* percent = L"100") {
        return L"<img src=\"data:image/png;base64," + base64_encode(bytes) + L"\" width=\"" +
               percent + L"%\"/>";
    }
    void link_images() { doc.data->page_setup.record.b = 1; }
    std::wstring render(const std::wstring& path, double percent = 100,
                        const std::wstring& key = L"фото") {
        return render_image_field(env, doc.data.get(), path, percent, key);
    }

    const std::wstring folder = L"/library/agreements";
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
    EXPECT_TRUE(
        render(write("g.gif", gif(100, 300))).starts_with(L"<img width=\"650\" height=\"1950\""));
    EXPECT_TRUE(
        render(write("j.jpg", jfif(200, 100))).starts_with(L"<img width=\"650\" height=\"325\""));
    EXPECT_TRUE(
        render(write("up.bmp", bmp(100, 50))).starts_with(L"<img width=\"650\" height=\"325\""));
    EXPECT_TRUE(
        render(write("down.bmp", bmp(100, -50))).starts_with(L"<img width=\"650\" height=\"325\""));
    std::wstring hostile = render(write("a\"<&> b.png", "x"));
    EXPECT_TRUE(hostile.ends_with(L"/a%22%3C%26%3E%20b.png\"/>")) << hostile;
}

TEST_F(ImageField, UnreadableHeadersOrAMissingPageSetupGiveTheUnsizedTagAndAZeroWidthIsRepaired) {
    link_images();
    std::string no_jfif = jfif(200, 100);
    no_jfif[6] = 'X';
    std::string truncated = jfif(200, 100);
    truncated.resize(truncated.find("\xFF\xC0") + 6);
    const std::pair<const char*, std::string> files[] = {
        {"a.jpeg", jfif(200, 100)}, {"b.jpg", no_jfif},   {"c.jpg", truncated},
        {"d.png", "tiny"},          {"e.png", png(0, 5)}, {"f.png", png(200000, 5)},
        {"g.gif", padded("XIF89a")}};
    for (const auto& [name, bytes] : files) EXPECT_EQ(render(write(name, bytes)), unsized(name));
    EXPECT_EQ(render(write("h.png", png(1000, 1)), 0), unsized("h.png"));
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

TEST_F(ImageField, MissingFilesFallBackToTheKeyAndFilesAboveTheCapAreNeverReadWhole) {
    std::string bytes = png(4, 4);
    write("фото.png", bytes);
    EXPECT_EQ(render(folder + L"/gone.png"), embedded(bytes));
    EXPECT_EQ(render(L""), embedded(bytes));
    // A key without its file gives nothing; keys that leave the document's
    // folder are refused, though a file is there.
    write("sub/фото.png", bytes);
    write("sub\\фото.png", bytes);
    for (const wchar_t* key : {L"нет", L"sub/фото", L"sub\\фото"})
        EXPECT_EQ(render(L"", 100, key), L"");
    doc.data->page_setup.record.s5 = folder + L"/sub/template.brik";
    EXPECT_EQ(render(L"", 100, L"../фото"), L"");
    doc.data->page_setup.record.s5 = L"template.brik";
    EXPECT_EQ(render(L""), L"");
    std::string huge = png(10, 10);
    huge.resize(max_image_bytes + 1);
    std::wstring path = write("huge.png", huge);
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
