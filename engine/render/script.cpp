#include "engine/render/script.h"

#include "engine/document/document_data.h"
#include "engine/fields/condition_evaluator.h"
#include "engine/fields/field_evaluator.h"
#include "engine/fields/stop_after_value.h"
#include "engine/render/money_forms.h"
#include "engine/render/template_table.h"
#include "engine/text/html_escape.h"
#include "engine/text/markup_position.h"

namespace engine {

namespace {

namespace type = script_token_type;

// Counts a run into the context's nested runs for as long as it lasts.
class nesting_guard {
public:
    nesting_guard(nested_runs& runs, std::size_t source_size)
        : runs_(runs), refused_(!runs.enter(source_size)) {}
    ~nesting_guard() { runs_.leave(); }
    nesting_guard(const nesting_guard&) = delete;
    nesting_guard& operator=(const nesting_guard&) = delete;
    bool refused() const { return refused_; }

private:
    nested_runs& runs_;
    bool refused_;
};

std::wstring run_nested(std::wstring source, render_context& context) {
    return script(std::move(source), context).run();
}

std::uint32_t expr_kind_of(const script_token& token) {
    switch (token.type) {
        case type::word: return expr_kind::reference;
        case type::quoted: return expr_kind::quoted;
        case type::number: return expr_kind::number;
        case type::modifier: return expr_kind::format_words;
        case type::operator_run:
            return token.text == L"!" ? expr_kind::negation : expr_kind::operator_run;
        case type::nested_condition: return expr_kind::indirect;
        case type::open_paren: return expr_kind::open_paren;
        case type::close_paren: return expr_kind::close_paren;
        case type::keyword:
            if (token.code == script_code::not_keyword) return expr_kind::negation;
            if (token.code == script_code::and_keyword) return expr_kind::and_token;
            if (token.code == script_code::or_keyword) return expr_kind::or_token;
            return expr_kind::other;
        default: return expr_kind::other;  // a verbatim block renders nothing
    }
}

}  // namespace

script::script(std::wstring source, render_context& context)
    : source_(std::move(source)), context_(context) {
    if (!context_.run_script) context_.run_script = run_nested;
    if (!context_.find_money_fields) context_.find_money_fields = money_field_keys;
}

std::wstring script::run() {
    nested_runs& runs = context_.runs;
    nesting_guard guard(runs, source_.size());
    if (guard.refused()) return runs.stopping() ? budget_refusal() : source_text();
    parse();
    std::wstring output = execute();
    // The statements gave their tokens away: a further run parses again.
    statements_.clear();
    parsed_ = false;
    if (runs.stopping()) {
        runs.count_cut();
        return budget_refusal();
    }
    runs.count_work(output.size());
    return output;
}

// The run that opened the budget gives its source, once in the outermost
// run; a run below it gives nothing, as it gives way to that source.
std::wstring script::budget_refusal() const {
    nested_runs& runs = context_.runs;
    return runs.opened_budget() && runs.first_showing(source_) ? source_text() : L"";
}

// A value script's source was escaped as a field value already: each
// character is escaped once.
std::wstring script::source_text() const { return html_escape(html_unescape(source_)); }

bool script::test() {
    nesting_guard guard(context_.runs, source_.size());
    if (guard.refused()) return false;
    parse();
    if (statements_.empty()) return false;
    return condition_evaluator(statements_.front().tokens, context_).evaluate();
}

const std::vector<script_statement>& script::parse() {
    if (parsed_) return statements_;
    parsed_ = true;
    clause_started_ = false;
    clause_kind_ = 0;
    new_statement_ = true;
    open_braces_ = 0;
    close_braces_ = 0;
    // Token texts move into the statements; only their types are read again.
    std::vector<script_token> tokens = lex_script(source_);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        script_token& token = tokens[i];
        switch (token.type) {
            case type::text:
                push_statement(statement_kind::output,
                               expr_token(std::move(token.text), expr_kind::literal));
                break;
            case type::open_brace:
                // A top-level block always opens its own statement, so that
                // «{Ж:}Итого{:Ж}{x = 5}» still reads {x = 5} as an assignment.
                if (open_braces_ == close_braces_) new_statement_ = true;
                ++open_braces_;
                break;
            case type::close_brace:
                if (++close_braces_ == open_braces_) {
                    clause_started_ = false;
                    clause_kind_ = 0;
                    new_statement_ = true;
                }
                break;
            case type::quote: break;
            case type::comma: new_statement_ = true; break;
            case type::keyword:
                if (token.code == script_code::if_keyword) {
                    if (i >= 2 && tokens[i - 1].type == type::open_brace)
                        push_statement(statement_kind::chain_end,
                                       expr_token(L";", expr_kind::other));
                    clause_switch(statement_kind::condition);
                } else if (token.code == script_code::then_keyword) {
                    clause_switch(statement_kind::then_part);
                } else if (token.code == script_code::else_keyword) {
                    clause_switch(statement_kind::else_part);
                } else {
                    add_node(token);
                }
                break;
            case type::marker: emit_format(token.code, token.text); break;
            default: add_node(token); break;
        }
    }
    return statements_;
}

