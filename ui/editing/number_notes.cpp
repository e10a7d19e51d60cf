#include "ui/editing/number_notes.h"

#include <algorithm>
#include <variant>

#include "ui/editing/panel_look.h"

namespace ui {

NumberNotes::NumberNotes() : timer_(platform::Timer::create()) {
    timer_->tick.add([this](platform::Timer&, const platform::NoArgs&) { ShowWaitingNote(); });
}

void NumberNotes::AddLine(platform::Panel& panel, const platform::Element& row, std::wstring note) {
    auto line = platform::TextBlock::create(std::move(note));
    line->set_font(look::note_font());
    line->set_margin({20, 1, 22, 3});
    line->set_elides(true, platform::TextBlock::Shortened::at_the_end);
    line->set_foreground({look::dark_red});
    // Shown and hidden with the row, as its caption is.
    line->data_context = row.data_context;
    line->set_visibility(row.visibility());
    panel.children().append(line);
    std::erase_if(lines_, [](const auto& kept) { return kept.expired(); });
    lines_.push_back(line);
}

std::shared_ptr<platform::TextBlock> NumberNotes::LineOf(const platform::TextBox& box) {
    auto row = box.parent();
    auto panel = row ? row->parent() : nullptr;
    if (!panel) return nullptr;
    const auto& children = panel->children();
    const std::optional<std::size_t> at = children.index_of(*row);
    if (!at) return nullptr;
    // The line follows the row, or the refusal bar that follows it.
    for (std::size_t i = *at + 1; i < children.size(); ++i) {
        const std::shared_ptr<platform::Element>& next = children.at(i);
        if (next->data_context == row->data_context)
            return std::dynamic_pointer_cast<platform::TextBlock>(next);
        if (!std::holds_alternative<std::monostate>(next->data_context)) break;
    }
    return nullptr;
}

void NumberNotes::TextChanged(const platform::TextBox& box, std::wstring note) {
    auto line = LineOf(box);
    if (!line) return;
    const bool waits_here = waiting_line_.lock() == line;
    if (note.empty() || !line->text().empty()) {
        if (waits_here) {
            timer_->stop();
            waiting_line_.reset();
        }
        line->set_text(std::move(note));
        return;
    }
    // Another box's note that still waits was left without the focus
    // moving (a value set by code): it need not wait any longer.
    if (!waits_here) ShowWaitingNote();
    waiting_line_ = line;
    waiting_note_ = std::move(note);
    timer_->start(pause_ms);
}

void NumberNotes::BoxLeft(const platform::TextBox& box) {
    auto line = LineOf(box);
    if (line && waiting_line_.lock() == line) ShowWaitingNote();
}

void NumberNotes::Renote(
    const std::function<std::wstring(const platform::TreeIndex& field)>& note_of) {
    for (const auto& kept : lines_) {
        auto line = kept.lock();
        const auto* field = line ? std::get_if<platform::TreeIndex>(&line->data_context) : nullptr;
        // A line of a panel built over is gone with its rows.
        if (!field || !line->parent()) continue;
        std::wstring note = note_of(*field);
        if (waiting_line_.lock() != line) {
            if (line->text() != note) line->set_text(std::move(note));
        } else if (note.empty()) {
            timer_->stop();
            waiting_line_.reset();
            waiting_note_.clear();
        } else {
            waiting_note_ = std::move(note);
        }
    }
}

void NumberNotes::ShowWaitingNote() {
    timer_->stop();
    if (auto line = waiting_line_.lock()) line->set_text(std::move(waiting_note_));
    waiting_line_.reset();
    waiting_note_.clear();
}

}  // namespace ui
