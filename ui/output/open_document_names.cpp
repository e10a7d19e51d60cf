#include "ui/output/open_document_names.h"

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/output/document_names.h"

namespace ui {

namespace {

std::wstring short_name(const core::session& session) {
    return session.library_shown() ? core::ui_string(engine::ui_text::library)
                                   : short_document_name(session.last_document());
}

}  // namespace

std::wstring GetDocumentTitle(const core::session& session, bool use_name) {
    return document_title(session.data(), use_name, short_name(session));
}

std::wstring GetDocumentName(const core::session& session) {
    return caption_separator + short_name(session);
}

std::wstring BreadcrumbText(const core::session& session) {
    if (session.library_shown()) {
        return library_breadcrumb(session.data(), session.section(),
                                  core::ui_string(engine::ui_text::library));
    }
    return document_breadcrumb(session.last_document());
}

std::wstring GetFooterText(const core::session& session) { return footer_text(session.data()); }

bool IsPageNumberInFooter(const core::session& session) {
    return page_number_in_footer(session.data());
}

void StripKnownExtension(core::session& session, const std::wstring& file_name) {
    // Without a page setup there is no title to store.
    engine::doc_record* record = core::page_setup_record(session.data());
    if (!record) return;
    record->s1 = title_from_file_name(file_name);
}

}  // namespace ui
