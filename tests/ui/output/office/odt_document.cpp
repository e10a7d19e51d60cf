#include "ui/output/office/odt_document.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace office_test {

namespace {

struct TextStyle {
    QString parent;
    QString font;
    double space_below = -1, space_above = -1;  // mm; -1 where the style sets none
    int keep_with_next = -1;                    // 1 "always", 0 "auto"; -1 where none is set
};

// Styles by family and name, from styles.xml and the automatic styles of
// content.xml alike.
struct Styles {
    std::map<QString, TextStyle> text;
    std::map<QString, QString> column_width;  // "39301*" or "2.5in"
    std::map<QString, std::map<QString, double>> page_layouts;
    std::map<QString, QString> master_layout;
    QString default_font;
    QStringList languages;

    // The first of a style and its parents that `given` finds set.
    template <class Value>
    Value inherited(const QString& family, QString name, Value none,
                    Value (*given)(const TextStyle&)) const {
        for (int depth = 0; !name.isEmpty() && depth < 50; ++depth) {
            const auto found = text.find(family + '/' + name);
            if (found == text.end()) break;
            if (Value value = given(found->second); value != none) return value;
            name = found->second.parent;
        }
        return none;
    }
    // The font a paragraph or span style gives; empty when none sets one.
    QString font(const QString& family, const QString& name) const {
        return inherited<QString>(family, name, {}, [](const TextStyle& s) { return s.font; });
    }
    double space_below(const QString& name) const {
        const double mm = inherited<double>("paragraph", name, -1.0,
                                            [](const TextStyle& s) { return s.space_below; });
        return std::max(mm, 0.0);
    }
    bool keeps_with_next(const QString& name) const {
        return inherited<int>("paragraph", name, -1,
                              [](const TextStyle& s) { return s.keep_with_next; }) == 1;
    }
    double table_space_above(const QString& name) const {
        const double mm = inherited<double>("table", name, -1.0,
                                            [](const TextStyle& s) { return s.space_above; });
        return std::max(mm, 0.0);
    }
};

std::optional<QByteArray> package_member(const std::filesystem::path& file, const QString& name) {
    QProcess unzip;
    unzip.start("unzip", {"-p", QString::fromStdString(file.string()), name});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) return std::nullopt;
    return unzip.readAllStandardOutput();
}

double millimetres(const QString& length) {
    static const QRegularExpression pattern(R"(^(-?[0-9.]+)(in|cm|mm|pt)$)");
    const auto match = pattern.match(length);
    if (!match.hasMatch()) return -1;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit == "in") return value * 25.4;
    if (unit == "cm") return value * 10;
    if (unit == "pt") return value * 25.4 / 72;
    return value;
}

QString attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString();
}

void read_styles(const QByteArray& bytes, Styles& styles) {
    QXmlStreamReader xml(bytes);
    QString current;  // family/name of the style being read
    QString layout;   // the page layout being read
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        const QStringView tag = xml.qualifiedName();
        if (token == QXmlStreamReader::EndElement &&
            (tag == u"style:style" || tag == u"style:default-style"))
            current.clear();
        if (token != QXmlStreamReader::StartElement) continue;
        if (tag == u"style:style") {
            current = attribute(xml, "style:family") + '/' + attribute(xml, "style:name");
            styles.text[current].parent = attribute(xml, "style:parent-style-name");
        } else if (tag == u"style:default-style") {
            current = attribute(xml, "style:family") == "paragraph" ? "default" : "";
        } else if (tag == u"style:paragraph-properties" && !current.isEmpty()) {
            if (const QString below = attribute(xml, "fo:margin-bottom"); !below.isEmpty())
                styles.text[current].space_below = millimetres(below);
            if (const QString keep = attribute(xml, "fo:keep-with-next"); !keep.isEmpty())
                styles.text[current].keep_with_next = keep == "always" ? 1 : 0;
        } else if (tag == u"style:table-properties" && !current.isEmpty()) {
            if (const QString above = attribute(xml, "fo:margin-top"); !above.isEmpty())
                styles.text[current].space_above = millimetres(above);
        } else if (tag == u"style:text-properties" && !current.isEmpty()) {
            if (const QString language = attribute(xml, "fo:language"); !language.isEmpty()) {
                const QString tagged = language + '-' + attribute(xml, "fo:country");
                if (!styles.languages.contains(tagged)) styles.languages.append(tagged);
            }
            const QString font = attribute(xml, "style:font-name");
            if (font.isEmpty()) continue;
            if (current == "default") {
                styles.default_font = font;
            } else {
                styles.text[current].font = font;
            }
        } else if (tag == u"style:table-column-properties") {
            QString width = attribute(xml, "style:rel-column-width");
            if (width.isEmpty()) width = attribute(xml, "style:column-width");
            styles.column_width[current] = width;
        } else if (tag == u"style:page-layout") {
            layout = attribute(xml, "style:name");
        } else if (tag == u"style:page-layout-properties") {
            auto& page = styles.page_layouts[layout];
            for (const char* name : {"fo:page-width", "fo:page-height", "fo:margin-top",
                                     "fo:margin-right", "fo:margin-bottom", "fo:margin-left"})
                page[name] = millimetres(attribute(xml, name));
        } else if (tag == u"style:master-page") {
            styles.master_layout[attribute(xml, "style:name")] =
                attribute(xml, "style:page-layout-name");
        }
    }
}

