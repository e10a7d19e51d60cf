#include "engine/declension/phrase.h"

#include <string_view>

#include "engine/declension/abbreviated_words.h"
#include "engine/declension/compound_titles.h"
#include "engine/declension/counted_nouns.h"
#include "engine/declension/counts_in_phrases.h"
#include "engine/declension/decline_word.h"
#include "engine/declension/governing_participles.h"
#include "engine/declension/name_words.h"
#include "engine/declension/number_words.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/phrase_words.h"
#include "engine/declension/words_after_noun.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

using namespace phrase_kind;

constexpr std::size_t longest_number = 21;

bool is_cyrillic_capital(wchar_t c) { return (c >= L'А' && c <= L'Я') || c == L'Ё'; }

bool is_letter(wchar_t c) {
    return is_cyrillic_capital(c) || (c >= L'а' && c <= L'я') || c == L'ё' || c == L'\'' ||
           is_alpha_char(c);
}

bool is_ascii_alnum(wchar_t c) {
    return is_digit(c) || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Length of the entity reference ("&amp;", "&#39;") starting at `at`, or 0.
std::size_t entity_length(const std::wstring& text, std::size_t at) {
    constexpr std::size_t longest_entity = 12;
    for (std::size_t j = at + 1; j < text.size() && j - at < longest_entity; ++j) {
        if (text[j] == L';') return j - at >= 2 ? j - at + 1 : 0;
        if (!is_ascii_alnum(text[j]) && text[j] != L'#') return 0;
    }
    return 0;
}

std::wstring overflow_marker_text(std::size_t extra_digits) {
    return L"<font color=red>[" + std::wstring(extra_digits, L'?') + L"]</font>";
}

bool is_number_kind(int kind) {
    return kind == whole_number || kind == decimal_integer || kind == decimal_fraction ||
           kind == rubles || kind == kopecks;
}

bool is_amount_kind(int kind) { return kind == rubles || kind == kopecks; }

bool is_opening_quote(const std::wstring& typed) { return typed == L"\"" || typed == L"«"; }

// decline_word, for a word with ё that the word lists (which spell ё as е)
// know only with е: the ё comes back where the form keeps the typed stem
// (Семёновича, берёзы).
std::wstring decline_with_yo(const std::wstring& word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    const std::uint32_t given_animacy = *animate;
    std::wstring form = decline_word(word, c, gender, animate);
    if (*gender != 0 || word.find(L'ё') == std::wstring::npos) return form;
    std::wstring spelled = word;
    for (wchar_t& letter : spelled)
        if (letter == L'ё') letter = L'е';
    std::uint32_t spelled_gender = 0, spelled_animacy = given_animacy;
    std::wstring spelled_form = decline_word(spelled, c, &spelled_gender, &spelled_animacy);
    if (spelled_gender == 0) return form;
    *gender = spelled_gender;
    *animate = spelled_animacy;
    for (std::size_t j = 0; j < word.size() && j < spelled_form.size(); ++j) {
        if (spelled_form[j] != spelled[j]) break;
        if (word[j] == L'ё') spelled_form[j] = L'ё';
    }
    return spelled_form;
}

// полтора, полторы and полтораста count the noun after them, like a number.
bool is_one_and_a_half(std::wstring_view word) {
    return word == L"полтора" || word == L"полторы" || word == L"полтораста";
}

// counted: the noun after полтора or a count of two and more, declined as
// after a number; counted_adjective: a plural adjective before that noun;
// one: один, одна or одно before the noun it counts; spelled: the digits'
// number in words in brackets after them, in the form mark_count gives.
enum class word_action { copy, decline, name, counted, counted_adjective, one, spelled };

struct word_plan {
    word_action action = word_action::copy;
    bool stops = false;
    std::uint32_t code = 0;
    bool animate = false;  // a participle heading a job title names a person
    // A number word keeps its typed form in the accusative, as its noun does.
    bool number = false;
};

word_plan plan_word(const phrase_tokens& tokens, const count_mark& count, std::size_t i) {
    const std::wstring& word = tokens.texts[i];
    const std::size_t next = neighbour_word(tokens, i, 1), before = neighbour_word(tokens, i, -1);
    const std::wstring_view next_word =
        next == no_word ? std::wstring_view() : std::wstring_view(tokens.texts[next]);
    // A participle that governs the rest heads the title; an adverb in -о
    // before it (временно) stays as typed.
    if (is_governing_participle(word)) {
        const bool heads = participle_heads_title(word, next_word);
        return {word_action::decline, heads, 0, heads};
    }
    if (word.size() >= 4 && word.back() == L'о' && is_governing_participle(next_word))
        return {word_action::copy, false, 0};
    if (is_one_and_a_half(word)) return {word_action::decline, false, 0};
    if (before != no_word && is_one_and_a_half(tokens.texts[before]))
        return {word_action::counted, is_head_noun(word), 0};
    // Counts go on to the words they count; a number word that counts no
    // word is the head.
    switch (count.role) {
        case count_role::number_word:
            if (is_one_word(word)) return {word_action::one, false, 0};
            return {word_action::decline, false, 0, false, true};
        case count_role::plural:
            return {count.noun ? word_action::counted : word_action::counted_adjective, count.noun,
                    0};
        case count_role::as_typed: return {word_action::copy, count.noun, 0};
        case count_role::spelled: return {word_action::spelled, false, 0};
        default: break;
    }
    int letter_class = tokens.classes[i];
    int code = letter_class == word_class::capitalised ? classify_name_word(word) : 0;
    bool name_path = code > 0 && !(word.ends_with(L"ие") && is_head_noun(word));
    bool hyphen_joined = i + 2 < tokens.size() && tokens.kinds[i + 1] == dash &&
                         tokens.kinds[i + 2] == phrase_kind::word;
    // The part after the hyphen decides whether declining stops.
    if (hyphen_joined && !name_path) {
        bool declines = declines_before_hyphen(word, tokens.texts[i + 2]);
        return {declines ? word_action::decline : word_action::copy, false, 0};
    }
    if (word == L"и" || word == L"или") return {word_action::copy, false, 0};
    if (is_preposition_piece(word)) return {word_action::copy, true, 0};
    // A word cut off by a point stays as typed; what follows declines as
    // after the full word (ген. директора, зам. начальника отдела).
    std::size_t after_point = no_word;
    if (is_cut_off_word(tokens, i, after_point))
        return {word_action::copy,
                cut_off_word_heads_title(word, after_point == no_word
                                                   ? std::wstring_view()
                                                   : std::wstring_view(tokens.texts[after_point])),
                0};
    if (name_path) return {word_action::name, false, static_cast<std::uint32_t>(code)};
    return {word_action::decline, is_head_noun(word), 0};
}

// Tokens of amounts in dollars: they stay as typed, since spelling them out
// would name rubles.
std::vector<bool> dollar_amounts(const phrase_tokens& tokens) {
    std::vector<bool> marked(tokens.size(), false);
    auto in_amount = [&](std::size_t j) {
        int kind = tokens.kinds[j];
        return is_amount_kind(kind) ||
               (kind == separator && (tokens.typed[j] == L"." || tokens.typed[j] == L","));
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens.kinds[i] != sign || tokens.typed[i] != L"$") continue;
        marked[i] = true;
        for (std::size_t j = i + 1; j < tokens.size() && in_amount(j); ++j) marked[j] = true;
        for (std::size_t j = i; j > 0 && in_amount(j - 1); --j) marked[j - 1] = true;
    }
    return marked;
}

