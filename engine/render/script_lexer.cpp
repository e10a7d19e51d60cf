#include "engine/render/script_lexer.h"

#include <array>
#include <optional>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

namespace type = script_token_type;

// The end of the text reads as NUL, so look-ahead never indexes past it.
constexpr wchar_t end_of_text = L'\0';

bool is_keyword_separator(wchar_t c) { return c == end_of_text || is_blank(c) || c == L'('; }
// Asked of every character of an expression, hence a switch.
bool is_operator_char(wchar_t c) {
    switch (c) {
        case L'=':
        case L'!':
        case L'<':
        case L'>':
        case L'+':
        case L'-':
        case L'/':
        case L'\\':
        case L'*':
        case L'^':
        case L'%':
        case L';': return true;
        default: return false;
    }
}

// Whether `text` starts with `upper` when put in capitals, without building
// the capitalised copy: keywords and markers are looked for at every word.
bool starts_with_upper(std::wstring_view text, std::wstring_view upper) {
    if (text.size() < upper.size()) return false;
    for (std::size_t i = 0; i < upper.size(); ++i)
        if (to_upper_char(text[i]) != upper[i]) return false;
    return true;
}

struct keyword_entry {
    std::wstring_view upper;
    std::wstring_view lower;
    std::uint32_t code;
};

constexpr std::array<keyword_entry, 12> keywords{{
    {L"ЕСЛИ", L"если", script_code::if_keyword},
    {L"ТО", L"то", script_code::then_keyword},
    {L"ИНАЧЕ", L"иначе", script_code::else_keyword},
    {L"НЕ", L"не", script_code::not_keyword},
    {L"И", L"и", script_code::and_keyword},
    {L"ИЛИ", L"или", script_code::or_keyword},
    {L"IF", L"если", script_code::if_keyword},
    {L"THEN", L"то", script_code::then_keyword},
    {L"ELSE", L"иначе", script_code::else_keyword},
    {L"NOT", L"не", script_code::not_keyword},
    {L"AND", L"и", script_code::and_keyword},
    {L"OR", L"или", script_code::or_keyword},
}};

const keyword_entry* find_keyword(std::wstring_view text) {
    if (text.empty()) return nullptr;
    const wchar_t first = to_upper_char(text[0]);
    for (const keyword_entry& entry : keywords) {
        if (entry.upper[0] != first || !starts_with_upper(text, entry.upper)) continue;
        wchar_t after = entry.upper.size() < text.size() ? text[entry.upper.size()] : end_of_text;
        if (is_keyword_separator(after)) return &entry;
    }
    return nullptr;
}

struct opening_marker {
    std::wstring_view word;
    std::uint32_t code;
};

constexpr std::array<opening_marker, 12> opening_markers{{
    {L"Ж:", script_code::bold_on},
    {L"B:", script_code::bold_on},
    {L"К:", script_code::italic_on},
    {L"I:", script_code::italic_on},
    {L"Ч:", script_code::underline_on},
    {L"U:", script_code::underline_on},
    {L"ТАБЛИЦА:", script_code::table_start},
    {L"TABLE:", script_code::table_start},
    {L"СТРОКА:", script_code::table_row},
    {L"ROW:", script_code::table_row},
    {L"ЯЧЕЙКА:", script_code::table_cell},
    {L"CELL:", script_code::table_cell},
}};

constexpr std::array<opening_marker, 8> closing_markers{{
    {L":Ж", script_code::bold_off},
    {L":B", script_code::bold_off},
    {L":К", script_code::italic_off},
    {L":I", script_code::italic_off},
    {L":Ч", script_code::underline_off},
    {L":U", script_code::underline_off},
    {L":ТАБЛИЦА", script_code::table_end},
    {L":TABLE", script_code::table_end},
}};

// The code of the opening marker that `text` starts with, after the first
// blank when it holds one (one word, a table colour, may stand before it).
std::uint32_t match_format_marker(std::wstring_view text) {
    std::size_t blank = 0;
    while (blank < text.size() && !is_blank(text[blank])) ++blank;
    if (blank < text.size()) text.remove_prefix(blank + 1);
    for (const opening_marker& marker : opening_markers)
        if (starts_with_upper(text, marker.word)) return marker.code;
    return 0;
}

