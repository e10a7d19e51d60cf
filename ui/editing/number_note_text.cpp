#include "ui/editing/number_note_text.h"

#include <cstdint>
#include <optional>

#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/fields/currency.h"
#include "engine/fields/number_reading.h"
#include "engine/fields/number_tail_words.h"
#include "engine/text/plain_text.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

static_assert(engine::ui_text::number_counts_pieces - engine::ui_text::number_counts_days ==
              int(engine::number_unit::piece) - int(engine::number_unit::day));

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

// The row of the note, read as the document reads the field (its unit, the
// document's currency): why it is no number; none when it reads.
std::optional<int> note_row(const engine::doc_record& field, const engine::doc_node* parameters,
                            int language) {
    const engine::number_unit unit = engine::number_unit_named(field.s4);
    const std::uint32_t currency = engine::document_currency(parameters, language);
    switch (engine::read_number_field(field.s2, language, unit, currency).why) {
        case engine::no_number_reason::none:
        case engine::no_number_reason::says_none: return std::nullopt;
        // One row a unit, in the order of the units.
        case engine::no_number_reason::other_unit:
            return engine::ui_text::number_counts_days + int(unit) - int(engine::number_unit::day);
        case engine::no_number_reason::other_currency: return amount_note(currency);
        case engine::no_number_reason::negative: return engine::ui_text::number_negative;
        case engine::no_number_reason::day_out_of_range:
            return engine::ui_text::number_day_out_of_range;
        case engine::no_number_reason::not_a_number: break;
    }
    return engine::ui_text::number_not_read;
}

}  // namespace

std::wstring number_note_text(const engine::doc_element& field, const engine::doc_node* parameters,
                              int language) {
    if (type_of(field) != field_type::number) return {};
    const std::wstring& text = field.record.s2;
    // A value script ("{...}") is a number only once it has run.
    if (engine::trimmed(text).empty() || text.find(L'{') != std::wstring::npos) return {};
    const std::optional<int> row = note_row(field.record, parameters, language);
    return row ? engine::ui_string(*row, language) : std::wstring();
}

}  // namespace ui
