#include "tools/brikc/brik_io.h"

#include "engine/document/document_data.h"
#include "engine/text/utf16.h"

namespace brikc {

namespace {

std::wstring wide_path(const std::filesystem::path& path) {
    return engine::from_utf8(path.string());
}

}  // namespace

bool write_brik(brik_tree tree, const std::filesystem::path& path) {
    engine::document_data data(wide_path(path));
    data.page_setup = std::move(tree.page_setup);
    data.pages = std::move(tree.pages);
    data.parameters = std::move(tree.parameters);
    // The writer only writes back what loaded; a compiled tree is whole.
    data.state = engine::load_state::loaded;
    return data.save();
}

std::optional<brik_tree> read_brik(const std::filesystem::path& path) {
    engine::document_data data(wide_path(path));
    data.file->load(data);
    if (!data.loaded()) return std::nullopt;
    brik_tree tree;
    tree.page_setup = std::move(data.page_setup);
    tree.pages = std::move(data.pages);
    tree.parameters = std::move(data.parameters);
    return tree;
}

}  // namespace brikc
