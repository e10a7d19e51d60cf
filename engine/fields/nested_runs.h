// What the script runs nested in one outermost run share: the fields being
// expanded, a budget of work and a memo of value scripts. Each render
// context has its own.
//
// Scripts nest (a value or an inner block may itself be a script). A
// reference met while its own field's value is being run is a cycle: it is
// not expanded again (field_value.h). Beyond `max_script_nesting` levels a
// run is refused and gives its source escaped and unevaluated.
//
// A block inside the template's own text (an inner block of the paragraph,
// or one inside that) is the template's, as the paragraph is: it runs as part
// of the outermost run, reads values as the paragraph does, and is never cut
// or refused by a budget, so no budget ever shows the template's code. Each
// run of a value's text (a value script, and every block inside one) is
// nested: the first such run under a reference of the template's text (the
// runs of one outermost reference) opens a budget of `nested_work_budget`:
// every run under it counts the characters it scans (its source, the values
// it reads, the text it declines) and those it produces, pictures and the
// words of numbers included, also against the budget of the whole outermost run and
// that of the render. Once one is spent, nested work stops, and the first
// nested run gives its source, escaped, instead of its output: once in the
// outermost run, later nothing. A test gives false. So a reference's output
// is at most the budget or its value's own escaped text, whatever the value
// names, and the work of an outermost run is bounded.
//
// The render's budget also takes what the outermost runs themselves decline
// and format. Past it, until the next render, no value runs or is declined or
// formatted, and a value's source is shown once in the render, not once in
// each outermost run: the work and the output of a render stay bounded
// however many references its template holds.
//
// A condition shows nothing: while one is decided, a cut or refused value
// gives its source to the test without spending its one showing, so the
// reference that prints it still shows it, whichever comes first.
//
// A value script referenced again in one outermost run is taken from the memo
// of its finished text and type instead of being run and typed again. The
// memo keeps a value only when nothing it depends on can change before the
// next reference: every variable assignment makes earlier entries
// unreachable (a value script may read a variable set between two
// references), the caller's default is part of the key (a hidden field gives
// it), and a value whose run cut a cycle, was refused or cut by the budget,
// or wrote table markers (which follow the open table) is not kept at all.
// (A kept value's run met no cycle, so with the same variables it meets none
// wherever it runs again.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace engine {

constexpr int max_script_nesting = 16;
// Characters scanned plus characters produced by the nested runs of one
// outermost reference, and by those of all the references of one outermost
// run (a paragraph): many references to a value that cannot be memoised
// would otherwise each spend a budget of their own.
constexpr std::size_t nested_work_budget = 10'000;
constexpr std::size_t nested_work_per_run = 2 * nested_work_budget;
// The same for everything a render's values cost, on top of the two above.
constexpr std::size_t render_work_budget = 20 * nested_work_budget;

struct memoised_value {
    std::wstring text;
    std::uint32_t type = 0;
    bool says_none = false;  // a number field's text that says there is none
    bool typed = false;
    int height = 0;  // levels of nested runs the computation went down
};

class nested_runs {
public:
    // Counts a run of a source of `source_size` characters in, until `leave`;
    // false when the run is refused.
    bool enter(std::size_t source_size);
    void leave();

    // Numbers the outermost run under way; 0 while none runs.
    std::uint64_t current_run() const { return depth_ > 0 ? outermost_runs_ : 0; }
    // Counts characters scanned or produced inside a nested run against the
    // budget of its outermost reference; does nothing outside nested runs.
    void count_work(std::size_t characters) {
        if (level() <= 1) return;
        work_ += characters;
        run_work_ += characters;
        render_work_ += characters;
    }
    // Counts text handed to declension and text a formatter wrote (numbers
    // and amounts in words, dates): in a nested run as any work, in the
    // outermost run itself against the budgets of that run and the render.
    void count_formatting(std::size_t characters) {
        if (level() == 1) {
            run_work_ += characters;
            render_work_ += characters;
        } else {
            count_work(characters);
        }
    }
    // Whether a picture of `characters` that a value names fits in what is
    // left of the budgets, counted if so; one that does not spends what is
    // left of the reference's budget and is never copied. The template's own
    // pictures are its output, as its text is.
    bool fits_picture(std::size_t characters);
    // The work of the nested runs of the current or the last outermost
    // reference, and of the current or the last outermost run.
    std::size_t work() const { return work_; }
    std::size_t run_work() const { return run_work_; }
    // The work of the current or the last render.
    std::size_t render_work() const { return render_work_; }
    bool render_budget_spent() const { return render_work_ > render_work_budget; }
    bool budget_spent() const {
        return work_ > nested_work_budget || run_work_ > nested_work_per_run ||
               render_budget_spent();
    }
    // Inside a nested run whose budget is spent: nested work stops.
    bool stopping() const { return level() > 1 && budget_spent(); }
    // Whether the run under way is the first nested one, which opened the
    // budget and gives its source once the budget is spent.
    bool opened_budget() const { return level() == 2; }
    // Called when a run's output gives way to its source.
    void count_cut() { ++disturbances_; }
    // Whether the outermost run's or the render's budget is spent: no nested
    // run starts, and values are shown as typed.
    bool run_budget_spent() const {
        return depth_ > 0 && (run_work_ > nested_work_per_run || render_budget_spent());
    }
    // A render starts: its budget is whole again.
    void begin_render();
    // Whether the source of the run under way, cut or refused by the budget,
    // or that of `field`'s value is to be shown: the first time in the
    // outermost run (in the render, once its budget is spent), not again. A
    // field's value counts as the same source whichever way it is met.
    // While a condition is decided, always, and nothing is spent.
    bool first_showing(const std::wstring& source);
    bool first_showing(const void* field);

