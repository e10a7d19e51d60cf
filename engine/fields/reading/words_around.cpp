#include "engine/fields/reading/words_around.h"

#include "engine/fields/number_tail_words.h"
#include "engine/fields/reading/reading_words.h"
#include "engine/fields/reading/text_marks.h"

namespace engine::reading {

namespace {

void note_money(number_words& words, std::uint32_t currencies, bool read_with_unit_only) {
    words.money = true;
    words.currencies &= currencies;
    words.read_with_unit_only = words.read_with_unit_only || read_with_unit_only;
}

void note_unit(number_words& words, std::uint32_t marks, bool read_with_unit_only) {
    if (words.unit_count < words.units.size()) words.units[words.unit_count] = marks;
    ++words.unit_count;
    words.read_with_unit_only = words.read_with_unit_only || read_with_unit_only;
}

// The end of `phrase` (reading_words.h) in `text` from `at`, in any letter
// case, a blank in it standing for any blanks, and no letter right after
// it; npos when it is not there.
std::size_t phrase_end(std::wstring_view text, std::size_t at, std::wstring_view phrase) {
    for (wchar_t p : phrase) {
        if (p == L' ') {
            const std::size_t next = skip_blanks(text, at);
            if (next == at) return std::wstring_view::npos;
            at = next;
            continue;
        }
        if (at == text.size()) return std::wstring_view::npos;
        if (folded_letter(text[at]) != p) return std::wstring_view::npos;
        ++at;
    }
    if (at < text.size() && is_alpha_char(text[at]) && is_alpha_char(phrase.back()))
        return std::wstring_view::npos;
    return at;
}

template <std::size_t size>
std::size_t phrase_end(std::wstring_view text, std::size_t at,
                       const std::wstring_view (&phrases)[size]) {
    for (std::wstring_view phrase : phrases) {
        const std::size_t end = phrase_end(text, at, phrase);
        if (end != std::wstring_view::npos) return end;
    }
    return std::wstring_view::npos;
}

// The end of "US" or "U.S." before a dollar sign or word; npos elsewhere.
std::size_t us_dollar_end(std::wstring_view text, std::size_t at) {
    if (to_lower_char(text[at]) != us_words[0][0]) return std::wstring_view::npos;
    const std::size_t end = phrase_end(text, at, us_words);
    if (end == std::wstring_view::npos) return end;
    const std::size_t next = skip_blanks(text, end);
    if (next < text.size() && text[next] == L'$') return end;
    const lowered_word word(text, next);
    if (word.view().starts_with(L"dollar") && tail_word_of(word.view()).kind == tail_word::money)
        return end;
    return std::wstring_view::npos;
}

// The end of a kind of day's two letters with a point, blank or slash
// between them («к.д.», «р д», «б/д»), and its unit_mark bits.
std::size_t letter_pair_end(std::wstring_view text, std::size_t at, std::uint32_t& marks) {
    const wchar_t first = to_lower_char(text[at]);
    for (const letter_pair& pair : day_letter_pairs) {
        if (pair.first != first) continue;
        std::size_t next = at + 1;
        const bool slash = next < text.size() && text[next] == L'/';
        if (slash) {
            ++next;
        } else {
            if (next < text.size() && text[next] == L'.') ++next;
            next = skip_blanks(text, next);
        }
        if (next == at + 1 || next >= text.size() || to_lower_char(text[next]) != pair.second ||
            (next + 1 < text.size() && is_alpha_char(text[next + 1])))
            return std::wstring_view::npos;
        marks = pair.marks;
        return next + 1;
    }
    return std::wstring_view::npos;
}

// Reads the words after the number into `scan`; false when anything there
// is no word of money, time or quantity.
class tail_reader {
public:
    tail_reader(std::wstring_view text, number_scan& scan)
        : text_(text), scan_(scan), money_(scan.words.money) {}

