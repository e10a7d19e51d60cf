#include "engine/document/document.h"

#include "engine/document/page_setup.h"

namespace engine {

document::document(std::wstring path_in, int language_in, const environment& env)
    : path(std::move(path_in)), language(language_in), env_(&env) {
    data = std::make_unique<document_data>(path, env);
    data->file->load(*data);
    hold_lengths(*data);
}

document::~document() = default;

bool document::save() { return !write(); }

std::error_code document::write() {
    if (!data) return std::make_error_code(std::errc::operation_not_permitted);
    return data->write();
}

bool document::loaded() const { return data && data->loaded(); }

}  // namespace engine
