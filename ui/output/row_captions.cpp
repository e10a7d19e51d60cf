#include "ui/output/row_captions.h"

namespace ui {

platform::TextBlock* header_text(const platform::Panel& page, std::size_t position,
                                 std::size_t part) {
    if (position >= page.children().size()) return nullptr;
    auto* header = dynamic_cast<platform::Panel*>(page.children().at(position).get());
    if (!header || part >= header->children().size()) return nullptr;
    return dynamic_cast<platform::TextBlock*>(header->children().at(part).get());
}

platform::TextBlock* value_caption(const platform::Element& control, std::size_t position) {
    auto box = control.parent();
    auto page = box ? box->parent() : nullptr;
    return page ? header_text(*page, position, 1) : nullptr;
}

}  // namespace ui