double column_share(const QString& width) {
    if (width.endsWith('*')) return width.chopped(1).toDouble();
    return millimetres(width);
}

void read_body(const QByteArray& bytes, const Styles& styles, OdtDocument& out) {
    QXmlStreamReader xml(bytes);
    bool in_body = false;
    int cells = 0;                 // table cells open around the text
    QStringList paragraph_styles;  // of the open paragraphs
    QStringList span_styles;       // of the open spans
    std::vector<std::size_t> open_tables;
    QString before_table;  // the style of the body's last paragraph, while a table may follow it
    QString text;
    qsizetype paragraph_start = 0;  // where the text of the body's open paragraph began
    auto cell_font = [&] {
        for (auto span = span_styles.crbegin(); span != span_styles.crend(); ++span)
            if (QString font = styles.font("text", *span); !font.isEmpty()) return font;
        if (!paragraph_styles.isEmpty())
            if (QString font = styles.font("paragraph", paragraph_styles.back()); !font.isEmpty())
                return font;
        return styles.default_font;
    };
    auto add_text = [&](const QString& piece) {
        text += piece;
        if (cells > 0 && !paragraph_styles.isEmpty() && !words_of(piece).isEmpty())
            out.cell_runs.push_back({cell_font(), piece});
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        const QStringView tag = xml.qualifiedName();
        if (token == QXmlStreamReader::StartElement) {
            if (tag == u"office:text") in_body = true;
            if (!in_body) continue;
            if (tag == u"text:p" || tag == u"text:h") {
                paragraph_styles.append(attribute(xml, "text:style-name"));
                if (open_tables.empty()) before_table = paragraph_styles.back();
                paragraph_start = text.size();
            } else if (tag == u"text:span") {
                span_styles.append(attribute(xml, "text:style-name"));
            } else if (tag == u"text:s") {
                const int count = std::max(1, attribute(xml, "text:c").toInt());
                text += QString(count, ' ');
            } else if (tag == u"text:tab" || tag == u"text:line-break") {
                text += ' ';
            } else if (tag == u"table:table-cell") {
                ++cells;
            } else if (tag == u"table:table") {
                if (open_tables.empty())
                    out.space_above_tables.push_back(
                        (before_table.isEmpty() ? 0 : styles.space_below(before_table)) +
                        styles.table_space_above(attribute(xml, "table:style-name")));
                open_tables.push_back(out.tables.size());
                out.tables.emplace_back();
            } else if (tag == u"table:table-column" && !open_tables.empty()) {
                const int repeated =
                    std::max(1, attribute(xml, "table:number-columns-repeated").toInt());
                const auto width =
                    styles.column_width.find("table-column/" + attribute(xml, "table:style-name"));
                const double share =
                    width == styles.column_width.end() ? 0 : column_share(width->second);
                for (int i = 0; i < repeated; ++i) out.tables[open_tables.back()].push_back(share);
            }
        } else if (token == QXmlStreamReader::EndElement && in_body) {
            if (tag == u"text:p" || tag == u"text:h") {
                if (open_tables.empty() && styles.keeps_with_next(paragraph_styles.back()))
                    out.kept_with_next.append(text.mid(paragraph_start).simplified());
                paragraph_styles.removeLast();
                text += ' ';
            } else if (tag == u"text:span") {
                span_styles.removeLast();
            } else if (tag == u"table:table-cell") {
                --cells;
            } else if (tag == u"table:table") {
                open_tables.pop_back();
                before_table.clear();
            } else if (tag == u"office:text") {
                in_body = false;
            }
        } else if (token == QXmlStreamReader::Characters && in_body &&
                   !paragraph_styles.isEmpty()) {
            add_text(xml.text().toString());
        }
    }
    if (xml.hasError()) out.error = "content.xml: " + xml.errorString();
    for (auto& table : out.tables) {
        double whole = 0;
        for (double share : table) whole += share;
        if (whole > 0)
            for (double& share : table) share /= whole;
    }
    out.words = words_of(text);
}

}  // namespace

QStringList words_of(QString text) {
    for (const char16_t invisible : {u'\u200B', u'\u200C', u'\u200D', u'\uFEFF', u'\u00AD'})
        text.remove(QChar(invisible));
    static const QRegularExpression blanks(R"([\s\x{00A0}\x{2000}-\x{200A}\x{202F}]+)");
    return text.split(blanks, Qt::SkipEmptyParts);
}

OdtDocument read_odt(const std::filesystem::path& file) {
    OdtDocument out;
    const auto styles_xml = package_member(file, "styles.xml");
    const auto content_xml = package_member(file, "content.xml");
    if (!styles_xml || !content_xml) {
        out.error = "no styles.xml or content.xml in " + QString::fromStdString(file.string());
        return out;
    }
    Styles styles;
    read_styles(*styles_xml, styles);
    read_styles(*content_xml, styles);
    // Writer/Web lays its pages out by its own "HTML" page style.
    QString master = styles.master_layout.count("HTML") ? "HTML" : "Standard";
    const auto& page = styles.page_layouts[styles.master_layout[master]];
    auto value = [&](const char* name) {
        const auto found = page.find(name);
        return found == page.end() ? -1.0 : found->second;
    };
    out.page = {value("fo:page-width"),   value("fo:page-height"),   value("fo:margin-top"),
                value("fo:margin-right"), value("fo:margin-bottom"), value("fo:margin-left")};
    read_body(*content_xml, styles, out);
    out.languages = styles.languages;
    return out;
}

}  // namespace office_test