// Typed digits stay digits (5 дням, цеха № 5, 5 км); only a phrase that is
// one number alone (2,5 or 12.50?, with no word or other number beside it)
// is spelled out.
bool is_one_number(const phrase_tokens& tokens) {
    int numbers = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int kind = tokens.kinds[i];
        if (kind == whole_number || kind == decimal_integer || kind == rubles) {
            ++numbers;
        } else if (kind != decimal_fraction && kind != kopecks && kind != sign &&
                   !(kind == separator && (tokens.typed[i] == L"." || tokens.typed[i] == L","))) {
            return false;
        }
    }
    return numbers == 1;
}

bool next_to_amount(const phrase_tokens& tokens, std::size_t i) {
    return (i > 0 && is_amount_kind(tokens.kinds[i - 1])) ||
           (i + 1 < tokens.size() && is_amount_kind(tokens.kinds[i + 1]));
}

}  // namespace

void phrase_tokens::push(std::wstring text, int kind, int letter_class, std::wstring as_typed) {
    texts.push_back(std::move(text));
    kinds.push_back(kind);
    classes.push_back(letter_class);
    typed.push_back(std::move(as_typed));
}

int fold_case_ru(std::wstring& word) {
    int letter_class = word_class::lower_or_mixed;
    std::size_t capitals = 0;
    for (std::size_t j = 0; j < word.size(); ++j) {
        if (!is_cyrillic_capital(word[j])) continue;
        ++capitals;
        if (j == 0) letter_class = word_class::capitalised;
    }
    if (word.size() >= 2 && capitals == word.size()) letter_class = word_class::capitals;
    for (wchar_t& c : word)
        c = c == L'Ё' ? L'ё' : is_cyrillic_capital(c) ? wchar_t(c + 0x20) : to_lower_char(c);
    return letter_class;
}

