// A view that shows HTML and talks to the page by script and messages.
//
// Content only goes in by script. The page posts strings with
// `window.chrome.webview.postMessage`, which arrive as
// `web_message_received`; only texts that can name a document arrive. The
// page reaches no network and reads no file: a local image shows only when a
// script run here named its file. Events are raised on the UI thread, never
// while a script call is being made. UI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"
#include "platform/task.h"

namespace platform {

class WebView : public Element {
public:
    // Scripts on, page messages on, no browser context menu and no browser
    // keyboard shortcuts.
    virtual void apply_settings() = 0;
    // Runs a script in the current page; its result is not awaited.
    virtual void execute_script(const std::wstring& script) = 0;
    // Runs a script; the task gives its result as JSON ("null" when it has none).
    virtual Task<std::wstring> execute_script_async(const std::wstring& script) = 0;
    // Releases the page; scripts after this do nothing.
    virtual void close() = 0;

    Event<WebView> core_initialized;
    Event<WebView> navigation_completed;
    Event<WebView, std::wstring> web_message_received;
    Event<WebView> got_focus;

protected:
    WebView() = default;
    explicit WebView(NativePtr native) : Element(std::move(native)) {}
};

using WebViewFactory = std::function<std::shared_ptr<WebView>()>;

}  // namespace platform
