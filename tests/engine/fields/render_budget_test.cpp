// What values may cost a render. A value that named a large picture a hundred
// times once took 12 seconds and 93 M characters a render, reading and
// encoding the file at every reference; one of number words escaped the
// reference's budget; and a hostile value cost a budget at each of a
// template's thousand references. Counted by the budgets' counters.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "engine/render/script.h"
#include "engine/text/html_escape.h"
#include "support/fifty_page_template.h"
#include "support/many_references_template.h"

using namespace engine;

namespace {

std::wstring repeated(const std::wstring& piece, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

std::size_t count_of(const std::wstring& text, const std::wstring& piece) {
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::wstring::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// Files in memory whose reads are counted: a picture is read whole once for
// each time it is encoded.
class counting_environment final : public environment {
public:
    std::optional<std::uintmax_t> file_size(const std::wstring& path) const override {
        return files.file_size(path);
    }
    std::optional<std::string> read_file(const std::wstring& path,
                                         std::uintmax_t limit) const override {
        ++reads;
        return files.read_file(path, limit);
    }
    std::error_code replace_file(const std::wstring& path, std::string_view bytes) const override {
        return files.replace_file(path, bytes);
    }
    std::int64_t now() const override { return files.now(); }

    memory_environment files{1710504000};
    mutable int reads = 0;
};

// A PNG signature and noise: what the engine embeds of it is its size.
std::string picture_bytes(std::size_t size, unsigned seed) {
    std::string bytes = "\x89PNG\r\n\x1A\n";
    std::mt19937 noise(seed);
    while (bytes.size() < size) bytes += char(noise());
    return bytes;
}

constexpr std::uint16_t image_type = 9;

class RenderBudget : public ::testing::Test {
protected:
    doc_record& add_field(std::wstring name, std::wstring value, std::uint16_t type = 4) {
        doc_node& parameters = doc.data->parameters;
        if (parameters.groups.empty()) parameters.groups.emplace_back();
        parameters.group_count = 1;
        doc_group& section = parameters.groups[0];
        doc_record& field = section.elements.emplace_back().record;
        section.element_count = std::int32_t(section.elements.size());
        field.a = type;
        field.s1 = std::move(name);
        field.s2 = std::move(value);
        return field;
    }
    // The template's own {Logo} and two paragraphs' worth of the Seller.
    std::wstring render(render_context& context) {
        std::wstring out = script(L"{Logo}|{Seller}|{р:Seller}", context).run();
        return out + L"#" + script(L"{Seller}", context).run();
    }

    // One page of `paragraphs`, as the library's templates lay them out.
    void add_page(std::initializer_list<const wchar_t*> paragraphs) {
        document_data& data = *doc.data;
        data.page_setup.groups.resize(1);
        data.page_setup.group_count = 1;
        data.page_setup.groups[0].elements.resize(4);
        data.page_setup.groups[0].element_count = 4;
        doc_group& page = data.pages.groups.emplace_back();
        data.pages.group_count = 1;
        page.record.a = 1;
        for (const wchar_t* text : paragraphs) {
            doc_record& paragraph = page.elements.emplace_back().record;
            paragraph.b = 1;
            paragraph.v[0] = 11;
            paragraph.s2 = text;
        }
        page.element_count = std::int32_t(page.elements.size());
    }

    counting_environment env;
    document doc{L"", 0, env};
    view_state view{.language = 1};
};

}  // namespace

TEST_F(RenderBudget, APictureOrNumberWordsAValueNamesSpendTheReferencesBudget) {
    // 350 KB, as large as the data panel takes: 467 K characters embedded.
    env.files.put_file(L"/pictures/logo.png", picture_bytes(350'000, 1));
    add_field(L"Logo", L"/pictures/logo.png", image_type).d1 = 100;
    add_field(L"Сумма", L"1234567,89");
    doc_record& seller = add_field(L"Seller", L"");

    struct hostile {
        std::wstring seller;
        std::wstring shown;  // what the first reference prints in its stead
    };
    const hostile values[] = {
        {repeated(L"{Logo}", 100), repeated(L"{Logo}", 100)},
        {repeated(L"{прописью:Сумма}", 300), repeated(L"{прописью:Сумма}", 300)},
        // One statement naming the picture a thousand times stops at the first.
        {L"{" + repeated(L"Logo \"\" ", 1000) + L"}",
         L"{" + repeated(L"Logo &quot;&quot; ", 1000) + L"}"},
    };
    for (const hostile& value : values) {
        seller.s2 = value.seller;
        env.reads = 0;
        render_context context(&doc, view);
        const std::wstring out = render(context);
        // The template's own picture shows whole, once, read once.
        const std::size_t picture = out.find(L"\"/>");
        ASSERT_NE(picture, std::wstring::npos);
        EXPECT_GT(picture, 350'000 * 4 / 3) << value.seller.substr(0, 40);
        EXPECT_EQ(count_of(out, L"data:image/png"), 1u);
        EXPECT_EQ(env.reads, 1);
        // Each paragraph shows the value's source once and nothing more.
        EXPECT_EQ(out.substr(picture + 3), L"|" + value.shown + L"|#" + value.shown);
        EXPECT_LE(context.runs.run_work(), nested_work_per_run + nested_work_budget);
        EXPECT_FALSE(context.runs.render_budget_spent());
    }
    // Words a value writes within the budget stay.
    seller.s2 = repeated(L"{прописью:Сумма} ", 10);
    render_context context(&doc, view);
    EXPECT_EQ(count_of(render(context), L"миллион"), 30u);
}

TEST_F(RenderBudget, APictureIsReadOnceARenderAndAgainAtTheNext) {
    env.files.put_file(L"/pictures/logo.png", picture_bytes(1'000, 1));
    add_field(L"Logo", L"/pictures/logo.png", image_type).d1 = 50;
    add_field(L"Seller", L"Northwind {Logo}");
    render_context context(&doc, view);
    auto render_pages = [&] {
        context.begin_render();
        return script(repeated(L"{Logo}{Seller}", 5), context).run();
    };
    const std::wstring first = render_pages();
    EXPECT_EQ(count_of(first, L"data:image/png"), 10u);
    EXPECT_EQ(env.reads, 1);
    // A picture changed between two renders in a kept context shows at the next.
    env.files.put_file(L"/pictures/logo.png", picture_bytes(1'000, 2));
    const std::wstring second = render_pages();
    EXPECT_EQ(env.reads, 2);
    EXPECT_NE(second, first);
    EXPECT_EQ(second.size(), first.size());
}

TEST(RenderBudgetOfATemplate, AHostileValueNamedAThousandTimesCostsOneRendersBudget) {
    auto rendered = [](const std::wstring& seller, std::size_t& work) {
        document doc{L""};
        fixture::fill_many_references(doc, seller);
        render_context context(&doc, view_state{.language = 1});
        const std::wstring first = render_html(context);
        // A kept context renders the same again: each render has its own budget.
        EXPECT_EQ(render_html(context), first) << seller.substr(0, 40);
        work = context.runs.render_work();
        return first;
    };
    std::size_t work = 0;
    const std::size_t plain_size = rendered(L"ООО «Ромашка»", work).size();
    EXPECT_LT(work, render_work_budget / 10);
    // Real documents stay far from the budget.
    document fifty_pages{L""};
    fixture::fill_fifty_pages(fifty_pages);
    render_context fifty(&fifty_pages, view_state{});
    render_html(fifty);
    EXPECT_LT(fifty.runs.render_work(), render_work_budget / 10);

    const std::wstring hostile[] = {
        repeated(L"{Seller}", 500),
        repeated(L"{р:Seller}", 100),
        repeated(L"{{Seller}}{Seller} ", 50),
        L"{v = v + 1}" + repeated(L"{р:Seller}", 50),
    };
    for (const std::wstring& value : hostile) {
        const std::wstring out = rendered(value, work);
        // Within the README's bound: the template's own output, the render's
        // budget and one nested reference's, and the value's source once.
        EXPECT_LE(out.size(), plain_size + render_work_budget + nested_work_budget + value.size())
            << value.substr(0, 40);
        EXPECT_LE(work, render_work_budget + 2 * nested_work_budget) << value.substr(0, 40);
    }
}

// A condition on a value the budget refuses decides on the value's text and
// leaves its one showing to the reference that prints it: the goods of a
// long description once printed nothing, and a condition after the
// reference was false. Screen, print and DOC show the same.
TEST_F(RenderBudget, AConditionOnARefusedValueIsTrueAndTheReferenceShowsItsSource) {
    env.files.put_file(L"/pictures/logo.png", picture_bytes(350'000, 1));
    add_field(L"Logo", L"/pictures/logo.png", image_type).d1 = 100;
    add_field(L"Buyer", L"Contoso");
    doc_record& goods = add_field(L"Goods", L"");
    add_page({L"A: {IF goods THEN goods ELSE \"______\"}.",
              L"B: {Goods} {IF Goods THEN \"held\" ELSE \"______\"}."});
    const std::wstring long_text(10'500 - 21, L'x');
    for (const std::wstring& value :
         {long_text + L"delivered to {Buyer}.", long_text + L"{note 3}", long_text + L"{",
          long_text + L"{}", std::wstring(L"ACME {Logo}")}) {
        goods.s2 = value;
        const std::wstring shown = html_escape(value);
        // A lone brace makes no script: the value is text, which {Goods}
        // capitalises.
        const std::wstring shown_b = value.ends_with(L"x{") ? L"X" + shown.substr(1) : shown;
        // A value's own stop ends the template's sentence.
        const std::wstring line_a = L"A: " + shown + (value.ends_with(L'.') ? L"" : L".");
        // The saved DOC links its pictures; `ACME {Logo}` once showed the
        // picture there alone.
        doc.data->page_setup.record.b = 1;
        const std::wstring saved_word = to_word_html(doc, view);
        doc.data->page_setup.record.b = 0;
        const std::wstring renders[] = {to_html(doc, view), to_print_html(doc, view),
                                        to_word_html(doc, view), saved_word};
        for (const std::wstring& out : renders) {
            EXPECT_NE(out.find(line_a), std::wstring::npos) << value.substr(value.size() - 11);
            EXPECT_NE(out.find(L"B: " + shown_b + L" held."), std::wstring::npos)
                << value.substr(value.size() - 11);
            EXPECT_EQ(out.find(L"______"), std::wstring::npos) << value.substr(value.size() - 11);
        }
    }
    // A picture within the budget shows beside the text, linked in the DOC.
    env.files.put_file(L"/pictures/logo.png", picture_bytes(1'000, 1));
    goods.s2 = L"ACME {Logo}";
    EXPECT_NE(to_html(doc, view).find(L"A: ACME <img src=\"data:image/png;"), std::wstring::npos);
    doc.data->page_setup.record.b = 1;
    const std::wstring word = to_word_html(doc, view);
    EXPECT_NE(word.find(L"A: ACME <img src=\"file:///pictures/logo.png\"/>."), std::wstring::npos);
    EXPECT_EQ(word.find(L"data:image"), std::wstring::npos);
}
