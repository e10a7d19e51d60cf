// The open document as the program holds it: it owns the tree, loads it from
// the file when constructed and saves it on request. The render floor turns
// it into HTML (render/document_html.h); a render writes only the variable
// table and, when the page setup was never made, its defaults into the tree.
// One thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

#include "engine/document/document_data.h"
#include "engine/document/environment.h"

namespace engine {

class document {
public:
    // Loads the file at `path` (empty when the library holds no such file)
    // through `env`, which must outlive the document. `language` is the
    // interface language when the document is opened (0 English, 1
    // Russian): it chooses its messages and the letters of its lists. A
    // missing, foreign or damaged file throws nothing; see `loaded`.
    explicit document(std::wstring path, int language = 0,
                      const environment& env = system_environment());
    virtual ~document();

    document(const document&) = delete;
    document& operator=(const document&) = delete;

    // Writes the tree back to the file when the file does not hold those
    // bytes already. False, and the stored file kept as it was, when the
    // document did not load or the writing failed; `write` answers why.
    virtual bool save();
    std::error_code write();

    // Whether the file opened, began with "BRF4.0" and was read without
    // damage: only then may the document be written back.
    bool loaded() const;

    // The files and clock the document and its renders use.
    const environment& env() const { return *env_; }

    // Zoom in percent. A non-finite value renders as 100, others are kept
    // within 10 to 500.
    double zoom = 100.0;
    std::wstring path;
    std::unique_ptr<document_data> data;
    // Read only by the legacy page layout.
    std::int32_t layout_variant = 3;
    // The interface language when the document was opened.
    std::int32_t language = 0;

private:
    const environment* env_;
};

}  // namespace engine
