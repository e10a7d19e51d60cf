// The one object the page can reach: it takes the strings the page posts.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace platform {

class WebChannelHost final : public QObject {
    Q_OBJECT

public:
    std::function<void(const QString&)> on_message;

public slots:
    void post(const QString& message) {
        if (on_message) on_message(message);
    }
};

}  // namespace platform
