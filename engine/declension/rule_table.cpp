#include "engine/declension/rule_table.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <optional>

#include "engine/text/plain_text.h"
#include "engine/text/utf16.h"

namespace engine {
namespace {

constexpr letter_mask all_classes = any_present_letter | no_letter_bit;

std::uint32_t bucket_key(int last, int second, int third) {
    return std::uint32_t((last * letter_classes + second) * letter_classes + third);
}

bool is_ascii_letter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

bool starts_with(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Splits at commas outside brackets and parentheses. A piece that is a single
// letter continues a "not after д, п, р" list, so it joins the piece before.
std::vector<std::wstring> split_entries(std::wstring_view text) {
    std::vector<std::wstring> pieces;
    std::wstring piece;
    int depth = 0;
    auto flush = [&] {
        std::wstring_view t = trimmed(piece);
        if (t.size() == 1 && !pieces.empty()) {
            pieces.back() += L", ";
            pieces.back() += t;
        } else {
            pieces.emplace_back(t);
        }
        piece.clear();
    };
    for (wchar_t c : text) {
        if (c == L'[' || c == L'(') ++depth;
        if (c == L']' || c == L')') --depth;
        if (c == L',' && depth == 0) {
            flush();
            continue;
        }
        piece += c;
    }
    flush();
    return pieces;
}

// Letters of a set written as "[дп]", "дп", "д, п" or "д or п".
std::optional<letter_mask> parse_letter_set(std::wstring_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && text.front() == L'[' && text.back() == L']')
        text = text.substr(1, text.size() - 2);
    letter_mask mask = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (is_blank(c) || c == L',') continue;
        if (starts_with(text.substr(i), L"or ")) {
            i += 2;
            continue;
        }
        mask |= letter_bit(c);
    }
    if (mask == 0) return std::nullopt;
    return mask;
}

// Lengths are written in digits or, as some dictionaries do, in words.
std::optional<std::size_t> parse_number_word(std::wstring_view text, std::size_t& at) {
    static constexpr std::wstring_view words[] = {L"two", L"three",  L"four",  L"five",
                                                  L"six", L"seven",  L"eight", L"nine",
                                                  L"ten", L"eleven", L"twelve"};
    for (std::size_t i = 0; i < std::size(words); ++i) {
        std::wstring_view rest = text.substr(at);
        if (starts_with(rest, words[i]) &&
            (rest.size() == words[i].size() || !is_ascii_letter(rest[words[i].size()]))) {
            at += words[i].size();
            return i + 2;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> parse_number(std::wstring_view text, std::size_t& at) {
    std::size_t value = 0, digits = 0;
    while (at < text.size() && text[at] >= L'0' && text[at] <= L'9') {
        value = value * 10 + std::size_t(text[at] - L'0');
        ++at;
        ++digits;
    }
    if (digits == 0 || value > 1000) return std::nullopt;
    return value;
}

std::wstring unquoted(std::wstring_view text) {
    text = trimmed(text);
    auto quote = [](wchar_t c) {
        return c == L'"' || c == L'«' || c == L'»' || c == L'“' || c == L'”';
    };
    while (!text.empty() && quote(text.front())) text.remove_prefix(1);
    while (!text.empty() && quote(text.back())) text.remove_suffix(1);
    return std::wstring(text);
}

// "6 letters", "6+ letters", "6 letters or more", "6 or more letters",
// "at most 6 letters", "5 or 6 letters".
bool parse_length(std::wstring_view text, rule_entry& entry) {
    bool at_most = text.find(L"at most ") != std::wstring_view::npos;
    bool or_more = text.find(L"+") != std::wstring_view::npos ||
                   text.find(L"or more") != std::wstring_view::npos;
    std::vector<std::size_t> numbers;
    std::wstring_view rest = text;
    for (std::size_t at = 0; at < rest.size();) {
        if (rest[at] >= L'0' && rest[at] <= L'9') {
            auto n = parse_number(rest, at);
            if (!n) return false;
            numbers.push_back(*n);
        } else if (auto n = (at == 0 || rest[at - 1] == L' ') ? parse_number_word(rest, at)
                                                              : std::nullopt) {
            numbers.push_back(*n);
        } else {
            ++at;
        }
    }
    if (numbers.empty() || text.find(L"letter") == std::wstring_view::npos) return false;
    if (at_most || or_more) {
        if (numbers.size() != 1) return false;
        if (at_most)
            entry.max_length = std::min(entry.max_length, numbers[0]);
        else
            entry.min_length = std::max(entry.min_length, numbers[0]);
        return true;
    }
    if (numbers.size() == 1) {
        entry.min_length = std::max(entry.min_length, numbers[0]);
        entry.max_length = std::min(entry.max_length, numbers[0]);
        return true;
    }
    for (std::size_t n : numbers) {
        if (n >= 64) return false;
        entry.length_set |= std::uint64_t(1) << n;
    }
    return true;
}

// One condition from inside parentheses. Sets `whole` for "(whole word)".
bool parse_condition(std::wstring_view text, rule_entry& entry, bool& whole) {
    text = trimmed(text);
    if (text == L"whole word") {
        whole = true;
        return true;
    }
    if (text == L"any other length" || text == L"word beginning with any other letter") return true;
    entry.conditional = true;
    if (text == L"after a hyphen" || text == L"after hyphen") {
        entry.after_hyphen = true;
        return true;
    }
    for (std::wstring_view negative : {L"first letter not ", L"word does not begin with "}) {
        if (starts_with(text, negative)) {
            auto set = parse_letter_set(text.substr(negative.size()));
            if (!set) return false;
            entry.first_letters = all_classes & ~*set;
            return true;
        }
    }
    for (std::wstring_view positive :
         {L"first letter ", L"word begins with ", L"word beginning with "}) {
        if (starts_with(text, positive)) {
            auto set = parse_letter_set(text.substr(positive.size()));
            if (!set) return false;
            entry.first_letters = *set;
            return true;
        }
    }
    if (starts_with(text, L"longer than ")) {
        std::wstring word = unquoted(text.substr(12));
        entry.min_length = std::max(entry.min_length, word.size() + 1);
        return !word.empty();
    }
    if (starts_with(text, L"does not contain ")) {
        entry.lacks.push_back(unquoted(text.substr(17)));
        return !entry.lacks.back().empty();
    }
    if (starts_with(text, L"contains ")) {
        entry.contains.push_back(unquoted(text.substr(9)));
        return !entry.contains.back().empty();
    }
    return parse_length(text, entry);
}

// Reads one entry; on failure returns a reason.
std::optional<std::string> parse_entry(std::wstring_view text, rule_entry& entry) {
    std::wstring_view rest = trimmed(text);
    bool whole = true;
    if (starts_with(rest, L"-")) {
        whole = false;
        rest.remove_prefix(1);
    } else if (starts_with(rest, L"=")) {
        rest.remove_prefix(1);
    } else if (starts_with(rest, L"word ")) {
        rest.remove_prefix(5);
    } else if (starts_with(rest, L"the whole word ")) {
        rest.remove_prefix(15);
    }

    // The ending, written first letter first; stored final letter first.
    std::vector<letter_mask> written;
    while (!rest.empty() && !is_blank(rest.front()) && rest.front() != L'(') {
        wchar_t c = rest.front();
        if (c == L'[') {
            std::size_t close = rest.find(L']');
            if (close == std::wstring_view::npos) return "unclosed [";
            std::wstring_view inside = rest.substr(1, close - 1);
            bool negated = starts_with(inside, L"^");
            if (negated) inside.remove_prefix(1);
            letter_mask set = 0;
            for (wchar_t letter : inside) set |= letter_bit(letter);
            if (set == 0) return "empty []";
            written.push_back(negated ? all_classes & ~set : set);
            rest.remove_prefix(close + 1);
            continue;
        }
        if (c == L']' || c == L')' || c == L';' || c == L'^') return "stray punctuation";
        written.push_back(c == L'·' || c == L'?' ? any_present_letter : letter_bit(c));
        rest.remove_prefix(1);
    }
    if (written.empty()) return "no ending";
    entry.positions.assign(written.rbegin(), written.rend());

    while (!(rest = trimmed(rest)).empty()) {
        if (starts_with(rest, L"not after ")) {
            if (whole) return "not after on a whole word";
            rest.remove_prefix(10);
            std::size_t end = rest.find(L'(');
            auto set = parse_letter_set(rest.substr(0, end));
            if (!set) return "no letters after 'not after'";
            entry.positions.push_back(all_classes & ~*set);
            rest = end == std::wstring_view::npos ? std::wstring_view() : rest.substr(end);
            continue;
        }
        if (rest.front() != L'(') return "unexpected text after the ending";
        std::size_t close = rest.find(L')');
        if (close == std::wstring_view::npos) return "unclosed (";
        std::wstring_view inside = rest.substr(1, close - 1);
        for (std::size_t start = 0; start <= inside.size();) {
            std::size_t semicolon = std::min(inside.find(L';', start), inside.size());
            bool whole_here = false;
            if (!parse_condition(inside.substr(start, semicolon - start), entry, whole_here)) {
                return "unknown condition '" +
                       to_utf8(std::wstring(inside.substr(start, semicolon - start))) + "'";
            }
            whole = whole || whole_here;
            start = semicolon + 1;
        }
        rest.remove_prefix(close + 1);
    }
    if (whole) entry.positions.push_back(no_letter_bit);
    entry.rank = int(entry.positions.size()) * 2 + (entry.conditional ? 1 : 0);
    return std::nullopt;
}

}  // namespace

int letter_class(wchar_t letter) {
    if (letter >= L'а' && letter <= L'я') return int(letter - L'а');
    if (letter == L'ё') return 32;
    if (letter == L'-') return 33;
    if (letter == 0) return 35;
    return 34;
}

bool rule_entry::matches(std::wstring_view word) const {
    std::size_t n = word.size();
    if (n < min_length || n > max_length) return false;
    if (length_set != 0 && (n >= 64 || ((length_set >> n) & 1) == 0)) return false;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if ((positions[i] & letter_bit(letter_from_end(word, i + 1))) == 0) return false;
    }
    if (first_letters != 0 && (first_letters & letter_bit(engine::first_letter(word))) == 0)
        return false;
    if (after_hyphen && letter_from_end(word, positions.size() + 1) != L'-') return false;
    for (const std::wstring& part : contains) {
        if (word.find(part) == std::wstring_view::npos) return false;
    }
    for (const std::wstring& part : lacks) {
        if (word.find(part) != std::wstring_view::npos) return false;
    }
    return true;
}

rule_table::rule_table(std::span<const rule_row> rows) : rows_(rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (const std::wstring& text : split_entries(rows[r].entries)) {
            rule_entry entry;
            entry.text = text;
            entry.row = int(r);
            if (auto error = parse_entry(text, entry)) {
                // Left out and reported; every table's structural test reads errors().
                errors_.push_back("row " + std::to_string(r + 1) + ", entry '" + to_utf8(text) +
                                  "': " + *error);
                continue;
            }
            entries_.push_back(std::move(entry));
        }
    }

    // An entry lands in every bucket whose last three letter classes it accepts.
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const rule_entry& entry = entries_[e];
        auto at = [&](std::size_t i) {
            return i < entry.positions.size() ? entry.positions[i] : all_classes;
        };
        for (int a = 0; a < letter_classes; ++a) {
            if (((at(0) >> a) & 1) == 0) continue;
            for (int b = 0; b < letter_classes; ++b) {
                if (((at(1) >> b) & 1) == 0) continue;
                for (int c = 0; c < letter_classes; ++c) {
                    if ((at(2) >> c) & 1) buckets_[bucket_key(a, b, c)].push_back(int(e));
                }
            }
        }
    }
    for (auto& [key, list] : buckets_) {
        std::stable_sort(list.begin(), list.end(),
                         [&](int x, int y) { return entries_[x].rank > entries_[y].rank; });
    }
}

