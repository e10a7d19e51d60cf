// Text written once and shared by templates: "<<NAME>>" in a value.
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/dump.h"
#include "tools/brikc/source_error.h"

namespace {

namespace fs = std::filesystem;

const std::string page = "pages\n  page\n    block\n      text: ";

TEST(SharedText, StandsFoldedWhereItIsNamedFoundUpwardsAndFaultsNameTheLine) {
    fixture::temp_folder library;
    fs::create_directories(library.file("ru/Формы"));
    fixture::write_bytes(library.file("ru/город.inc"),
                         "# Where a document was made.\n  {ЕСЛИ Город ТО Город\n\n"
                         "  ИНАЧЕ \"______\"}  \r\n");
    fixture::write_bytes(library.file("ru/Формы/пусто.inc"), "# nothing\n");
    fixture::write_bytes(library.file("ru/круг.inc"), "<<круг.inc>>\n");
    // Above the library's top folder: never looked at.
    fixture::write_bytes(library.file("выше.inc"), "x\n");
    const brikc::shared_files files =
        brikc::shared_files_beside(library.file("ru/Формы/А.tpl"), library.file("ru/"));

    const auto text = [&](const std::string& value) {
        return brikc::compile_source(page + value, files).pages.groups[0].elements[0].record.s2;
    };
    const std::wstring place = L"{ЕСЛИ Город ТО Город ИНАЧЕ \"______\"}";
    EXPECT_EQ(text(">\n        <<город.inc>>, {длинная:Дата}\n"), place + L", {длинная:Дата}");
    EXPECT_EQ(text("(<<город.inc>>)<<пусто.inc>>"), L"(" + place + L")");
    // The condition operator "<<" is no marker, even with a marker after it.
    EXPECT_EQ(text("{IF A << \"x\" THEN \"y>>\"} <<пусто.inc>>"), L"{IF A << \"x\" THEN \"y>>\"} ");
    // A quoted value prints "<<" as written, and a dump writes it so.
    EXPECT_EQ(text("\"a <<город.inc>>\""), L"a <<город.inc>>");
    const brikc::brik_tree quoted = brikc::compile_source(page + "\"a <<b>>\"");
    EXPECT_EQ(brikc::dump_source(brikc::compile_source(brikc::dump_source(quoted))),
              brikc::dump_source(quoted));

    // clang-format off
    const struct { std::string value; const char* message; int line; } faults[] = {
        {"<<нет.inc>>", "no shared file 'нет.inc'", 5}, {"<<ru/город.inc>>", "without a folder", 5},
        {"<<круг.inc>>", "names a shared file of its own", 5},
        {"<<выше.inc>>", "no shared file 'выше.inc'", 5},
        // At the marker's own line of a block value.
        {">\n        {Город},\n\n        <<город.inc>> <<нет.inc>>", "no shared file", 8},
        {"|\n        a\n        b <<нет.inc>>", "no shared file", 7}};
    // clang-format on
    for (const auto& f : faults) {
        try {
            brikc::compile_source("\n" + page + f.value, files);
            ADD_FAILURE() << f.value;
        } catch (const brikc::source_error& error) {
            EXPECT_EQ(error.line(), f.line) << f.value;
            EXPECT_NE(std::string(error.what()).find(f.message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