    bool read(std::size_t at) {
        // «150 000,-»: a dash after a dangling separator.
        if (at > 0 && at < text_.size() && is_separator(text_[at - 1]) && is_dash(text_[at])) ++at;
        if (at + 1 < text_.size() && is_hyphen(text_[at]) && is_alpha_char(text_[at + 1]))
            at = after_hyphen(at + 1);
        for (at = skip_blanks(text_, at); at < text_.size(); at = skip_blanks(text_, at)) {
            const wchar_t c = text_[at];
            std::uint32_t marks = 0;
            if (is_alpha_char(c) && !in_brackets_ &&
                (end_ = letter_pair_end(text_, at, marks)) != std::wstring_view::npos) {
                take_unit(marks);
                at = end_;
            } else if (is_alpha_char(c) && !in_brackets_ &&
                       (end_ = us_dollar_end(text_, at)) != std::wstring_view::npos) {
                note_money(scan_.words, currency_mark::us_dollar, false);
                at = end_;
            } else if (is_alpha_char(c)) {
                lowered_word word(text_, at);
                if (!take_word(word.view())) return false;
                at = word.end();
            } else if (c == L'&' && text_.substr(at).starts_with(L"&apos;")) {
                // "days' notice" as a field's value reaches the page.
                if (!take_mark(L'\'')) return false;
                at += 6;
            } else if (is_digit(c)) {
                if (!take_kopecks(at)) return false;
            } else if (!take_mark(c)) {
                return false;
            } else {
                ++at;
            }
            first_ = false;
        }
        return !unit_due_ && !in_brackets_ && !unit_word_due_;
    }

private:
    // Right after the figures: a case ending a unit word must follow («5-ти
    // дней»), or a unit word made an adjective ("45-day"). Anything else is
    // left for the loop, which refuses it.
    std::size_t after_hyphen(std::size_t at) {
        const lowered_word word(text_, at);
        if (in_list(word.view(), case_endings)) {
            unit_word_due_ = true;
            return word.end();
        }
        const tail_word_meaning meaning = tail_word_of(word.view());
        if (meaning.kind != tail_word::unit) return at - 1;
        take_unit(meaning.marks, meaning.read_with_unit_only);
        first_ = false;
        return word.end();
    }

    // A unit word; "calendar" before a month or a year is part of it («3
    // календарных месяца» is 3 months), and a rate's unit («руб./мес.») is
    // not what the number counts.
    bool take_unit(std::uint32_t marks, bool read_with_unit_only = false) {
        const bool after_calendar = calendar_just_before_;
        calendar_just_before_ = false;
        if (unit_due_) {
            unit_due_ = false;
            scan_.words.rate |= marks;
        } else if (after_calendar && (marks & (unit_mark::month | unit_mark::year)) != 0) {
            scan_.words.units[scan_.words.unit_count - 1] = marks;
        } else {
            note_unit(scan_.words, marks, read_with_unit_only);
            calendar_just_before_ =
                marks == unit_mark::calendar && scan_.words.unit_count <= scan_.words.units.size();
        }
        unit_word_due_ = false;
        return after_word_ = true;
    }

    // A point or comma after a word, a slash between units, brackets, signs.
    bool take_mark(wchar_t c) {
        if (is_separator(c)) return after_word_;
        // "30 days' notice".
        if (c == L'\'' || c == L'\u2019') return after_word_ && !in_brackets_;
        if (c == L'/') {
            // "$1,250/month": a rate right after an amount with its sign.
            if (!(after_word_ || (first_ && money_)) || unit_due_) return false;
            unit_due_ = true;
            after_word_ = false;
            return true;
        }
        if (c == L'(' && !in_brackets_ && !unit_due_) return in_brackets_ = true;
        if (c == L')' && in_brackets_) {
            in_brackets_ = false;
            return after_word_ = true;
        }
        // "twenty-one".
        if (is_dash(c) && in_brackets_) return true;
        if (c == L'%' || is_money_sign(c)) {
            if (is_money_sign(c)) {
                money_ = true;
                note_money(scan_.words, currency_of_sign(c), false);
            } else if (!unit_due_) {
                note_unit(scan_.words, unit_mark::per_cent, false);
            }
            unit_due_ = false;
            return after_word_ = true;
        }
        if (c == L'\u00A2') {
            note_money(scan_.words, currency_of_sign(c), false);
            return take_minor_word();
        }
        return false;
    }

    bool take_word(std::wstring_view word) {
        const tail_word_meaning meaning = tail_word_of(word);
        if (meaning.kind == tail_word::unit)
            return take_unit(meaning.marks, meaning.read_with_unit_only);
        calendar_just_before_ = false;
        if (unit_word_due_) return false;
        // «(сто пятьдесят тысяч)»: «тысяч» multiplies nothing there.
        if (in_brackets_ &&
            (meaning.kind == tail_word::none || meaning.kind == tail_word::multiplier))
            return is_number_word(word) && (after_word_ = true);
        switch (meaning.kind) {
            case tail_word::multiplier:
                if (!first_ || in_brackets_) return false;
                scan_.zeros = meaning.zeros;
                return after_word_ = true;
            case tail_word::minor_money:
                // "per cent".
                if (unit_due_) {
                    unit_due_ = false;
                    note_unit(scan_.words, unit_mark::per_cent, false);
                    return after_word_ = true;
                }
                note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
                return take_minor_word();
            case tail_word::money:
                money_ = true;
                note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
                unit_due_ = false;
                return after_word_ = true;
            case tail_word::unit: break;  // taken above
            case tail_word::preposition:
                if (unit_due_) return false;
                unit_due_ = true;
                after_word_ = false;
                return true;
            case tail_word::none: return false;
        }
        return false;
    }

