#include "core/session.h"

#include <utility>
#include <vector>

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "core/region_language.h"
#include "core/stale_saves.h"
#include "engine/document/page_setup.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/render/document_html.h"

namespace core {

session::session(const program_folders& folders, const region_reader& home_region,
                 const engine::environment& files)
    : files_(&files) {
    set_library_shown(true);
    set_section(0);

    // Without a data folder there is nowhere to keep the library or the
    // settings: the defaults stand and nothing is written.
    if (!folders.install.empty() && !folders.data.empty()) {
        folders_ = library_folders(folders.install, folders.data, folders.temp);
        config_.load(folders.data);
        remove_stale_saves(folders_);
    }

    // The region decides the language at every start.
    config_.Language = start_language(config_.Language, home_region);
    language_ = language_index(config_.Language);
    current_language = language_;
    data_folder_ = folders_.prepare_data_folder();

    output_.open_after_saving = config_.OpenDocAfterSaving == 1.0;
}

session::~session() = default;

void session::prepare_other_language() {
    folders_.install_library_or_say_why(language_ == 1 ? 0 : 1);
}

void session::switch_language() {
    language_ = language_ == 1 ? 0 : 1;
    config_.Language = language_;
    current_language = language_;
}

std::wstring session::library_page() const {
    return engine::ui_string(engine::ui_text::library_page_file, language_);
}

std::wstring session::start_page() {
    return config_.start_on_library() ? library_page() : last_document();
}

std::wstring& session::last_document() {
    return language_ == 1 ? config_.LastDocument : config_.LastDocumentEng;
}

const std::wstring& session::last_document() const {
    return language_ == 1 ? config_.LastDocument : config_.LastDocumentEng;
}

void session::open_document(std::wstring name, const std::function<void()>& named) {
    if (name == library_page()) {
        set_library_shown(true);
    } else {
        set_library_shown(false);
        last_document() = name;
    }
    if (named) named();

    const std::wstring path = folders_.resolve(std::move(name));
    document_ = std::make_unique<engine::document>(path, language_, *files_);
    write_failure_.clear();
    screen_.reset();
    ++document_serial_;
    data_ = document_->data.get();

    engine::doc_record* root = page_setup_root(data_);
    if (root) root->s5 = document_->path;
    apply_zoom();
    set_section(root ? root->v[0] : 0);
    formatting_ = data_ ? read_formatting(data_->page_setup, data_->pages) : formatting_cache{};
    text_edit_group_ = 0;
    opened_ = document_->loaded() ? snapshot() : opened_tree{};
}

session::opened_tree session::snapshot() const {
    opened_tree tree;
    tree.pages_and_parameters =
        data_->node_bytes(data_->pages) + data_->node_bytes(data_->parameters);
    engine::doc_group* setup = engine::page_setup_group(data_);
    if (!setup) return tree;
    tree.section = data_->page_setup.record.v[0];
    if (!engine::is_never_made(*setup)) {
        tree.page_setup = data_->node_bytes(data_->page_setup);
        return tree;
    }
    // The first render writes the defaults into a setup never made: they are
    // no change of the user's. The tree is left as the file has it.
    std::vector<engine::doc_record> made = {setup->record};
    for (std::size_t e = 0; e < engine::element_count_of(*setup); ++e)
        made.push_back(setup->elements[e].record);
    engine::write_default_setup(*setup);
    tree.page_setup = data_->node_bytes(data_->page_setup);
    setup->record = made[0];
    for (std::size_t e = 0; e + 1 < made.size(); ++e) setup->elements[e].record = made[e + 1];
    return tree;
    return tree;
}

bool session::has_changes() const {
    if (!document_ || !document_->loaded()) return false;
    if (data_->node_bytes(data_->pages) + data_->node_bytes(data_->parameters) !=
        opened_.pages_and_parameters)
        return true;
    engine::doc_record* root = page_setup_root(data_);
    // Without a page setup the file had none a user could have changed.
    if (!opened_.page_setup || !root) return false;
    const std::uint16_t section = std::exchange(root->v[0], opened_.section);
    const bool changed = data_->node_bytes(data_->page_setup) != *opened_.page_setup;
    root->v[0] = section;
    return changed;
}

std::string session::content() const {
    if (!document_ || !document_->loaded()) return {};
    std::string bytes = data_->node_bytes(data_->pages) + data_->node_bytes(data_->parameters);
    engine::doc_record* root = page_setup_root(data_);
    if (!root) return bytes;
    const std::uint16_t section = std::exchange(root->v[0], 0);
    bytes += data_->node_bytes(data_->page_setup);
    root->v[0] = section;
    return bytes;
}

std::error_code session::write_back() {
    if (!document_ || !document_->loaded()) return {};
    if (engine::doc_record* root = page_setup_root(data_))
        root->v[0] = static_cast<std::uint16_t>(section_);
    return document_->write();
}

bool session::close_document() {
    if (!document_) return true;
    if (const std::error_code failure = write_back()) {
        write_failure_ = failure;
        if (has_changes()) return false;
    }
    write_failure_.clear();
    screen_.reset();
    document_.reset();
    data_ = nullptr;
    return true;
}

bool session::has_loaded_document() const { return has_page_setup(data_); }

void session::apply_zoom() {
    if (document_) document_->zoom = applied_zoom(config_.DocumentZoom);
}

const std::wstring& session::screen_html() {
    if (!screen_) screen_ = std::make_unique<engine::render_context>(document_.get(), view());
    screen_->language = language_;
    screen_->library_shown = library_shown_;
    screen_->section = section_;
    return engine::to_html(*screen_);
}

std::wstring session::print_html() { return engine::to_print_html(*document_, view()); }

std::wstring session::paper_html() { return engine::to_paper_html(*document_, view()); }

std::wstring session::word_html() { return engine::to_word_html(*document_, view()); }

void session::set_section(std::int32_t section) { section_ = section; }

std::int32_t session::selected_index() const {
    switch (mode_) {
        case ViewMode::data: return section_;
        case ViewMode::settings: return settings_page_;
        case ViewMode::text_edit: return text_edit_group_;
        case ViewMode::save_print: return std::int32_t(save_print_page_);
    }
    return 0;
}

void session::select(std::int32_t index) {
    switch (mode_) {
        case ViewMode::data: set_section(index); break;
        case ViewMode::settings: settings_page_ = index; break;
        case ViewMode::text_edit: text_edit_group_ = index; break;
        case ViewMode::save_print: save_print_page_ = SavePrintPage(index); break;
    }
}

void session::select_first_where_none() {
    if (section_ == -1) set_section(0);
    if (text_edit_group_ == -1) text_edit_group_ = 0;
    if (settings_page_ == -1) settings_page_ = 0;
}

void session::set_library_shown(bool shown) { library_shown_ = shown; }

}  // namespace core
