// What keeps the web views' pages away from the network and the user's
// files, whatever a page does: switches on the web engine's command line, a
// request filter on the profile, a content policy in the page the views load,
// and a script run in every frame. UI thread only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;

namespace platform {

// A new profile. The first one starts the web engine, with switches that
// close WebRTC below the page, in every frame however it was made: no UDP
// but through a proxy, a proxy that goes nowhere (for the loopback too), and
// no host name looked up. They go last on the engine's command line, after
// the user's own well-formed switches that set none of them; the environment
// gets its value back once the engine has read it.
QWebEngineProfile* new_walled_profile();

// Lets through only our own scheme, inline data and the pages the built-in
// PDF viewer loads itself from; everything else is refused.
class RequestWall final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// The page each view loads first; documents replace its content by script,
// and the policy it carries stays with the page.
QByteArray shell_page();

// Run in every frame as it is made: takes WebRTC away (neither the request
// filter nor the policy reaches it), also from frames made later, and points
// local images at our scheme.
QString frame_walls_script();

}  // namespace platform
