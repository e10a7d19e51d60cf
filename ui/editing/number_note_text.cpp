#include "ui/editing/number_note_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/document/document_data.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/fields/currency.h"
#include "engine/fields/number_reading.h"
#include "engine/fields/number_tail_words.h"
#include "engine/render/clauses_left_out.h"
#include "engine/render/money_forms.h"
#include "engine/text/plain_text.h"
#include "engine/text/word_key.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

static_assert(engine::ui_text::number_counts_pieces - engine::ui_text::number_counts_days ==
              int(engine::number_unit::piece) - int(engine::number_unit::day));
static_assert(engine::ui_text::amount_per_year - engine::ui_text::amount_per_hour ==
              int(engine::number_unit::money_per_year) - int(engine::number_unit::money_per_hour));

int amount_note(std::uint32_t currency) {
    switch (currency) {
        case engine::currency_mark::rouble: return engine::ui_text::amount_in_roubles;
        case engine::currency_mark::australian_dollar:
            return engine::ui_text::amount_in_australian_dollars;
        case engine::currency_mark::canadian_dollar:
            return engine::ui_text::amount_in_canadian_dollars;
        case engine::currency_mark::euro: return engine::ui_text::amount_in_euros;
        case engine::currency_mark::pound: return engine::ui_text::amount_in_pounds;
        default: return engine::ui_text::amount_in_us_dollars;
    }
}

int period_note(engine::number_unit unit) {
    return engine::ui_text::amount_per_hour + int(unit) - int(engine::number_unit::money_per_hour);
}

// The unit the document reads the field in: money when it names none and a
// money form prints it.
engine::number_unit unit_of(const engine::doc_record& field, const engine::document_data* data) {
    const engine::number_unit unit = engine::number_unit_named(field.s4);
    if (unit != engine::number_unit::unknown || !data) return unit;
    const std::vector<std::wstring> money = engine::money_field_keys(*data);
    return std::find(money.begin(), money.end(), engine::make_word_key(field.s1)) != money.end()
               ? engine::number_unit::printed_money
               : unit;
}

// The row of the note, read as the document reads the field (its unit, the
// document's currency): why it is no number; none when it reads.
std::optional<int> note_row(const engine::doc_record& field, const engine::document_data* data,
                            int language) {
    const engine::number_unit unit = unit_of(field, data);
    const std::uint32_t currency =
        engine::document_currency(data ? &data->parameters : nullptr, language);
    switch (
        engine::read_number_field(field.s2, language, unit, currency, {field.s1, field.s3}).why) {
        case engine::no_number_reason::none:
        case engine::no_number_reason::says_none: return std::nullopt;
        // One row a unit, in the order of the units.
        case engine::no_number_reason::other_unit:
            return engine::ui_text::number_counts_days + int(unit) - int(engine::number_unit::day);
        case engine::no_number_reason::other_currency: return amount_note(currency);
        case engine::no_number_reason::negative: return engine::ui_text::number_negative;
        case engine::no_number_reason::day_out_of_range:
            return engine::ui_text::number_day_out_of_range;
        case engine::no_number_reason::other_period: return period_note(unit);
        case engine::no_number_reason::not_a_number: break;
    }
    return engine::ui_text::number_not_read;
}

}  // namespace

std::wstring number_note_text(const engine::doc_element& field, const engine::document_data* data,
                              int language) {
    if (type_of(field) != field_type::number) return {};
    const std::wstring& text = field.record.s2;
    // A value script ("{...}") is a number only once it has run.
    if (engine::trimmed(text).empty() || text.find(L'{') != std::wstring::npos) return {};
    const std::optional<int> row = note_row(field.record, data, language);
    if (!row) return {};
    std::wstring note = engine::ui_string(*row, language);
    // Where the clause goes when the field is empty, a word of none says so.
    const std::vector<std::wstring> left_out =
        data ? engine::fields_left_out_when_empty(*data) : std::vector<std::wstring>();
    if (std::find(left_out.begin(), left_out.end(), engine::make_word_key(field.record.s1)) !=
        left_out.end())
        note += engine::ui_string(engine::ui_text::none_leaves_out, language);
    return note;
}

}  // namespace ui
