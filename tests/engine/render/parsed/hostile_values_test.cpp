// Hostile values through every way a value reaches a page, read back by a
// real HTML parser (gumbo): the screen, print and Word HTML hold only the tags
// and attributes that the template and the engine write, with the engine's
// own handlers, a value written into an attribute stays that attribute's
// text, and no value makes an address that runs script.
#include <gtest/gtest.h>
#include <gumbo.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/render/render_tree.h"
#include "engine/text/utf16.h"
#include "engine/text/word_key.h"

using namespace engine;
using namespace render_test;

namespace {

struct element {
    std::string tag;
    std::map<std::string, std::string> attributes;
};

struct parsed_page {
    std::vector<element> elements;  // in document order
    std::vector<std::string> texts;
};

void collect(const GumboNode* node, parsed_page& page) {
    if (node->type == GUMBO_NODE_TEXT) {
        page.texts.emplace_back(node->v.text.text);
        return;
    }
    if (node->type != GUMBO_NODE_ELEMENT) return;
    const GumboElement& e = node->v.element;
    element out;
    if (e.tag == GUMBO_TAG_UNKNOWN) {
        GumboStringPiece name = e.original_tag;
        gumbo_tag_from_original_text(&name);
        out.tag.assign(name.data, name.length);
    } else {
        out.tag = gumbo_normalized_tagname(e.tag);
    }
    for (unsigned i = 0; i < e.attributes.length; ++i) {
        const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
        out.attributes[a->name] = a->value;
    }
    page.elements.push_back(std::move(out));
    for (unsigned i = 0; i < e.children.length; ++i)
        collect(static_cast<const GumboNode*>(e.children.data[i]), page);
}

parsed_page parse(const std::wstring& html) {
    const std::string utf8 = to_utf8(html);
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size());
    parsed_page page;
    collect(output->root, page);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return page;
}

// Every attribute each tag may carry in these pages; event handlers only with
// the engine's own code (checked apart).
// clang-format off
const std::map<std::string, std::set<std::string>> allowed = {
    {"html", {"xmlns", "xmlns:o", "xmlns:w"}}, {"head", {}}, {"meta", {"http-equiv", "content", "name"}},
    {"title", {}}, {"style", {"type"}}, {"body", {"onkeydown", "lang"}},
    {"table", {"class", "border", "cellpadding", "cellspacing", "width", "bgcolor", "style"}},
    {"tbody", {}}, {"tr", {"style"}},
    {"td", {"style", "width", "valign", "colspan", "rowspan", "onmouseover", "onmouseout", "onclick"}},
    {"div", {"style", "class"}}, {"p", {"style"}}, {"br", {"style"}}, {"font", {"face", "style"}},
    {"b", {}}, {"u", {}}, {"spacer", {"type", "size"}},
    // The template's own tags around a value.
    {"span", {"style", "title"}}, {"a", {"href"}}, {"i", {"title"}},
};
// clang-format on

const std::map<std::string, std::string> engine_handlers = {
    {"onkeydown", "{window.event.returnValue=null;event.keyCode=0;}"},
    {"onmouseover", "{style.background=\"#5F75C7\";style.color=\"#E0F0F5\";}"},
    {"onmouseout", "{style.background=\"#E0E0F0\";style.color=\"#01020F\";}"},
};

// The text a link's click posts: the string literal in its handler, read as
// the script engine would.
std::wstring posted_message(const std::string& handler) {
    const std::string open = "{window.chrome.webview.postMessage(\"";
    const std::string close = "\");}";
    if (!handler.starts_with(open) || !handler.ends_with(close)) return L"<not a post>";
    const std::wstring literal =
        from_utf8(handler.substr(open.size(), handler.size() - open.size() - close.size()));
    std::wstring out;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        if (literal[i] == L'"' || literal[i] == L'\'') return L"<string ends early>";
        if (literal[i] == L'\\' && i + 5 < literal.size() && literal[i + 1] == L'u') {
            out += wchar_t(std::stoi(to_utf8(literal.substr(i + 2, 4)), nullptr, 16));
            i += 5;
        } else if (literal[i] == L'\\') {
            return L"<unknown escape>";
        } else {
            out += literal[i];
        }
    }
    return out;
}

