#include "platform/qt/view_walls.h"

#include <QByteArray>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QtGlobal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/engine_switches.h"
#include "platform/qt/named_images.h"
#include "platform/qt/served_files.h"

namespace platform {

namespace {

// The policy's sources name our scheme; it is the second wall behind the
// request filter. Inline script is for the templates' own handlers (link
// rows, the print body), frames for the preview's PDF.
constexpr char shell_page_template[] =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
    "script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src data: %1:; frame-src %1:; "
    "connect-src 'none'\"></head><body></body></html>";

// Natives are taken before any page script can replace them. Mutation events
// are synchronous: a new frame is walled before the script that made it can
// reach into it. Frames in shadow roots fire none and are not in window[i]:
// every other way to a frame's window (its element's getters, in every realm
// we wall, and window.open by the frame's name) walls the window first.
constexpr char frame_walls_template[] = R"js(
(function () {
  var apply = Reflect.apply, define = Object.defineProperty, own = Object.getOwnPropertyDescriptor;
  var listen = EventTarget.prototype.addEventListener, targetOf = own(Event.prototype, 'target').get;
  var query = Element.prototype.querySelectorAll, matches = Element.prototype.matches;
  var lengthOf = own(NodeList.prototype, 'length').get;
  var viewOf = own(Document.prototype, 'defaultView').get;
  var attribute = Element.prototype.getAttribute, setAttribute = Element.prototype.setAttribute;
  var frameWindows = [['iframe', own(HTMLIFrameElement.prototype, 'contentWindow').get],
                      ['frame', own(HTMLFrameElement.prototype, 'contentWindow').get]];
  var peers = ['RTCPeerConnection', 'webkitRTCPeerConnection'];
  var URLOf = URL, test = RegExp.prototype.test, fileScheme = /^\s*file:/i;
  function walledWindow(found) {
    if (found) wall(found);
    return found;
  }
  function walledDocument(found) {
    try { if (found) wall(apply(viewOf, found, [])); } catch (e) {}
    return found;
  }
  var frameGetters = [['HTMLIFrameElement', 'contentWindow', walledWindow],
                      ['HTMLIFrameElement', 'contentDocument', walledDocument],
                      ['HTMLFrameElement', 'contentWindow', walledWindow],
                      ['HTMLFrameElement', 'contentDocument', walledDocument],
                      ['HTMLObjectElement', 'contentWindow', walledWindow],
                      ['HTMLObjectElement', 'contentDocument', walledDocument]];
  var frameMethods = [['HTMLIFrameElement', 'getSVGDocument', walledDocument],
                      ['HTMLObjectElement', 'getSVGDocument', walledDocument],
                      ['HTMLEmbedElement', 'getSVGDocument', walledDocument]];
  function guardGetter(target, row) {
    var prototype = target[row[0]].prototype, found = own(prototype, row[1]), get = found.get;
    define(prototype, row[1], {get: function () { return row[2](apply(get, this, [])); },
                               enumerable: found.enumerable, configurable: false});
  }
  function guardMethod(target, row) {
    var prototype = target[row[0]].prototype, method = prototype[row[1]];
    define(prototype, row[1], {value: function () { return row[2](apply(method, this, arguments)); },
                               enumerable: true, writable: false, configurable: false});
  }
  function guardFrames(target) {
    for (var i = 0; i < frameGetters.length; ++i) {
      try { guardGetter(target, frameGetters[i]); } catch (e) {}
    }
    for (var j = 0; j < frameMethods.length; ++j) {
      try { guardMethod(target, frameMethods[j]); } catch (e) {}
    }
    try {
      var open = target.open;
      define(target, 'open', {value: function () { return walledWindow(apply(open, this, arguments)); },
                              enumerable: true, writable: false, configurable: false});
    } catch (e) {}
  }
  function walled(target) {
    try {
      var found = own(target, peers[0]);
      return !!found && !found.configurable && found.value === undefined;
    } catch (e) { return true; }
  }
  function wall(target) {
    if (walled(target)) return;
    for (var i = 0; i < peers.length; ++i) {
      try { define(target, peers[i], {value: undefined, writable: false, configurable: false}); } catch (e) {}
    }
    guardFrames(target);
    try { apply(listen, target, ['DOMNodeInserted', inserted, true]); } catch (e) {}
  }
  function showLocalImage(image) {
    var source = apply(attribute, image, ['src']);
    if (!source || !apply(test, fileScheme, [source])) return;
    var url;
    try { url = new URLOf(source); } catch (e) { return; }
    if (url.host && url.host !== 'localhost') return;
    apply(setAttribute, image, ['src', '%1' + url.pathname]);
  }
  function each(node, selector, action) {
    try {
      if (apply(matches, node, [selector])) action(node);
      var found = apply(query, node, [selector]);
      for (var i = 0, count = apply(lengthOf, found, []); i < count; ++i) action(found[i]);
    } catch (e) {}
  }
  function inserted(event) {
    var node = apply(targetOf, event, []);
    for (var i = 0; i < frameWindows.length; ++i) {
      var contentWindow = frameWindows[i][1];
      each(node, frameWindows[i][0], function (frame) {
        var inner = apply(contentWindow, frame, []);
        if (inner) wall(inner);
      });
    }
    each(node, 'img', showLocalImage);
  }
  wall(window);
})();
)js";

// Port 1 of the loopback: a privileged port nothing serves, so a connection
// is refused at once and leaves no machine.
const std::vector<std::string> network_switches = {
    "--force-webrtc-ip-handling-policy=disable_non_proxied_udp",
    "--proxy-server=http://127.0.0.1:1",
    "--proxy-bypass-list=<-loopback>",
    "--host-resolver-rules=MAP * ~NOTFOUND",
};

// No switch of the user's may set ours. (On this engine a proxy mode of the
// user's, such as --no-proxy-server, does not win over our proxy.)
const std::vector<std::string> guarded_switch_names = {
    "force-webrtc-ip-handling-policy",
    "proxy-server",
    "proxy-bypass-list",
    "host-resolver-rules",
};

constexpr char switches_variable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

bool allowed_scheme(const QString& scheme) {
    static constexpr const char* allowed[] = {scheme_name, "data",   "blob",
                                              "about",     "chrome", "chrome-extension"};
    for (const char* one : allowed) {
        if (scheme == QLatin1String(one)) return true;
    }
    return false;
}

}  // namespace