phrase_tokens tokenize_phrase(std::wstring text) {
    phrase_tokens tokens;
    std::wstring buffer;
    int state = 0;
    std::size_t extra_digits = 0;
    // The marker is written once its digits have ended: rewriting it at
    // every digit would cost the square of a long run.
    auto flush = [&] {
        if (state == overflow_marker)
            tokens.texts.back() = tokens.typed.back() = overflow_marker_text(extra_digits);
        if (state == phrase_kind::word && !buffer.empty()) {
            std::wstring typed = buffer;
            int letter_class = fold_case_ru(buffer);
            tokens.push(std::move(buffer), phrase_kind::word, letter_class, std::move(typed));
        } else if (state == whole_number && !buffer.empty()) {
            tokens.push(buffer, whole_number, 0, buffer);
        }
        buffer.clear();
    };
    auto push_mark = [&](std::wstring mark, int kind, std::wstring typed) {
        flush();
        tokens.push(std::move(mark), kind, 0, std::move(typed));
        state = kind;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (is_letter(c)) {
            if (state != phrase_kind::word) flush();
            buffer += c;
            state = phrase_kind::word;
        } else if (is_digit(c)) {
            if (state == overflow_marker) {
                ++extra_digits;
                continue;
            }
            if (state != whole_number) flush();
            if (buffer.size() < longest_number) {
                buffer += c;
                state = whole_number;
                continue;
            }
            flush();
            extra_digits = 1;
            push_mark({}, overflow_marker, {});
        } else if (c == L'&' && entity_length(text, i) > 0) {
            std::size_t length = entity_length(text, i);
            push_mark(text.substr(i, length), literal, text.substr(i, length));
            i += length - 1;
        } else if (c == L'-') {
            push_mark(L"-", dash, L"-");
        } else if (c == L'"' || c == L'«' || c == L'»') {
            push_mark(std::wstring(1, c), quote, std::wstring(1, c));
        } else if (c == L'\n') {
            push_mark(L"<br />", line_break, L"<br />");
        } else if (c == L' ' || c == L'/') {
            push_mark(std::wstring(1, c), separator, std::wstring(1, c));
        } else if (c == L',' || c == L'.') {
            push_mark(std::wstring(1, c), point, std::wstring(1, c));
        } else if (c == L'?' || c == L'$') {
            push_mark(L" ", sign, std::wstring(1, c));
        } else {
            push_mark(std::wstring(1, c), literal, std::wstring(1, c));
        }
    }
    flush();
    return tokens;
}

void merge_number_tokens(phrase_tokens& tokens) {
    auto kind_at = [&](std::size_t j) { return j < tokens.size() ? tokens.kinds[j] : 0; };
    auto make_joint = [&](std::size_t j) {
        tokens.texts[j] = L" ";
        tokens.kinds[j] = separator;
    };
    std::size_t i = 0;
    while (i + 1 < tokens.size()) {
        int k0 = kind_at(i), k1 = kind_at(i + 1), k2 = kind_at(i + 2);
        if (k0 == whole_number && k1 == point && k2 == whole_number) {
            tokens.kinds[i] = decimal_integer;
            make_joint(i + 1);
            tokens.kinds[i + 2] = decimal_fraction;
            if (kind_at(i + 3) == sign) {
                tokens.kinds[i] = rubles;
                tokens.kinds[i + 2] = kopecks;
                i += 4;
            } else {
                i += 3;
            }
        } else if (k0 == whole_number && k1 == sign) {
            tokens.kinds[i] = rubles;
            i += 1;
        } else if (k0 == sign && k1 == whole_number) {
            tokens.kinds[i + 1] = rubles;
            if (k2 == point && kind_at(i + 3) == whole_number) {
                make_joint(i + 2);
                tokens.kinds[i + 3] = kopecks;
                i += 4;
            } else {
                i += 2;
            }
        } else {
            i += 1;
        }
    }
}

std::wstring restore_letter_case(const std::wstring& typed, std::wstring form) {
    if (typed.empty()) return form;
    std::wstring out;
    out.reserve(form.size());
    append_in_letter_case(out, typed, form);
    return out;
}

void append_in_letter_case(std::wstring& out, std::wstring_view typed, std::wstring_view form) {
    // The word lists spell ё as е: a form that differs only there is the
    // typed word unchanged, and comes back with its ё.
    bool unchanged = form.size() == typed.size();
    for (std::size_t j = 0; unchanged && j < form.size(); ++j) {
        wchar_t letter = to_lower_char(typed[j]);
        unchanged = letter == form[j] || (letter == L'ё' && form[j] == L'е');
    }
    if (unchanged || typed.empty()) {
        out += unchanged ? typed : form;
        return;
    }
    const std::size_t start = out.size();
    out += form;
    const bool last_upper = is_upper_char(typed.back());
    for (std::size_t j = 0; j < form.size(); ++j) {
        wchar_t& c = out[start + j];
        if (j < typed.size() ? is_upper_char(typed[j]) : last_upper) c = to_upper_char(c);
    }
}

