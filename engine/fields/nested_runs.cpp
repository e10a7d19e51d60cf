#include "engine/fields/nested_runs.h"

#include <algorithm>

namespace engine {

bool nested_runs::enter(std::size_t source_size) {
    if (depth_++ == 0) {
        ++outermost_runs_;
        run_work_ = 0;
        if (!render_budget_spent()) shown_sources_.clear();
        runs_values_.assign(1, false);
        return true;
    }
    deepest_ = std::max(deepest_, depth_);
    // While no field's value runs, the source is the template's own text.
    const bool value_text = !expanding_.empty();
    runs_values_.push_back(value_text);
    if (value_text && ++value_runs_ == 1) work_ = 0;
    count_work(source_size);
    const bool refused = depth_ > max_script_nesting || (value_text && budget_spent());
    if (refused) ++disturbances_;
    return !refused;
}

void nested_runs::leave() {
    if (runs_values_.back()) --value_runs_;
    runs_values_.pop_back();
    --depth_;
}

void nested_runs::begin_render() {
    render_work_ = 0;
    shown_sources_.clear();
}

bool nested_runs::fits_picture(std::size_t characters) {
    if (level() <= 1) return true;
    const bool fits = work_ + characters <= nested_work_budget &&
                      run_work_ + characters <= nested_work_per_run &&
                      render_work_ + characters <= render_work_budget;
    count_work(fits ? characters : nested_work_budget - std::min(work_, nested_work_budget) + 1);
    return fits;
}

bool nested_runs::cuts_cycle(const void* field) {
    if (std::find(expanding_.begin(), expanding_.end(), field) == expanding_.end()) return false;
    ++disturbances_;
    return true;
}

bool nested_runs::first_showing_key(std::size_t key) {
    if (conditions_ > 0) return true;
    if (std::find(shown_sources_.begin(), shown_sources_.end(), key) != shown_sources_.end())
        return false;
    shown_sources_.push_back(key);
    return true;
}

// A run of a field's value runs with that field the last one expanded.
bool nested_runs::first_showing(const std::wstring& source) {
    return expanding_.empty() ? first_showing_key(std::hash<std::wstring>()(source))
                              : first_showing(expanding_.back());
}

bool nested_runs::first_showing(const void* field) {
    return first_showing_key(std::hash<const void*>()(field));
}

std::size_t nested_runs::memo_key_hash::operator()(const memo_key& key) const {
    return std::hash<const void*>()(key.field) ^ std::hash<std::wstring>()(key.default_text) ^
           std::hash<std::uint64_t>()(key.assignments) * 31;
}

void nested_runs::follow_run() {
    if (memo_run_ == outermost_runs_) return;
    memo_run_ = outermost_runs_;
    memo_.clear();
}

memoised_value* nested_runs::find_value(const void* field, const std::wstring& default_text) {
    if (depth_ == 0 || stopping()) return nullptr;
    follow_run();
    auto found = memo_.find({field, default_text, assignments_});
    if (found == memo_.end() || depth_ + found->second.height > max_script_nesting) return nullptr;
    return &found->second;
}

field_expansion::field_expansion(nested_runs& runs, const void* field) : runs_(runs) {
    runs_.expanding_.push_back(field);
}

value_computation::value_computation(nested_runs& runs)
    : runs_(runs),
      run_(runs.outermost_runs_),
      depth_(runs.depth_),
      outer_deepest_(runs.deepest_),
      assignments_(runs.assignments_),
      disturbances_(runs.disturbances_) {
    runs_.deepest_ = runs_.depth_;
}

value_computation::~value_computation() {
    runs_.deepest_ = std::max(runs_.deepest_, outer_deepest_);
}

memoised_value* value_computation::keep(const void* field, const std::wstring& default_text,
                                        std::wstring text) {
    if (depth_ == 0 || runs_.depth_ != depth_ || run_ != runs_.outermost_runs_ ||
        assignments_ != runs_.assignments_ || disturbances_ != runs_.disturbances_)
        return nullptr;
    runs_.follow_run();
    memoised_value& entry = runs_.memo_[{field, default_text, assignments_}];
    entry = {std::move(text), 0, false, false, runs_.deepest_ - depth_};
    return &entry;
}

}  // namespace engine
