#include "platform/qt/message_box.h"

#include "platform/interface_language.h"
#include "platform/qt/elided_words.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/text_label.h"

namespace platform {

namespace {

// The widest a word of a message is shown, in pixels.
constexpr int message_box_width = 480;

}  // namespace

QMessageBox* message_box(QMessageBox::Icon icon, const std::string& message) {
    const QString whole = QString::fromStdString(message);
    auto* box = new QMessageBox(icon, to_qstring(interface_texts().program_name), QString());
    box->setTextFormat(Qt::PlainText);
    const QString shown = with_long_words_elided(whole, box->fontMetrics(), message_box_width);
    box->setText(shown);
    if (shown != whole) {
        box->setDetailedText(whole);
        box->setToolTip(plain_tool_tip(whole));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

}  // namespace platform