std::wstring decline_phrase(std::wstring text, int grammatical_case) {
    trim_blanks(text);
    if (text.empty() || text[0] == L'[' || text[0] == L'"' || text[0] == L'«') return text;
    int c = grammatical_case < 1 ? 1 : grammatical_case;
    phrase_tokens tokens = tokenize_phrase(std::move(text));
    merge_number_tokens(tokens);
    std::size_t n = tokens.size();

    // Decide every word first: the words before the head noun take its
    // animacy, so an adjective gets the right accusative. Counts are read as
    // declining reaches them; most phrases have none.
    std::vector<count_mark> counts;
    const count_mark no_count;
    std::size_t counted_to = 0;
    std::vector<word_plan> plans(n);
    std::vector<bool> active(n, false);
    std::size_t head = n;
    bool declining = true;
    for (std::size_t i = 0; i < n && declining; ++i) {
        active[i] = true;
        if (i >= counted_to && starts_count(tokens, i)) {
            if (counts.empty()) counts.resize(n);
            counted_to = mark_count(tokens, i, c, counts) + 1;
        }
        if (tokens.kinds[i] == quote && is_opening_quote(tokens.typed[i])) {
            declining = false;
        } else if (tokens.kinds[i] == phrase_kind::word) {
            plans[i] = plan_word(tokens, counts.empty() ? no_count : counts[i], i);
            if (!plans[i].stops) continue;
            declining = false;
            if (plans[i].action != word_action::copy) head = i;
        }
    }
    bool words_before_head = false;
    for (std::size_t i = 0; i < head && i < n; ++i)
        words_before_head =
            words_before_head ||
            (tokens.kinds[i] == phrase_kind::word && active[i] &&
             (plans[i].action == word_action::decline || plans[i].action == word_action::one));
    // Adjectives and participles typed after the head noun decline with it
    // (шубу норковую, квартиру, расположенную по адресу).
    std::size_t last_agreeing = head;
    if (head < n && plans[head].action == word_action::decline) {
        last_agreeing = last_word_agreeing_after(tokens, head);
        for (std::size_t i = head + 1; i <= last_agreeing; ++i) {
            active[i] = true;
            if (tokens.kinds[i] == phrase_kind::word) plans[i] = {word_action::decline, false, 0};
        }
    }
    std::uint32_t head_animacy = head < n && plans[head].animate ? 1 : 0;
    if (head < n && (words_before_head || last_agreeing > head) && !head_animacy) {
        std::uint32_t gender = 0;
        decline_with_yo(tokens.texts[head], 0, &gender, &head_animacy);
    }

    const std::vector<bool> as_typed = dollar_amounts(tokens);
    const bool one_number = is_one_number(tokens);
    std::wstring out;
    for (std::size_t i = 0; i < n; ++i) {
        int kind = tokens.kinds[i];
        const std::wstring& typed = tokens.typed[i];
        bool spelled = one_number && active[i] && !as_typed[i];
        if (kind == phrase_kind::word && active[i] && plans[i].action != word_action::copy) {
            std::wstring form = tokens.texts[i];
            if (plans[i].action == word_action::name) {
                decline_person_name(form, static_cast<std::uint32_t>(c), plans[i].code);
            } else if (plans[i].action == word_action::counted) {
                // Typed in the form the nominative asks for, which the
                // accusative shares.
                if (c != 1 && c != 4) form = counted_noun_in_oblique_case(form, c);
            } else if (plans[i].action == word_action::counted_adjective) {
                form = counted_adjective_in_oblique_case(form, c);
            } else if (plans[i].action == word_action::spelled) {
                form = counts[i].form;
            } else if (plans[i].action == word_action::one) {
                form = one_word_in_case(form, c, i < head && head_animacy != 0);
            } else {
                std::uint32_t gender = 0, animate = plans[i].animate ? 1 : 0;
                if (i != head && !plans[i].number) animate = head_animacy;
                form = decline_with_yo(form, c, &gender, &animate);
            }
            out += restore_letter_case(typed, std::move(form));
        } else if (is_number_kind(kind) && spelled) {
            out += number_words_in_case(tokens.texts[i], c, kind);
        } else if (kind == separator && spelled && (typed == L"." || typed == L",")) {
            out += L' ';
        } else if (kind == sign && spelled && typed == L"?" && next_to_amount(tokens, i)) {
            out += L' ';
        } else {
            out += typed;
        }
    }
    return out;
}

}  // namespace engine