void script::clause_switch(std::uint32_t kind) {
    if (!(clause_kind_ == kind && clause_started_)) new_statement_ = true;
    clause_started_ = true;
    clause_kind_ = kind;
}

// Built in place: a braced initializer list would copy the token.
void script::push_statement(std::uint32_t kind, expr_token token) {
    script_statement& statement = statements_.emplace_back();
    statement.kind = kind;
    statement.tokens.reserve(4);  // most hold four or fewer: one allocation, not one per growth
    statement.tokens.push_back(std::move(token));
}

void script::append(expr_token token, std::uint32_t kind) {
    if (new_statement_ || statements_.empty()) {
        new_statement_ = false;
        push_statement(kind, std::move(token));
    } else {
        statements_.back().tokens.push_back(std::move(token));
    }
}

void script::add_node(script_token& token) {
    const std::uint32_t kind = expr_kind_of(token);
    append(expr_token(std::move(token.text), kind), clause_kind_);
}

void script::emit_format(std::uint32_t code, const std::wstring& marker_text) {
    append(expr_token(marker_html(code, marker_text), expr_kind::quoted), clause_kind_);
}

std::wstring script::marker_html(std::uint32_t code, const std::wstring& marker_text) const {
    switch (code) {
        case script_code::bold_on: return L"<b>";
        case script_code::bold_off: return L"</b>";
        case script_code::italic_on: return L"<i>";
        case script_code::italic_off: return L"</i>";
        case script_code::underline_on: return L"<u>";
        case script_code::underline_off: return L"</u>";
        case script_code::line_break: return L"<br />";
        case script_code::non_breaking_space: return L"&nbsp;";
        case script_code::thin_space: return L"&thinsp;";
        case script_code::indented_line:
            // Without a document there is no indent to follow: a plain break.
            if (!context_.data || context_.data->page_setup.record.v[1] != 0) return L"<br />";
            return L"<br /><span style=\"margin-left:" + context_.style.first_indent_text +
                   L"mm;\"></span>";
        case script_code::table_start:
        case script_code::table_end:
        case script_code::table_row:
        case script_code::table_cell:
            context_.runs.count_table_marker();
            return table_marker_html(context_, code, marker_text);
        default: return {};
    }
}

std::wstring script::execute() {
    std::wstring output;
    markup_position position;  // where the output so far ends: in text or in a tag
    stop_after_value stop;     // … and whether with a value's full stop
    bool open = true;          // no branch of the current chain was taken yet
    bool active = false;       // the current condition held
    // Each statement is evaluated at most once: its tokens move into the
    // evaluator, which edits them as it goes.
    for (script_statement& statement : statements_) {
        if (context_.runs.stopping()) break;  // the output gives way to the source
        switch (statement.kind) {
            case statement_kind::output:
                output += evaluate(statement, position, stop);
                open = true;
                active = false;
                break;
            case statement_kind::condition:
                if (open) {
                    active = condition_evaluator(std::move(statement.tokens), context_).evaluate();
                    open = !active;
                } else {
                    active = false;
                }
                break;
            case statement_kind::then_part:
                if (active) output += evaluate(statement, position, stop);
                break;
            case statement_kind::else_part:
                if (open) output += evaluate(statement, position, stop);
                break;
            case statement_kind::chain_end:
                open = true;
                active = false;
                break;
            default: break;
        }
    }
    return output;
}

std::wstring script::evaluate(script_statement& statement, markup_position& position,
                              stop_after_value& stop) {
    return field_evaluator(std::move(statement.tokens), context_).evaluate(position, stop);
}

}  // namespace engine
