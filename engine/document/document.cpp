#include "engine/document/document.h"

#include "engine/document/process_state.h"

namespace engine {

document::document(std::wstring path_in) : path(std::move(path_in)) {
    language = current_language;
    data = std::make_unique<document_data>(path);
    data->file->load(*data);
    current_document = this;
}

document::~document() {
    if (current_document == this) current_document = nullptr;
}

bool document::save() { return data && data->save(); }

bool document::loaded() const { return data && data->loaded(); }

}  // namespace engine
