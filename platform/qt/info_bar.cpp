#include "platform/info_bar.h"

#include <QLabel>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

QString style_for(int severity) {
    switch (severity) {
        case 1: return QStringLiteral("background:#DFF6DD; color:#1B5E20;");
        case 2: return QStringLiteral("background:#FFF4CE; color:#5D4200;");
        case 3: return QStringLiteral("background:#FDE7E9; color:#8A1A1A;");
        default: return QStringLiteral("background:#E8EEF8; color:#1F2A44;");
    }
}

}  // namespace

std::shared_ptr<InfoBar> InfoBar::create() { return std::shared_ptr<InfoBar>(new InfoBar()); }

InfoBar::InfoBar() : Element(make_native(new QLabel)) {
    auto* label = static_cast<QLabel*>(widget_of(*this));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMargin(10);
    set_visibility(Visibility::collapsed);
}

void InfoBar::set_message(std::wstring title, int severity) {
    title_ = std::move(title);
    severity_ = severity;
    auto* label = static_cast<QLabel*>(widget_of(*this));
    label->setText(to_qstring(title_));
    label->setStyleSheet(QStringLiteral("QLabel { font-weight:600; border-radius:4px; ") +
                         style_for(severity_) + QStringLiteral(" }"));
}

void InfoBar::set_open(bool open) {
    open_ = open;
    set_visibility(open ? Visibility::visible : Visibility::collapsed);
}

}  // namespace platform
