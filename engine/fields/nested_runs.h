// What the script runs nested in one outermost run share: a budget and a
// memo of value scripts. Each render context has its own.
//
// Scripts nest (a value or an inner block may itself be a script). Beyond
// `max_script_nesting` levels, or once the nested runs have scanned
// `max_nested_characters` between them, a run is refused: it gives its source
// escaped and unevaluated, and a test gives false, so fields that name
// themselves cannot exhaust the stack, the memory or the time.
//
// A value script (a field value holding "{") referenced again in one
// outermost run is taken from the memo of its finished text and type instead
// of being run and typed again. The memo keeps a value only when nothing it
// depends on can change before the next reference: every variable assignment
// makes earlier entries unreachable (a value script may read a variable set
// between two references), the caller's default is part of the key (a hidden
// field gives it), and a value whose run was cut short by the limits or wrote
// table markers (which follow the open table) is not kept at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace engine {

constexpr int max_script_nesting = 16;
// The sources of the nested runs and the values typed inside them count.
constexpr std::size_t max_nested_characters = 100'000;

struct memoised_value {
    std::wstring text;
    std::uint32_t type = 0;
    bool typed = false;
    int height = 0;  // levels of nested runs the computation went down
};

class nested_runs {
public:
    // Counts a run of a source of `source_size` characters in, until `leave`;
    // false when the run is refused.
    bool enter(std::size_t source_size);
    void leave() { --depth_; }

    // Numbers the outermost run under way; 0 while none runs.
    std::uint64_t current_run() const { return depth_ > 0 ? outermost_runs_ : 0; }
    // Counts characters scanned inside a nested run against the budget of the
    // outermost one; does nothing outside nested runs.
    void count_scan(std::size_t characters);
    // Characters the runs nested in the current or the last outermost run
    // have scanned.
    std::size_t characters_scanned() const { return characters_; }
    // Whether that count is past the budget: nested work then stops.
    bool budget_spent() const { return characters_ > max_nested_characters; }
    // Called by every variable assignment and every table marker written.
    void count_assignment() { ++assignments_; }
    void count_table_marker() { ++disturbances_; }

    // The entry of `field` with `default_text`, or null. Never found outside
    // a run, once the budget is spent, or where computing the value again
    // would reach the depth limit that the first computation stayed above.
    memoised_value* find_value(const void* field, const std::wstring& default_text);

private:
    friend class value_computation;

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
    int deepest_ = 0;  // the deepest level reached since a value computation began
    std::uint64_t outermost_runs_ = 0;
    std::size_t characters_ = 0;
    // Both only grow: a change tells a value computation what happened in it.
    std::uint64_t assignments_ = 0;
    std::uint64_t disturbances_ = 0;  // refused runs and table markers
    std::uint64_t memo_run_ = 0;
    // Node-based, so entries stay where they are.
    std::unordered_map<memo_key, memoised_value, memo_key_hash> memo_;
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
