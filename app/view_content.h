// What the document view shows, as far as the program knows it, and the
// script that brings it to a newly rendered screen HTML.
//
// A whole build parses each page on its own and adds it to the body; the
// view keeps every page's nodes and text nodes and answers a signature of
// each page's texts. After that, a render sends only what changed: for a
// page whose tags stayed the same, the text nodes whose text changed (so the
// browser lays out only those lines); for any other changed page, the page,
// which the view parses and puts in place of the old one. What the view then
// shows is what a full replace of the content gives: a page that does not
// parse on its own, or whose text nodes the program cannot match, falls back
// to rebuilding the page or to a full replace. The view answers each script;
// an answer that is missing or says the view lost its pages makes the next
// script a whole build again.
//
// One script at a time: `script_for`, then `take_answer` with its answer,
// before the next `script_for`. UI thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace app {

// How the scripts so far reached the view; for tests and the probe.
struct ViewUpdates {
    int builds = 0;         // whole builds page by page
    int full_replaces = 0;  // the whole content in one
    int updates = 0;        // scripts that changed pages only
    int text_edits = 0;     // text nodes given a new text
    int page_replaces = 0;  // pages parsed and put in place
};

class ViewContent {
public:
    // The script that makes the view show `html`; `fresh` for a new document
    // or page, which is always built whole.
    std::wstring script_for(const std::wstring& html, bool fresh);
    // Takes the view's answer to the last script (as JSON). True when the
    // view did not apply it and a whole build must follow now.
    bool take_answer(const std::wstring& json);
    // Whatever the view shows, the next script builds it whole.
    void forget();

    const ViewUpdates& updates() const { return updates_; }

private:
    enum class Sent { nothing, build, update, full_replace };

    std::wstring build_script(const std::wstring& html);
    std::optional<std::wstring> update_script(const std::wstring& html);
    void take_build_answer(const std::vector<std::uint64_t>& answer);
    bool take_update_answer(const std::vector<std::uint64_t>& answer);

    // The build the view confirmed; 0 when none is known to be there.
    std::uint64_t shown_ = 0;
    std::uint64_t next_build_ = 1;
    // The content could not be taken page by page: edits replace it whole
    // until the next fresh document.
    bool whole_only_ = false;
    std::wstring head_, tail_;
    std::vector<std::wstring> pages_;
    // Pages whose text nodes the view confirmed to match their markup.
    std::vector<bool> editable_;

    Sent sent_ = Sent::nothing;
    std::uint64_t sent_build_ = 0;
    std::wstring sent_head_, sent_tail_;
    std::vector<std::wstring> sent_pages_;
    // The pages the last update put in place, in the order it sent them.
    std::vector<std::size_t> sent_replaced_;

    ViewUpdates updates_;
};

}  // namespace app
