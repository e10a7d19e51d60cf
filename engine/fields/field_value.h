// One value reference being rendered: its token, the value it stands for and
// the type of that value.
//
// A name resolves through the document's parameters (sections, then fields,
// by word key), then the variables set earlier in the render, then the
// built-in names. A parameter's value is escaped for the page and, when it
// holds "{", runs as a script of its own in the same render context, unless
// that field's value is being run already: the reference is then a cycle
// (nested_runs.h). Lives for one reference.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/number_unit.h"
#include "engine/fields/number_value.h"
#include "engine/fields/render_context.h"

namespace engine {

struct document_data;
struct memoised_value;

namespace value_type {
constexpr std::uint32_t text = 5;
constexpr std::uint32_t number = 6;
constexpr std::uint32_t date = 7;
}  // namespace value_type

// What a number form of such a number prints: the gap a clerk fills in.
inline constexpr std::wstring_view unread_number_gap = L"______";

struct field_value {
    // Resolves `token` in the context's document (none: references are
    // empty). `format_words` are the reference's pending format words; none
    // means a plain lookup. A token passed by moving gives its text to
    // `name_text` without a copy.
    field_value(render_context& context, expr_token token,
                const std::vector<expr_token>* format_words = nullptr);

    std::uint32_t kind = 0;
    std::uint32_t type = 0;
    std::wstring name_text;
    std::wstring value_text;
    render_context* context = nullptr;
    document_data* data = nullptr;  // the context's tree, or null
    const std::vector<expr_token>* format_words = nullptr;
    // The value is an image tag: no letter case or name rendering touches it.
    bool is_image = false;
    // The reference names a field whose value is being run: its value is the
    // reference's own source, which nothing formats.
    bool is_cycle = false;
    // The value was read from a variable an assignment set: a result the
    // template computed, which a number rounds rather than cuts.
    bool computed = false;
    // The run's memo entry of this value, when it has one.
    memoised_value* memo = nullptr;
    // The number field the reference names, whose reading the render keeps
    // (number_reading_cache.h).
    const doc_record* number_field = nullptr;
    // The reference names a date field.
    bool from_date_field = false;
    // That field holds a text that is no date: the value is then empty, as
    // for an empty date field, and the text is kept here for the reference
    // without a date form, which shows it as typed.
    std::wstring no_date_text;
    // The same for a number field that holds a text that is no single number
    // (single_number.h): «10-15», "approx. 40".
    bool from_number_field = false;
    std::wstring no_number_text;
    // The unit that number field counts in (its record's s4).
    number_unit unit = number_unit::unknown;
    // That text says there is none («нет», «без аванса», "N/A"): every
    // number form and the arithmetic take the field as empty; a comparison
    // with a number reads it as 0, one with a quoted text as typed.
    bool says_none = false;
    // That text is a term typed in a form the program cannot read («10-15»,
    // «3-6 месяцев», «три месяца»), or in another unit or currency («2
    // недели» in days): filled in, with number forms that are gaps to fill
    // in by hand. A text that says none is not.
    bool holds_unread_number() const;
    // The value as a number. A number field's text is not read again: its
    // digits and figures are those of the reading that typed it. `round`
    // rounds a computed value to hundredths (number_value.h).
    number_value as_number(bool round = false) const;
    // A name that names nothing and starts with a digit, such as the 0 of
    // «(0)»: a number the script read as a name, which stands for itself.
    bool number_as_name = false;
};

// The value of the name in `value.name_text`, or `default_text` when nothing
// supplies one.
std::wstring resolve_named_value(field_value& value, const std::wstring& default_text);

// The three-letter code of the document's currency ("USD" by default).
std::wstring currency_abbreviation(const field_value& value);

// Stores `text` under the word key of `value.name_text` in the variable table.
void set_variable(const field_value& value, std::wstring text);
void set_variable(render_context& context, const std::wstring& name, std::wstring text);

}  // namespace engine
