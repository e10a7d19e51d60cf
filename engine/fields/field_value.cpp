#include "engine/fields/field_value.h"

#include "engine/document/document_data.h"
#include "engine/fields/date_parse.h"
#include "engine/fields/date_render.h"
#include "engine/fields/image_field.h"
#include "engine/fields/lone_braces.h"
#include "engine/fields/number_reading.h"
#include "engine/fields/number_value.h"
#include "engine/fields/single_number.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::uint16_t date_field_type = 1;
constexpr std::uint16_t number_field_type = 3;
constexpr std::uint16_t image_field_type = 9;

template <typename Visit>
const doc_record* find_field(const document_data* data, Visit matches) {
    if (!data) return nullptr;
    const doc_node& parameters = data->parameters;
    for (std::size_t g = 0; g < group_count_of(parameters); ++g) {
        const doc_group& section = parameters.groups[g];
        for (std::size_t e = 0; e < element_count_of(section); ++e)
            if (matches(section.elements[e].record)) return &section.elements[e].record;
    }
    return nullptr;
}

// A date needs a day and a year of at least two digits: most values have
// fewer digits than that and need not go through the date scanner.
bool may_be_date(const std::wstring& value) {
    int digits = 0;
    for (wchar_t c : value)
        if (is_digit(c) && ++digits == 3) return true;
    return false;
}

// Once a render, for every reference and form of it.
const number_reading& number_field_reading(const field_value& field, const std::wstring& value,
                                           render_context& context) {
    return context.number_readings.find_or_read(field.number_field, value, [&] {
        return read_number_field(value, context.language, field.unit, context.currency());
    });
}

std::uint32_t type_of(const std::wstring& value, field_value& field, render_context& context) {
    if (may_be_date(value) && parse_date_value(value, context.language, context.now()).valid)
        return value_type::date;
    // A number field's text may carry a currency code before the number and
    // words of money, time or quantity after it («USD 45», «150 000 рублей»),
    // in the field's unit and the document's currency.
    if (field.from_number_field) {
        const number_reading& reading = number_field_reading(field, value, context);
        field.says_none = reading.why == no_number_reason::says_none;
        return reading.number ? value_type::number : value_type::text;
    }
    for (wchar_t c : value) {
        // «10-15» is a text, not the number its digits would make, and «5
        // дней» a phrase to decline.
        if (is_digit(c))
            return is_number_with_short_unit(value) ? value_type::number : value_type::text;
        if (is_alpha_char(c)) return value_type::text;
    }
    return value_type::text;
}

// The reference as its value script wrote it, format words and all. The
// script's source was escaped as a field value already.
std::wstring reference_source(const field_value& value) {
    std::wstring source = L"{";
    if (value.format_words)
        for (const expr_token& words : *value.format_words) source += words.text + L":";
    source += value.name_text + L"}";
    return html_escape(html_unescape(source));
}

// Read and encoded once a render, whichever way the picture is named.
const std::wstring& picture_tag(render_context& context, document_data* data,
                                const doc_record& field, const std::wstring& key) {
    std::wstring cache_key = field.s2 + L'\n' + key + L'\n' + format_fixed6(field.d1);
    if (const std::wstring* kept = context.pictures.find(cache_key)) return *kept;
    // A Word file links its pictures, but the render takes them embedded,
    // as the screen does, so that a value naming one shows as it does there;
    // the export puts the links in afterwards.
    const bool linked = links_images(data);
    const bool link_later = linked && context.target == render_target::word;
    std::wstring tag =
        render_image_field(*context.env, data, field.s2, field.d1, key, linked && !link_later);
    if (link_later)
        context.pictures.keep_link(
            tag, render_image_field(*context.env, data, field.s2, field.d1, key, true));
    return context.pictures.keep(std::move(cache_key), std::move(tag));
}

}  // namespace

field_value::field_value(render_context& render, expr_token token,
                         const std::vector<expr_token>* pending_words)
    : kind(token.kind),
      name_text(std::move(token.text)),
      context(&render),
      data(render.data),
      format_words(pending_words) {
    value_text = kind == expr_kind::reference ? resolve_named_value(*this, L"") : name_text;
    if (is_image || is_cycle) {
        type = value_type::text;
    } else if (memo && memo->typed) {
        type = memo->type;
        says_none = memo->says_none;
    } else {
        render.runs.count_work(value_text.size());
        type = type_of(value_text, *this, render);
        if (memo) {
            memo->type = type;
            memo->says_none = says_none;
            memo->typed = true;
        }
    }
    if (from_date_field && !is_cycle && type != value_type::date && !trimmed(value_text).empty()) {
        no_date_text = std::move(value_text);
        value_text.clear();
        type = value_type::text;
    }
    if (from_number_field && !is_cycle && type == value_type::text &&
        !trimmed(value_text).empty()) {
        no_number_text = std::move(value_text);
        value_text.clear();
    }
}

bool field_value::holds_unread_number() const { return !no_number_text.empty() && !says_none; }