class HostileValues : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        add_page_setup(*doc);
        doc_group& page = add_page(*doc);
        doc_element& block = add_block(page, L"[[{v}]]");
        add_run(block, L"s");
        add_run(block, L"<span title=\"{v}\">1</span><a href=\"{v}\">2</a><i title={v}>3</i>");
        add_run(block, L"<b>x <{v}>y</b>");
        add_block(page, L"{ТАБЛИЦА:}{заголовок:v}{СТРОКА:}{filelink:v}{:ТАБЛИЦА}");
        add_block(page, L"{m}");
        doc_group& section = add_group(doc->data->parameters);
        add_element(section);
        add_element(section);
        value = &section.elements[0].record;
        value->s1 = L"v";
        markers = &section.elements[1].record;
        markers->s1 = L"m";
    }

    // Checks one rendered page; a link's address is the typed value, or
    // empty when the value was refused there.
    void check(const std::wstring& html, const char* what, const std::string& address) {
        SCOPED_TRACE(what);
        const parsed_page page = parse(html);
        std::string shown;
        for (const std::string& text : page.texts)
            if (text.starts_with("[[") && text.ends_with("]]"))
                shown = text.substr(2, text.size() - 4);
        std::map<std::string, int> counts;
        for (const element& e : page.elements) {
            ++counts[e.tag];
            auto tag = allowed.find(e.tag);
            ASSERT_NE(tag, allowed.end()) << "tag " << e.tag;
            for (const auto& [name, text] : e.attributes) {
                EXPECT_TRUE(tag->second.contains(name)) << e.tag << " " << name << "=" << text;
                if (auto handler = engine_handlers.find(name); handler != engine_handlers.end()) {
                    EXPECT_EQ(text, handler->second);
                } else if (name == "onclick") {
                    EXPECT_EQ(posted_message(text), join_words(from_utf8(shown)));
                } else if (name == "title") {
                    EXPECT_EQ(text, shown) << e.tag << " " << name;
                } else if (name == "href") {
                    EXPECT_EQ(text, address);
                }
            }
        }
        // The template's own, and none of a value's.
        EXPECT_EQ(counts["span"], 1);
        EXPECT_EQ(counts["a"], 1);
        EXPECT_EQ(counts["i"], 1);
    }

    std::unique_ptr<document> doc;
    doc_record* value = nullptr;
    doc_record* markers = nullptr;
};

}  // namespace

TEST_F(HostileValues, ScreenPrintAndWordPagesHoldOnlyTheTemplatesTagsAndAttributes) {
    // clang-format off
    const std::wstring hostile[] = {
        L"a\fonmouseover=alert(1) b", L"\" onmouseover=\"alert(1)\" x=\"", L"' onmouseover='alert(1)' x='",
        L"<img src=x onerror=alert(1)>", L"& &amp; &#39; &x=1", L"javascript:alert(1)",
        L"</script><script>alert(1)</script>", L"a\u2028b\u2029c", L"x/ onclick=alert(1) `y`",
        // Right after a template's "<".
        L"img src=x onerror=alert(1)", L"svg/onload=alert(1)//", L"!--><img src=x onerror=alert(1)>",
    };
    // clang-format on
    for (const std::wstring& h : hostile) {
        SCOPED_TRACE(to_utf8(h));
        value->s2 = h;
        const std::string address = h.starts_with(L"javascript:") ? "" : to_utf8(h);
        markers->s2 = L"{#" + h + L" TABLE:" + h + L"}{ROW:" + h + L"}{CELL:" + h + L"}x{#" + h +
                      L"#" + h + L" CELL:1," + h + L",1,1,1," + h + L"}y{:TABLE}";
        for (bool library : {false, true}) {
            const view_state view{.library_shown = library};
            check(to_html(*doc, view), library ? "library screen" : "screen", address);
            check(to_print_html(*doc, view), library ? "library print" : "print", address);
            check(to_word_html(*doc, view), library ? "library Word" : "Word", address);
        }
    }
}