QWebEngineProfile* new_walled_profile() {
    static bool started = false;
    if (started) return new QWebEngineProfile();
    started = true;
    const bool user_set = qEnvironmentVariableIsSet(switches_variable);
    const QByteArray user = qgetenv(switches_variable);
    const EngineSwitchLine switches =
        engine_switch_line(std::string_view(user.constData(), std::size_t(user.size())),
                           network_switches, guarded_switch_names);
    if (switches.unparsable)
        std::cerr << "tembrick: " << switches_variable
                  << " has a quote left open; none of its switches is used" << std::endl;
    if (!switches.left_out.empty()) {
        std::cerr << "tembrick: " << switches_variable
                  << ": switches the program sets itself are not used:";
        for (const std::string& word : switches.left_out) std::cerr << ' ' << word;
        std::cerr << std::endl;
    }
    qputenv(switches_variable, QByteArray::fromStdString(switches.line));
    auto* profile = new QWebEngineProfile();
    // The engine read the variable as it started; a program the desktop
    // starts for a link must not inherit our proxy.
    if (user_set)
        qputenv(switches_variable, user);
    else
        qunsetenv(switches_variable);
    return profile;
}

void RequestWall::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!allowed_scheme(info.requestUrl().scheme())) info.block(true);
}

QByteArray shell_page() {
    return QString::fromLatin1(shell_page_template).arg(QLatin1String(scheme_name)).toUtf8();
}

QString frame_walls_script() {
    return QString::fromLatin1(frame_walls_template).arg(named_image_address_prefix());
}

}  // namespace platform