    // Whether a condition is being decided: what is read shows nothing.
    bool deciding() const { return conditions_ > 0; }

    // Called by every variable assignment and every table marker written.
    void count_assignment() { ++assignments_; }
    void count_table_marker() { ++disturbances_; }

    // Whether `field`'s value is being run; if so, meeting it is a cycle,
    // which is counted as such.
    bool cuts_cycle(const void* field);

    // The entry of `field` with `default_text`, or null. Never found outside
    // a run, once the budget is spent, or where computing the value again
    // would reach the depth limit that the first computation stayed above.
    memoised_value* find_value(const void* field, const std::wstring& default_text);

private:
    friend class value_computation;
    friend class field_expansion;
    friend class condition_decision;

    bool first_showing_key(std::size_t key);
    // 0 outside a run; 1 in the outermost run and the template's blocks in
    // it; one more for each run of a value's text under way.
    int level() const { return depth_ == 0 ? 0 : 1 + value_runs_; }

    struct memo_key {
        const void* field;
        std::wstring default_text;
        std::uint64_t assignments;

        bool operator==(const memo_key&) const = default;
    };
    struct memo_key_hash {
        std::size_t operator()(const memo_key& key) const;
    };

    // The memo holds the values of one outermost run.
    void follow_run();

    int depth_ = 0;
    int value_runs_ = 0;
    // For each run under way, outermost first, whether it runs a value's text.
    std::vector<bool> runs_values_;
    int conditions_ = 0;  // conditions being decided
    int deepest_ = 0;     // the deepest level reached since a value computation began
    std::uint64_t outermost_runs_ = 0;
    std::size_t work_ = 0;
    std::size_t run_work_ = 0;
    std::size_t render_work_ = 0;
    // Both only grow: a change tells a value computation what happened in it.
    std::uint64_t assignments_ = 0;
    std::uint64_t disturbances_ = 0;  // cycles, refused or cut runs, table markers
    std::uint64_t memo_run_ = 0;
    // The fields whose values are being run, outermost first.
    std::vector<const void*> expanding_;
    // The keys of the sources shown in the outermost run, or in the render
    // once its budget is spent.
    std::vector<std::size_t> shown_sources_;
    // Node-based, so entries stay where they are.
    std::unordered_map<memo_key, memoised_value, memo_key_hash> memo_;
};

// Marks a field's value as being run while it lives.
class field_expansion {
public:
    field_expansion(nested_runs& runs, const void* field);
    ~field_expansion() { runs_.expanding_.pop_back(); }
    field_expansion(const field_expansion&) = delete;
    field_expansion& operator=(const field_expansion&) = delete;

private:
    nested_runs& runs_;
};

// Marks a condition as being decided while it lives.
class condition_decision {
public:
    explicit condition_decision(nested_runs& runs) : runs_(runs) { ++runs_.conditions_; }
    ~condition_decision() { --runs_.conditions_; }
    condition_decision(const condition_decision&) = delete;
    condition_decision& operator=(const condition_decision&) = delete;

private:
    nested_runs& runs_;
};

// Watches one value's computation while it lives; `keep` stores the text
// when nothing made it depend on more than the key, and answers the stored
// entry or null.
class value_computation {
public:
    explicit value_computation(nested_runs& runs);
    ~value_computation();
    value_computation(const value_computation&) = delete;
    value_computation& operator=(const value_computation&) = delete;

    memoised_value* keep(const void* field, const std::wstring& default_text, std::wstring text);

private:
    nested_runs& runs_;
    std::uint64_t run_;
    int depth_;
    int outer_deepest_;
    std::uint64_t assignments_;
    std::uint64_t disturbances_;
};

}  // namespace engine