struct sequence {
    std::wstring text;
    std::uint32_t code = 0;
    std::size_t end = 0;  // the first position after what the sequence consumed
};

struct block {
    std::wstring text;
    std::size_t end = 0;
};

enum class state { text, quoted, number, expression, operator_run, done };

class lexer {
public:
    explicit lexer(std::wstring_view source) : source_(source) {}

    std::vector<script_token> run() {
        state current = state::text;
        while (position_ < source_.size() && current != state::done) {
            switch (current) {
                case state::text: current = lex_text(); break;
                case state::quoted: current = lex_quoted(); break;
                case state::number: current = lex_number(); break;
                case state::expression: current = lex_expression(); break;
                case state::operator_run: current = lex_operator(); break;
                case state::done: break;
            }
        }
        return std::move(tokens_);
    }

private:
    wchar_t at(std::size_t index) const {
        return index < source_.size() ? source_[index] : end_of_text;
    }

    void push(std::wstring text, std::uint32_t token_type, std::uint32_t code = 0) {
        tokens_.push_back({std::move(text), token_type, code});
    }
    void push(wchar_t c, std::uint32_t token_type) {
        tokens_.push_back({std::wstring(1, c), token_type, 0});
    }
    // Texts and words are collected in buffers that live as long as the
    // lexer: a token gets a copy of its exact length, where a string of its
    // own would have grown several times on the way.
    void push_collected(std::wstring& buffer, std::uint32_t token_type) {
        if (!buffer.empty()) push(std::wstring(buffer), token_type);
        buffer.clear();
    }

    // A pending text run: blanks collapse to one space and "'" becomes
    // "&apos;". Only an appended character ends a run of blanks.
    struct pending_text {
        explicit pending_text(std::wstring& buffer) : text(buffer) { text.clear(); }

        std::wstring& text;
        bool last_was_space = false;

        void add(wchar_t c) {
            if (is_blank(c)) {
                if (!last_was_space) text += L' ';
                last_was_space = true;
            } else {
                if (c == L'\'')
                    text += L"&apos;";
                else
                    text += c;
                last_was_space = false;
            }
        }
    };

    state after_close_brace() const {
        return open_braces_ == close_braces_ ? state::text : state::expression;
    }

    state lex_text() {
        pending_text pending(text_buffer_);
        while (position_ < source_.size()) {
            wchar_t c = source_[position_];
            if (c != L'{') {
                pending.add(c);
                ++position_;
                continue;
            }
            if (at(position_ + 1) == L'!') {
                std::optional<block> verbatim = balanced_block(position_);
                push_collected(pending.text, type::text);
                if (!verbatim) return unclosed_verbatim();
                push(std::move(verbatim->text), type::verbatim);
                position_ = verbatim->end;
                continue;
            }
            if (std::optional<sequence> found = brace_sequence(position_)) {
                push_collected(pending.text, type::text);
                push(std::move(found->text), type::marker, found->code);
                position_ = found->end;
                continue;
            }
            ++open_braces_;
            push_collected(pending.text, type::text);
            push(L'{', type::open_brace);
            ++position_;
            return state::expression;
        }
        push_collected(pending.text, type::text);
        return state::text;
    }