number_value field_value::as_number(bool round) const {
    const doc_node* parameters = data ? &data->parameters : nullptr;
    if (from_number_field && type == value_type::number)
        if (const std::optional<single_number>& read =
                number_field_reading(*this, value_text, *context).number) {
            number_value number(parameters, value_text, context->language, *read);
            number.unit = unit;
            return number;
        }
    number_value number(parameters, value_text, context->language, round && computed);
    number.unit = unit;
    return number;
}

std::wstring resolve_named_value(field_value& value, const std::wstring& default_text) {
    render_context& context = *value.context;
    // The nested runs under way give way to their source: nothing to read.
    if (context.runs.stopping()) return default_text;
    std::wstring key = make_word_key(value.name_text);
    doc_record* field = value.data ? context.parameters.find(value.data->parameters, key,
                                                             context.runs.current_run())
                                   : nullptr;
    if (field) {
        if (field->c != 0) return default_text;
        if (field->a == number_field_type) value.number_field = field;
        value.from_date_field = field->a == date_field_type;
        value.from_number_field = field->a == number_field_type;
        if (value.from_number_field) value.unit = number_unit_named(field->s4);
        if (field->a == image_field_type) {
            trim_blanks(field->s2);
            value.is_image = true;
            const std::wstring& tag = picture_tag(context, value.data, *field, key);
            return context.runs.fits_picture(tag.size()) ? tag : default_text;
        }
        // Outside a script (no runner) the value is shown as typed, as it is
        // when no brace in it closes («стул [В4 {]»).
        if (!context.run_script || !holds_closed_brace(field->s2))
            return escape_field_value(field->s2);
        // Past the outermost run's budget no value runs: each shows its
        // source once, as a refused run would, without being escaped first.
        if (context.runs.run_budget_spent()) {
            // A condition decides on the text as typed and shows nothing.
            if (context.runs.deciding()) return escape_field_value(field->s2);
            if (!context.runs.first_showing(field)) return default_text;
            return html_escape(html_unescape(escape_field_value(field->s2)));
        }
        if (context.runs.cuts_cycle(field)) {
            value.is_cycle = true;
            return reference_source(value);
        }
        // A value script referenced again in the run is not run again.
        if (memoised_value* kept = context.runs.find_value(field, default_text)) {
            context.runs.count_work(kept->text.size());
            value.memo = kept;
            return kept->text;
        }
        field_expansion expansion(context.runs, field);
        value_computation computation(context.runs);
        std::wstring source = escape_field_value(field->s2);
        const bool held = hold_lone_braces(source);
        std::wstring result = context.run_script(std::move(source), context);
        if (held) release_lone_braces(result);
        value.memo = computation.keep(field, default_text, result);
        return result;
    }
    if (value.data) {
        for (const doc_record& variable : value.data->scratch.records) {
            if (variable.s1 != key) continue;
            value.computed = true;
            return variable.s2;
        }
    }
    if (key == L"дата|составления" || key == L"today")
        return render_short_date(date_value::today(context.language, context.now()));
    if (key == L"currency|abbreviation") return currency_abbreviation(value);

    // «{(5+3)}» makes the 5 a name: a number stays a number.
    std::wstring name = value.name_text;
    trim_blanks(name);
    if (!name.empty() && is_digit(name[0])) {
        value.number_as_name = true;
        return name;
    }
    if (value.format_words && !value.format_words->empty()) {
        for (wchar_t& c : key)
            if (c == L'|') c = L' ';
        return key;
    }
    return default_text;
}

std::wstring currency_abbreviation(const field_value& value) {
    const doc_record* currency = find_field(
        value.data, [](const doc_record& f) { return word_key_equals(f.s1, L"currency"); });
    if (!currency || currency->c != 0) return L"USD";
    const std::wstring& name = currency->s2;
    if (name == L"Australian Dollars") return L"AUD";
    if (name == L"Canadian Dollars") return L"CAD";
    if (name == L"Euro") return L"EUR";
    if (name == L"United Kingdom Pounds") return L"GBP";
    if (name == L"Other") {
        const doc_record* other = find_field(value.data, [](const doc_record& f) {
            return word_key_equals(f.s1, L"other_currency_abbr");
        });
        return other && other->c == 0 ? escape_field_value(other->s2) : L"USD";
    }
    return L"USD";
}

void set_variable(const field_value& value, std::wstring text) {
    set_variable(*value.context, value.name_text, std::move(text));
}

void set_variable(render_context& context, const std::wstring& name, std::wstring text) {
    document_data* data = context.data;
    if (!data) return;
    context.runs.count_assignment();
    std::wstring key = make_word_key(name);
    for (doc_record& variable : data->scratch.records) {
        if (variable.s1 == key) {
            variable.s2 = std::move(text);
            return;
        }
    }
    doc_record variable;
    variable.s1 = std::move(key);
    variable.s2 = std::move(text);
    data->scratch.records.push_back(std::move(variable));
}

}  // namespace engine
