#include "engine/render/legacy_page.h"

#include "engine/render/numbering.h"
#include "engine/render/paragraph_style.h"
#include "engine/render/script.h"
#include "engine/render/table_repair.h"

namespace engine {

std::wstring render_legacy_page(render_context& context, int page_index) {
    context.marker_seen = 0;
    const doc_record& r = style_record(context.data, page_index, -1, -1);
    std::wstring text = r.s2;
    // Run for its side effect: the script and the table builders read the
    // page's style texts.
    legacy_paragraph_style(context, page_index);
    text = script(std::move(text), context).run();
    text = balance_tables(std::move(text));

    std::wstring out;
    out.reserve(text.size() + 1024);
    const bool table_form = (r.v[3] == 0 || r.v[3] == 3) && r.v[5] != 0;
    if (table_form) {
        out += L"<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0 WIDTH=100% ";
        out += list_item_html(context, page_index, std::wstring(), -1, -1);
    } else {
        out += L"<DIV ";
        out += legacy_paragraph_style(context, page_index);
    }
    out += text;
    if (r.v[1] != 0) out += L"</i>";
    if (r.v[2] != 0) out += L"</b>";
    out += L"</font></font>";
    out += table_form ? L"</TD></TR></TABLE>" : L"</DIV>";
    return out;
}

}  // namespace engine
