// The program's state without any window: the settings record, the library
// folders, the open document with its formatting cache, the view mode and
// the entry chosen in each mode's menu, the last document of each language
// and the save/print choices. It is made before the window, which with its
// panels reads and changes it through these members; the document changes
// only through `open_document` and `close_document`. UI thread only.
//
// Every render hands the engine the interface language, the selected section
// and whether the library page is shown (`view`). The session also keeps the
// program's `current_language`, which the controls' texts read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "core/formatting_cache.h"
#include "core/library_folders.h"
#include "core/output_choices.h"
#include "core/settings.h"
#include "core/view_mode.h"
#include "engine/document/document.h"
#include "engine/fields/render_context.h"

namespace core {

// The folders the system gives the program; see `library_folders`.
struct program_folders {
    std::wstring install;
    std::wstring data;
    std::wstring temp;
};

class session {
public:
    // The two-letter code of the user's home region; nullopt, or a throw,
    // when it cannot be read.
    using region_reader = std::function<std::optional<std::wstring>()>;

    // Starts from the defaults. With the installation and the data folder
    // known, reads the settings file (writing the defaults when there is
    // none) and removes the temporary files of interrupted saves. Then the region
    // decides the interface language; when it cannot be read the stored
    // language stands. The library of that language is installed and the
    // data folder tried (`data_folder`). No document is open yet. Documents
    // are read and written through `files`, which outlives the session.
    session(const program_folders& folders, const region_reader& home_region,
            const engine::environment& files = engine::system_environment());
    ~session();
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    settings& config() { return config_; }
    const settings& config() const { return config_; }
    const library_folders& folders() const { return folders_; }
    // Whether the data folder keeps what is written; the library of the
    // interface language was installed then, where it could be.
    const data_folder_check& data_folder() const { return data_folder_; }
    // Removes what the program left in its temporary folder.
    void clear_temp() { folders_.clear_temp(); }
    // 0 English, 1 Russian.
    int language() const { return language_; }
    // Installs the library of the other language, so that a switch to it
    // can open its start page. Throws std::runtime_error with the sentence
    // `library_not_copied` in the present language when it cannot be
    // copied; nothing else changes then.
    void prepare_other_language();
    // The other language until the program ends; the setting follows, to be
    // written with the settings. The open document must have been closed.
    void switch_language();

    // The library page of the interface language.
    std::wstring library_page() const;
    // Where the program starts: the library page when the settings say so,
    // otherwise the last document.
    std::wstring start_page();
    // The last document of the interface language, as a library name.
    std::wstring& last_document();
    const std::wstring& last_document() const;

    // Opens a document of the library by its name; the open one must have
    // been closed. The library page marks the library as shown; any other
    // name becomes the last document. A name the library does not hold
    // gives a document that did not load. The document's stored section is
    // selected and its formatting read. `named` runs as soon as the library
    // flag and the last document are set, before the library is installed
    // and the file read, either of which may throw.
    void open_document(std::wstring name, const std::function<void()>& named = {});
    // Stores the selected section in the open document and writes it back
    // when its file was read and does not hold those bytes already. Answers
    // the failure; an empty code when there was nothing to write.
    std::error_code write_back();
    // `write_back`, then the document is destroyed. When the writing failed
    // and the user's changes would be lost, answers false with the document
    // still open and `write_failure` saying why; a failure that loses no
    // more than the stored section (a read-only library) closes it all the
    // same.
    bool close_document();
    const std::error_code& write_failure() const { return write_failure_; }
    // Whether the open document's tree differs from the one opened in more
    // than its stored section (and the defaults a render writes into a page
    // setup never made).
    bool has_changes() const;
    // The open document's tree as bytes, without its stored section: equal
    // answers mean nothing was changed in between. Empty when none is loaded.
    std::string content() const;

    engine::document* document() const { return document_.get(); }
    // The open document's tree; null when none is open.
    engine::document_data* data() const { return data_; }
    // A document with a page setup: only it has settings and a print.
    bool has_loaded_document() const;
    // Counts the documents opened: a run that waited compares it with the
    // one it started on, as a new document may sit at the old one's address.
    std::uint64_t document_serial() const { return document_serial_; }
    bool is_same_document(std::uint64_t serial) const {
        return document_ && document_serial_ == serial;
    }
    formatting_cache& formatting() { return formatting_; }
    // The zoom the settings ask for, applied to the open document.
    void apply_zoom();

    // What the engine is told with every render.
    engine::view_state view() const { return {language_, library_shown_, section_}; }
    // The open document as screen, print and Word HTML.
    // The screen HTML is written into a render context kept for the open
    // document, whose output keeps its capacity from render to render; it
    // stays until the next screen render.
    const std::wstring& screen_html();
    std::wstring print_html();
    // The print HTML as the print view lays it on paper.
    std::wstring paper_html();
    std::wstring word_html();

    bool library_shown() const { return library_shown_; }
    ViewMode mode() const { return mode_; }
    void set_mode(ViewMode mode) { mode_ = mode; }

    // The entry chosen in each mode's menu; -1 stands for none.
    std::int32_t section() const { return section_; }
    void set_section(std::int32_t section);
    std::int32_t settings_page() const { return settings_page_; }
    std::int32_t text_edit_group() const { return text_edit_group_; }
    SavePrintPage save_print_page() const { return save_print_page_; }
    void set_save_print_page(SavePrintPage page) { save_print_page_ = page; }
    // The entry of the current mode.
    std::int32_t selected_index() const;
    void select(std::int32_t index);
    // Entries that are none become the first; an entry past the end stays.
    void select_first_where_none();

    output_choices& output() { return output_; }

private:
    void set_library_shown(bool shown);
    // What the tree was when opened, to tell the user's changes from the
    // stored section.
    struct opened_tree {
        std::string pages_and_parameters;
        // None: the file had no page setup. One never made holds the
        // defaults the first render writes.
        std::optional<std::string> page_setup;
        std::uint16_t section = 0;
    };
    opened_tree snapshot() const;

    const engine::environment* files_;
    settings config_;
    library_folders folders_;
    data_folder_check data_folder_;
    int language_ = 0;
    std::unique_ptr<engine::document> document_;
    std::unique_ptr<engine::render_context> screen_;
    engine::document_data* data_ = nullptr;
    std::uint64_t document_serial_ = 0;
    formatting_cache formatting_;
    bool library_shown_ = true;
    ViewMode mode_ = ViewMode::data;
    std::int32_t section_ = 0;
    std::int32_t settings_page_ = 0;
    std::int32_t text_edit_group_ = 0;
    SavePrintPage save_print_page_ = SavePrintPage::print;
    output_choices output_;
    opened_tree opened_;
    std::error_code write_failure_;
};

}  // namespace core