    state lex_quoted() {
        pending_text pending(text_buffer_);
        while (position_ < source_.size()) {
            wchar_t c = source_[position_];
            if (c == L'"') {
                ++quotes_;
                push_collected(pending.text, type::quoted);
                push(L'"', type::quote);
                ++position_;
                return state::expression;
            }
            if (c != L'{') {
                pending.add(c);
                ++position_;
                continue;
            }
            if (open_braces_ > close_braces_) {
                if (std::optional<block> nested = nested_condition(position_)) {
                    push_collected(pending.text, type::quoted);
                    push(std::move(nested->text), type::nested_condition);
                    position_ = nested->end;
                    pending.last_was_space = false;
                    continue;
                }
            }
            if (at(position_ + 1) == L'!') {
                std::optional<block> verbatim = balanced_block(position_);
                push_collected(pending.text, type::quoted);
                if (!verbatim) return unclosed_verbatim();
                push(std::move(verbatim->text), type::verbatim);
                position_ = verbatim->end;
                pending.last_was_space = false;
                continue;
            }
            if (std::optional<sequence> found = brace_sequence(position_)) {
                push_collected(pending.text, type::quoted);
                push(std::move(found->text), type::marker, found->code);
                position_ = found->end;
                continue;
            }
            ++open_braces_;
            push_collected(pending.text, type::quoted);
            push(L'{', type::open_brace);
            ++position_;
            return state::expression;
        }
        return state::text;  // an unclosed quote drops its pending text
    }

    state lex_number() {
        std::wstring number;
        while (position_ < source_.size()) {
            wchar_t c = source_[position_];
            if (is_digit(c) || c == L'.') {
                number += c;
            } else if (is_blank(c)) {
                // «1 000» is one number
            } else if (c == L',') {
                if (is_digit(at(position_ + 1)) || position_ + 1 == source_.size()) {
                    number += c;
                } else {
                    push(std::move(number), type::number);
                    push(L',', type::comma);
                    ++position_;
                    return state::expression;
                }
            } else if (c == L'"') {
                ++quotes_;
                push(std::move(number), type::number);
                push(L'"', type::quote);
                ++position_;
                return state::quoted;
            } else if (c == L'{') {
                ++open_braces_;
                push(std::move(number), type::number);
                push(L'{', type::open_brace);
                ++position_;
                return state::expression;
            } else if (c == L'}') {
                ++close_braces_;
                push(std::move(number), type::number);
                push(L'}', type::close_brace);
                ++position_;
                return after_close_brace();
            } else if (c == L'(' || c == L')') {
                push(std::move(number), type::number);
                push_paren(c);
                ++position_;
                return state::expression;
            } else {
                push(std::move(number), type::number);
                return state::expression;
            }
            ++position_;
        }
        return state::text;  // the number pending at the end is dropped
    }

    state lex_operator() {
        std::wstring op;
        while (position_ < source_.size()) {
            wchar_t c = source_[position_];
            if (is_operator_char(c)) {
                op += c;
            } else if (is_blank(c)) {
                // «< =» is one operator
            } else if (c == L'"') {
                ++quotes_;
                push(std::move(op), type::operator_run);
                push(L'"', type::quote);
                ++position_;
                return state::quoted;
            } else if (c == L'(' || c == L')') {
                push(std::move(op), type::operator_run);
                push_paren(c);
                ++position_;
                return state::expression;
            } else {
                push(std::move(op), type::operator_run);
                return is_digit(c) ? state::number : state::expression;
            }
            ++position_;
        }
        return state::text;  // the operator pending at the end is dropped
    }

    state lex_expression() {
        std::wstring& word = word_buffer_;
        word.clear();
        wchar_t prev = end_of_text;
        while (position_ < source_.size()) {
            wchar_t c = source_[position_];
            if (c == L'}') {
                ++close_braces_;
                split_keywords(word, type::word);
                push(L'}', type::close_brace);
                ++position_;
                if (open_braces_ == close_braces_) return state::text;
                return (quotes_ < 2 || quotes_ % 2 == 1) ? state::quoted : state::expression;
            }
            if (c == L'"') {
                ++quotes_;
                split_keywords(word, type::word);
                push(L'"', type::quote);
                ++position_;
                return state::quoted;
            }
            if (is_digit(c) && (prev == L' ' || prev == L',')) {
                split_keywords(word, type::word);
                return state::number;
            }
            if (is_operator_char(c)) {
                split_keywords(word, type::word);
                return state::operator_run;
            }
            if (c == L'{') {
                if (!lex_inner_brace(word)) return state::done;
                prev = c;
                continue;
            }
            if (c == L':') {
                split_keywords(word, type::modifier);
            } else if (c == L'(' || c == L')') {
                split_keywords(word, type::word);
                push_paren(c);
            } else if (c == L',') {
                split_keywords(word, type::word);
                push(L',', type::comma);
            } else if (is_blank(c)) {
                // A line break or tab counts as a space, and only once after one.
                if (c == L' ' || prev != L' ') word += L' ';
                c = L' ';
            } else {
                word += c;
            }
            prev = c;
            ++position_;
        }
        return state::text;  // the word pending at the end is dropped
    }

