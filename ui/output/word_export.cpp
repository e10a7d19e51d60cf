#include "ui/output/word_export.h"

#include "engine/text/text_replace.h"
#include "ui/output/file_writer.h"

namespace ui {

namespace {

class ExportFlag {
public:
    explicit ExportFlag(engine::doc_record* root) : root_(root) {
        if (root_) root_->b = 1;
    }
    ~ExportFlag() {
        if (root_) root_->b = 0;
    }
    ExportFlag(const ExportFlag&) = delete;
    ExportFlag& operator=(const ExportFlag&) = delete;

private:
    engine::doc_record* root_;
};

}  // namespace

std::wstring word_file_text(engine::doc_record* page_setup_root,
                            const std::function<std::wstring()>& render) {
    std::wstring text;
    {
        ExportFlag flag(page_setup_root);
        text = render();
    }
    engine::replace_all(text, L"&apos;", L"'");
    return text;
}

std::string word_file_bytes(std::wstring_view text) { return "\xEF\xBB\xBF" + utf8_of(text); }

}  // namespace ui