namespace {

// The scheme a browser reads at the start of an address: blanks and controls
// dropped, in lower case; empty when it has none.
std::string scheme_of(const std::string& address) {
    std::string kept;
    for (unsigned char c : address)
        if (c > 0x20 && c != 0x7F) kept += char(std::tolower(c));
    const std::size_t colon = kept.find(':');
    if (colon == std::string::npos) return {};
    const std::string scheme = kept.substr(0, colon);
    const bool valid =
        !scheme.empty() && std::isalpha(static_cast<unsigned char>(scheme[0])) &&
        scheme.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789+-.") == std::string::npos;
    return valid ? scheme : std::string();
}

class ScriptAddresses : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        add_page_setup(*doc);
        doc_group& page = add_page(*doc);
        doc_element& block = add_block(page, L"<a id=\"text\">{v}</a>");
        add_run(block, L"<a id=\"quoted\" href=\"{v}\">1</a><a id=\"bare\" href={v}>2</a>");
        add_run(block, L"<img id=\"image\" src=\"{v}\"><a id=\"joined\" href=\"{a}{b}\">3</a>");
        add_run(block, L"<img id=\"joined image\" src=\" {a}{b}\">");
        add_run(block,
                L"<iframe id=\"frame\" srcdoc=\"{v}\"></iframe><b id=\"handler\" "
                L"onclick=\"{v}\">4</b>");
        doc_group& section = add_group(doc->data->parameters);
        const wchar_t* names[] = {L"v", L"a", L"b"};
        for (std::size_t i = 0; i < 3; ++i) add_element(section);
        for (std::size_t i = 0; i < 3; ++i) {
            section.elements[i].record.s1 = names[i];
            fields.push_back(&section.elements[i].record);
        }
    }

    // id -> attribute -> text, as the parser reads them.
    static std::map<std::string, std::map<std::string, std::string>> by_id(
        const std::wstring& html) {
        std::map<std::string, std::map<std::string, std::string>> out;
        for (const element& e : parse(html).elements)
            if (auto id = e.attributes.find("id"); id != e.attributes.end())
                out[id->second] = e.attributes;
        return out;
    }

    std::unique_ptr<document> doc;
    std::vector<doc_record*> fields;  // v, a, b
};

}  // namespace

TEST_F(ScriptAddresses, NoValueMakesAScriptAddressAndWebAddressesStay) {
    struct row {
        const wchar_t* v;
        const wchar_t* a;
        const wchar_t* b;
        bool stays;  // the value is the link's address
    };
    // clang-format off
    const row rows[] = {
        {L"javascript:alert(document.body.innerHTML)", L"java", L"script:alert(1)",   false},
        {L"jav&#x09;ascript:alert(1)",                  L"jav&#x09;", L"ascript:x()", false},
        {L" JavaScript:alert(1)",                       L"JAVA", L"SCRIPT:x()",       false},
        {L"vbscript:msgbox(1)",                         L"vb",   L"script:x",         false},
        {L"data:text/html,<script>alert(1)</script>",   L"da",   L"ta:text/html,x",   false},
        {L"java\tscript:alert(1)",                      L"\x01java", L"script:x",     false},
        {L"https://example.org/a?b=1&c=2",              L"https:", L"//example.org/", true},
        {L"mailto:someone@example.org?subject=A&body=B", L"mail",  L"to:x@example.org", true},
    };
    // clang-format on
    for (const row& r : rows) {
        SCOPED_TRACE(to_utf8(r.v));
        fields[0]->s2 = r.v;
        fields[1]->s2 = r.a;
        fields[2]->s2 = r.b;
        for (bool library : {false, true}) {
            const view_state view{.library_shown = library};
            for (const std::wstring& html :
                 {to_html(*doc, view), to_print_html(*doc, view), to_word_html(*doc, view)}) {
                auto ids = by_id(html);
                for (const char* id : {"quoted", "bare", "image", "joined", "joined image"}) {
                    const std::string& address =
                        ids[id][std::string(id).ends_with("image") ? "src" : "href"];
                    const std::string scheme = scheme_of(address);
                    EXPECT_TRUE(scheme.empty() || scheme == "https" || scheme == "mailto")
                        << id << ": " << address;
                }
                if (r.stays) {
                    for (const char* id : {"quoted", "bare"})
                        EXPECT_EQ(ids[id]["href"], to_utf8(r.v));
                    EXPECT_EQ(ids["image"]["src"], to_utf8(r.v));
                    EXPECT_EQ(ids["joined"]["href"], to_utf8(std::wstring(r.a) + r.b));
                }
                EXPECT_EQ(ids["frame"]["srcdoc"], "");
                EXPECT_EQ(ids["handler"]["onclick"], "");
            }
        }
    }
}