    // «коп.» or "¢" right after a number of one or two digits: the number
    // counts kopecks.
    bool take_minor_word() {
        if (!first_ || !scan_.plain_digits || scan_.length - scan_.figures_start > 2) return false;
        scan_.number_is_kopecks = true;
        return after_word_ = true;
    }

    // One or two digits and the word of kopecks or cents, after a money word.
    bool take_kopecks(std::size_t& at) {
        const std::size_t count = digits_from(text_, at);
        if (!money_ || scan_.kopecks || unit_due_ || count > 2) return false;
        std::wstring kopecks(text_.substr(at, count));
        if (count == 1) kopecks.insert(0, 1, L'0');
        std::size_t end = skip_blanks(text_, at + count);
        if (end < text_.size() && text_[end] == L'\u00A2') {
            note_money(scan_.words, currency_of_sign(text_[end]), false);
            ++end;
        } else {
            lowered_word word(text_, end);
            const tail_word_meaning meaning = tail_word_of(word.view());
            if (meaning.kind != tail_word::minor_money) return false;
            note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
            end = word.end();
        }
        scan_.kopecks = std::move(kopecks);
        at = end;
        return after_word_ = true;
    }

    std::wstring_view text_;
    number_scan& scan_;
    bool money_;
    bool first_ = true;
    bool after_word_ = false;
    bool unit_due_ = false;  // after «в», "per" or "/"
    bool in_brackets_ = false;
    bool unit_word_due_ = false;  // after a case ending
    bool calendar_just_before_ = false;
    std::size_t end_ = 0;
};

}  // namespace

std::optional<std::size_t> lead_end(std::wstring_view text, std::size_t at, bool code_allowed,
                                    number_words& words) {
    bool code_seen = false;
    while (at < text.size()) {
        const wchar_t c = text[at];
        if (is_sign(c)) {
            if (is_money_sign(c)) note_money(words, currency_of_sign(c), false);
            ++at;
        } else if (code_allowed && !code_seen && is_alpha_char(c)) {
            if (const std::size_t us = us_dollar_end(text, at); us != std::wstring_view::npos) {
                note_money(words, currency_mark::us_dollar, false);
                code_seen = true;
                at = us;
                continue;
            }
            lowered_word word(text, at);
            if (!is_currency_code(word.view())) return std::nullopt;
            const tail_word_meaning code = tail_word_of(word.view());
            note_money(words, code.marks, code.read_with_unit_only);
            code_seen = true;
            at = word.end();
        } else {
            return at;
        }
    }
    return at;
}

std::size_t leading_words_end(std::wstring_view text, number_unit unit) {
    const std::size_t start = skip_blanks(text, 0);
    if (start == text.size() || !is_alpha_char(text[start])) return 0;
    std::size_t end = std::wstring_view::npos;
    if (unit == number_unit::day_of_month) {
        for (std::size_t at = start;
             (at = phrase_end(text, at, leading_words_of_a_day)) != std::wstring_view::npos;
             at = skip_blanks(text, at))
            end = at;
    } else if (counts_time(unit)) {
        end = phrase_end(text, start, leading_words_of_a_term);
        if (end == std::wstring_view::npos && counts_days(unit))
            end = phrase_end(text, start, leading_words_of_days);
    }
    return end == std::wstring_view::npos ? 0 : skip_blanks(text, end);
}

bool read_words_after(std::wstring_view text, std::size_t at, number_scan& scan) {
    return tail_reader(text, scan).read(at);
}

bool is_short_unit_tail(std::wstring_view text, std::size_t at) {
    at = skip_blanks(text, at);
    if (at == text.size()) return true;
    for (std::wstring_view unit : short_units) {
        std::size_t end = phrase_end(text, at, unit);
        if (end == std::wstring_view::npos) continue;
        if (end < text.size() && text[end] == L'.') ++end;
        if (skip_blanks(text, end) == text.size()) return true;
    }
    return false;
}

std::optional<single_number> day_with_ending(std::wstring_view text, std::size_t start) {
    start = skip_blanks(text, start);
    const std::size_t count = digits_from(text, start);
    if (count == 0 || count > 2) return std::nullopt;
    const std::size_t figures_end = start + count;
    std::size_t at = figures_end;
    if (at < text.size() && is_dash(text[at])) ++at;
    bool ending = false;
    const lowered_word suffix(text, at);
    if (in_list(suffix.view(), day_endings)) {
        ending = true;
        at = suffix.end();
    } else if (at != figures_end) {
        return std::nullopt;  // a dash and no ending
    }
    at = skip_blanks(text, at);
    if (const std::size_t noun = phrase_end(text, at, day_nouns); noun != std::wstring_view::npos) {
        ending = true;
        at = noun;
    }
    if (!ending || skip_blanks(text, at) != text.size()) return std::nullopt;
    single_number number;
    number.start = start;
    number.length = figures_end;
    number.figures_start = start;
    number.digits = std::wstring(text.substr(start, count));
    return number;
}

}  // namespace engine::reading