bool rule_table::same_outcome(int row_a, int row_b) const {
    const rule_row& a = rows_[row_a];
    const rule_row& b = rows_[row_b];
    return a.outcome == b.outcome && a.gender == b.gender && a.animacy == b.animacy;
}

int rule_table::find_entry(std::wstring_view word) const {
    auto found = buckets_.find(bucket_key(letter_class(letter_from_end(word, 1)),
                                          letter_class(letter_from_end(word, 2)),
                                          letter_class(letter_from_end(word, 3))));
    if (found == buckets_.end()) return -1;
    const std::vector<int>& list = found->second;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const rule_entry& entry = entries_[list[i]];
        if (!entry.matches(word)) continue;
#ifndef NDEBUG
        for (std::size_t j = i + 1; j < list.size() && entries_[list[j]].rank == entry.rank; ++j) {
            const rule_entry& other = entries_[list[j]];
            assert(!(other.matches(word) && !same_outcome(other.row, entry.row)) &&
                   "two dictionary entries of equal rank lead to different outcomes");
        }
#endif
        return list[i];
    }
    return -1;
}

const rule_row* rule_table::find(std::wstring_view word) const {
    int e = find_entry(word);
    return e < 0 ? nullptr : &rows_[entries_[e].row];
}

}  // namespace engine