namespace {

// The values an SVG animation gives the link it animates: each item of
// `values` too, and whatever order the template wrote the attributes in.
class AnimatedAddresses : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        add_page_setup(*doc);
        doc_group& page = add_page(*doc);
        // One paragraph, the value shown in it: a paragraph or run whose every
        // value is empty is left out.
        add_block(page,
                  L"{v}<svg><a id=\"link\"><set id=\"set\" attributeName=\"href\" to=\"{v}\"/>"
                  L"<set id=\"set first\" to=\"{v}\" attributeName=\"href\"/>"
                  L"<animate id=\"animate\" attributeName=\"href\" from=\"{v}\" by=\"{v}\" "
                  L"values=\"#a;{v}\"/>"
                  L"<animateTransform id=\"transform\" attributeName=\"xlink:href\" "
                  L"to={v}></animateTransform></a></svg>");
        doc_group& section = add_group(doc->data->parameters);
        add_element(section);
        value = &section.elements[0].record;
        value->s1 = L"v";
    }

    std::unique_ptr<document> doc;
    doc_record* value = nullptr;
};

std::vector<std::string> items_of(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t end; (end = list.find(';', start)) != std::string::npos; start = end + 1)
        items.push_back(list.substr(start, end - start));
    items.push_back(list.substr(start));
    return items;
}

}  // namespace

TEST_F(AnimatedAddresses, NoValueAnimatesALinkToAScriptAddress) {
    struct row {
        const wchar_t* v;
        bool stays;          // the value is the address the animation gives
        bool stays_in_list;  // … and an item of `values`
    };
    // clang-format off
    const row rows[] = {
        {L"javascript:alert(document.body.innerHTML)",  false, false},
        {L" JaVaScRiPt:alert(1)",                        false, false},
        // Its "&" is written "&amp;": no scheme, but in a list its ";" parts
        // off "ascript:alert(1)".
        {L"jav&#x09;ascript:alert(1)",                   true,  false},
        {L"data:text/html,<script>alert(1)</script>",    false, false},
        // One address, but two items of a list.
        {L"https://example.org/;javascript:alert(1)",    true,  false},
        {L"https://example.org/a?b=1&c=2",               true,  true},
        {L"#section",                                    true,  true},
    };
    // clang-format on
    const std::pair<const char*, const char*> single[] = {{"set", "to"},
                                                          {"set first", "to"},
                                                          {"animate", "from"},
                                                          {"animate", "by"},
                                                          {"transform", "to"}};
    for (const row& r : rows) {
        SCOPED_TRACE(to_utf8(r.v));
        value->s2 = r.v;
        for (bool library : {false, true}) {
            const view_state view{.library_shown = library};
            for (const std::wstring& html :
                 {to_html(*doc, view), to_print_html(*doc, view), to_word_html(*doc, view)}) {
                std::map<std::string, std::map<std::string, std::string>> ids;
                for (const element& e : parse(html).elements)
                    if (auto id = e.attributes.find("id"); id != e.attributes.end())
                        ids[id->second] = e.attributes;
                for (const auto& [id, name] : single) {
                    const std::string& address = ids[id][name];
                    EXPECT_EQ(address, r.stays ? to_utf8(r.v) : "") << id << " " << name;
                }
                const std::vector<std::string> items = items_of(ids["animate"]["values"]);
                for (const std::string& item : items) {
                    const std::string scheme = scheme_of(item);
                    EXPECT_TRUE(scheme.empty() || scheme == "https") << item;
                }
                EXPECT_EQ(ids["animate"]["values"], r.stays_in_list ? "#a;" + to_utf8(r.v) : "#a;");
                EXPECT_EQ(ids["link"].count("href"), 0u);
            }
        }
    }
}
