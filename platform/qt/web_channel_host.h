// The one object the page can reach: it takes the document names the page
// posts and drops anything else.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "platform/page_message.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

class WebChannelHost final : public QObject {
    Q_OBJECT

public:
    std::function<void(const std::wstring&)> on_message;

public slots:
    void post(const QString& message) {
        if (!on_message || std::size_t(message.size()) > max_page_message_length) return;
        std::wstring text = from_qstring(message);
        if (is_page_message(text)) on_message(text);
    }
};

}  // namespace platform