    // A "{" inside braces: a nested condition, a verbatim block, a brace
    // sequence or a further open brace. False when lexing has ended.
    bool lex_inner_brace(std::wstring& word) {
        if (open_braces_ > close_braces_) {
            if (std::optional<block> nested = nested_condition(position_)) {
                split_keywords(word, type::word);
                push(std::move(nested->text), type::nested_condition);
                position_ = nested->end;
                return true;
            }
        }
        if (at(position_ + 1) == L'!') {
            std::optional<block> verbatim = balanced_block(position_);
            push_collected(word, type::word);
            if (!verbatim) {
                unclosed_verbatim();
                return false;
            }
            push(std::move(verbatim->text), type::verbatim);
            position_ = verbatim->end;
            return true;
        }
        if (std::optional<sequence> found = brace_sequence(position_)) {
            push_collected(word, type::word);
            push(std::move(found->text), type::marker, found->code);
            position_ = found->end;
            return true;
        }
        ++open_braces_;
        split_keywords(word, type::word);
        push(L'{', type::open_brace);
        ++position_;
        return true;
    }

    // A «{!» that never closes drops everything from it to the end.
    state unclosed_verbatim() {
        push(L'{', type::open_brace);
        position_ = source_.size();
        return state::done;
    }

    void push_paren(wchar_t c) { push(c, c == L'(' ? type::open_paren : type::close_paren); }

    // From the "{" at `start` to the "}" that balances it; none when the
    // source ends first.
    std::optional<block> balanced_block(std::size_t start) const {
        std::size_t depth = 0;
        for (std::size_t i = start; i < source_.size(); ++i) {
            if (source_[i] == L'{') ++depth;
            if (source_[i] == L'}' && --depth == 0)
                return block{std::wstring(source_.substr(start, i + 1 - start)), i + 1};
        }
        return std::nullopt;
    }

    // An inner block that starts with ЕСЛИ/IF, taken whole up to its balancing
    // "}" or the end of the source.
    std::optional<block> nested_condition(std::size_t start) const {
        std::size_t i = start + 1;
        while (i < source_.size() && (is_blank(source_[i]) || source_[i] == L'(')) ++i;
        const keyword_entry* keyword = find_keyword(source_.substr(std::min(i, source_.size())));
        if (!keyword || keyword->code != script_code::if_keyword) return std::nullopt;
        if (std::optional<block> whole = balanced_block(start)) return whole;
        return block{std::wstring(source_.substr(start)), source_.size()};
    }

    std::optional<sequence> brace_sequence(std::size_t start) const {
        wchar_t first = at(start + 1);
        if (first == L'}') return sequence{L"&nbsp;", script_code::non_breaking_space, start + 2};
        if (at(start + 2) == L'}') {
            if (first == L'/' || first == L'\\')
                return sequence{L"<br />", script_code::line_break, start + 3};
            if (first == L'.')
                return sequence{L"<br />&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;", script_code::indented_line,
                                start + 3};
            if (first == L'|') return sequence{L"&thinsp;", script_code::thin_space, start + 3};
        }
        // Every block is looked through up to its end here, so only the
        // characters that decide are tested on the way.
        for (std::size_t i = start + 1; i < source_.size(); ++i) {
            switch (source_[i]) {
                case L':':
                    if (trimmed(source_.substr(start + 1, i - start - 1)).empty())
                        return closing_marker(i);
                    return opening_marker_with_parameters(start, i);
                case L'{':
                case L'}':
                case L'/':
                case L'\\':
                case L'.':
                case L'|': return std::nullopt;
                default: break;
            }
        }
        return std::nullopt;
    }

