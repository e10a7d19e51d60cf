#include "engine/fields/render_context.h"

#include "engine/document/document.h"
#include "engine/fields/currency.h"

namespace engine {

render_context::render_context(document* doc_in, const view_state& view, render_target target_in)
    : language(view.language),
      library_shown(view.library_shown),
      section(view.section),
      target(target_in),
      doc(doc_in),
      data(doc_in ? doc_in->data.get() : nullptr),
      document_language(doc_in ? doc_in->language : 0),
      env(doc_in ? &doc_in->env() : &system_environment()) {}

void render_context::begin_render() {
    runs.begin_render();
    pictures.clear();
    number_readings.clear();
    known_currency.reset();
}

std::uint32_t render_context::currency() {
    if (!known_currency)
        known_currency = document_currency(data ? &data->parameters : nullptr, language);
    return *known_currency;
}

}  // namespace engine