    // «{:Ж}»: the word from the ":" up to a keyword separator or "}", which is
    // consumed with it.
    std::optional<sequence> closing_marker(std::size_t colon) const {
        std::size_t end = colon;
        while (end < source_.size() && !is_keyword_separator(source_[end]) && source_[end] != L'}')
            ++end;
        std::wstring_view word = source_.substr(colon, end - colon);
        for (const opening_marker& marker : closing_markers)
            if (word.size() == marker.word.size() && starts_with_upper(word, marker.word))
                return sequence{L"", marker.code, std::min(end + 1, source_.size())};
        return std::nullopt;
    }

    // «{Ж:}», «{#EEEEEE ТАБЛИЦА:100%,4}»: the marker word and its parameters,
    // which end at "}", at "/", "\", "." or "|" (kept), at "{" (dropped) or at
    // a ":" that no longer follows a marker word (dropped).
    std::optional<sequence> opening_marker_with_parameters(std::size_t start,
                                                           std::size_t colon) const {
        std::uint32_t code = match_format_marker(source_.substr(start + 1, colon - start));
        if (code == 0) return std::nullopt;
        std::wstring text(source_.substr(start, colon + 1 - start));
        std::size_t i = colon + 1;
        for (; i < source_.size(); ++i) {
            wchar_t c = source_[i];
            if (is_blank(c)) continue;
            if (c == L':') {
                if (match_format_marker(source_.substr(start + 1, i - start)) == 0)
                    return sequence{text, code, i + 1};
                text = source_.substr(start, i + 1 - start);
                continue;
            }
            if (c == L'{') return sequence{text, code, i + 1};
            text += c;
            if (c == L'}' || c == L'/' || c == L'\\' || c == L'.' || c == L'|')
                return sequence{text, code, i + 1};
        }
        return sequence{text, code, i};
    }

    // Pushes a collected word split at keywords. The last part becomes
    // `last_type`: the modifier words before a ":" or a plain word. Parts
    // before a keyword are trimmed only for modifiers.
    void split_keywords(std::wstring& collected_word, std::uint32_t last_type) {
        const std::wstring_view word = trimmed(collected_word);
        std::wstring& part = part_buffer_;
        part.clear();
        wchar_t prev = end_of_text;
        std::size_t i = 0;
        while (i < word.size()) {
            wchar_t c = word[i];
            if (!is_keyword_separator(prev)) {
                // Inside a word: copy up to and with the next separator at once.
                std::size_t end = i;
                while (end < word.size() && !is_keyword_separator(word[end])) ++end;
                if (end < word.size()) ++end;
                part.append(word.substr(i, end - i));
                prev = word[end - 1];
                i = end;
                continue;
            }
            if (c == prev) {  // a doubled separator
                ++i;
                continue;
            }
            const keyword_entry* keyword = find_keyword(word.substr(i));
            if (!keyword) {
                part += c;
                prev = c;
                ++i;
                continue;
            }
            if (last_type == type::modifier) trim_blanks(part);
            push_collected(part, type::word);
            push(std::wstring(keyword->lower), type::keyword, keyword->code);
            // The keyword and the separator after it, never past the end.
            i = std::min(word.size(), i + keyword->upper.size() + 1);
        }
        if (last_type == type::modifier) trim_blanks(part);
        push_collected(part, last_type);
        collected_word.clear();
    }

    std::wstring_view source_;
    std::size_t position_ = 0;
    std::uint32_t open_braces_ = 0;
    std::uint32_t close_braces_ = 0;
    std::uint32_t quotes_ = 0;
    std::vector<script_token> tokens_;
    std::wstring text_buffer_;
    std::wstring word_buffer_;
    std::wstring part_buffer_;
};

}  // namespace

std::vector<script_token> lex_script(std::wstring_view source) { return lexer(source).run(); }

std::uint32_t match_keyword(std::wstring_view text, std::size_t* length) {
    const keyword_entry* keyword = find_keyword(text);
    if (length) *length = keyword ? keyword->upper.size() : 0;
    return keyword ? keyword->code : 0;
}

}  // namespace engine
