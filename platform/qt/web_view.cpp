#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QKeyEvent>
#include <QPointer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "platform/dispatcher.h"
#include "platform/link_click_gate.h"
#include "platform/qt/named_images.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "platform/qt/view_walls.h"
#include "platform/qt/web_channel_host.h"

namespace platform {

namespace {

constexpr char shell_url[] = "tembrick:shell";

// Gives the page `window.chrome.webview.postMessage`. Messages posted before
// the channel is up wait for it. It lives on `window`, so replacing the
// document's markup does not remove it.
constexpr char bridge_bootstrap[] = R"js(
(function () {
  var host = null, waiting = [];
  window.chrome = window.chrome || {};
  window.chrome.webview = {
    postMessage: function (message) {
      var text = String(message);
      if (host) host.post(text); else waiting.push(text);
    }
  };
  new QWebChannel(qt.webChannelTransport, function (channel) {
    host = channel.objects.host;
    waiting.splice(0).forEach(function (text) { host.post(text); });
  });
})();
)js";

class ShellSchemeHandler final : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        if (serve_named_image(job)) return;
        QByteArray mime_type;
        if (const QByteArray* file = served_file(job->requestUrl().path(), &mime_type)) {
            auto* buffer = new QBuffer(job);
            buffer->setData(*file);
            buffer->open(QIODevice::ReadOnly);
            job->reply(mime_type, buffer);
            return;
        }
        if (job->requestUrl().path() != QStringLiteral("shell")) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* buffer = new QBuffer(job);
        buffer->setData(shell_page());
        buffer->open(QIODevice::ReadOnly);
        job->reply("text/html", buffer);
    }
};

// One spelling for a hovered address and a clicked one.
std::wstring address_of(const QUrl& url) {
    return url.isEmpty() ? std::wstring() : from_qstring(url.toString(QUrl::FullyEncoded));
}

// Only our own scheme and inline data load. A link to the outside clicked by
// the user opens in the system browser; the page's own script cannot click
// one for the user (the engine reports its clicks as the user's). A link or
// form never replaces the document: one whose address a refused value left
// empty would reload the shell.
class LockedPage final : public QWebEnginePage {
public:
    LockedPage(QWebEngineProfile* profile, System& system)
        : QWebEnginePage(profile), system_(system) {
        connect(this, &QWebEnginePage::linkHovered, this,
                [this](const QString& url) { gate_.hovered(address_of(QUrl(url))); });
    }

    LinkClickGate& gate() { return gate_; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool main_frame) override {
        const QString scheme = url.scheme();
        if (main_frame && type == NavigationTypeFormSubmitted) return false;
        if (main_frame && type == NavigationTypeLinkClicked) {
            if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                scheme == QLatin1String("mailto")) {
                const std::wstring address = address_of(url);
                if (gate_.take(address, LinkClickGate::Clock::now())) system_.launch_uri(address);
            }
            return false;
        }
        return scheme == QLatin1String(scheme_name) || scheme == QLatin1String("data") ||
               scheme == QLatin1String("about");
    }

private:
    System& system_;
    LinkClickGate gate_;
};

// Tells the gate of the real mouse releases and Enter keys that reach the
// view; the engine's widget inside the view, which takes them, is made and
// remade by the engine.
class UserInputWatch final : public QObject {
public:
    UserInputWatch(QWebEngineView* view, LockedPage* page)
        : QObject(view), view_(view), page_(page) {
        view->installEventFilter(this);
        watch_focus_proxy();
    }

    void watch_focus_proxy() {
        QWidget* proxy = view_->focusProxy();
        if (proxy && proxy != watched_) {
            proxy->installEventFilter(this);
            watched_ = proxy;
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == view_) {
            if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
                QMetaObject::invokeMethod(
                    this, [this] { watch_focus_proxy(); }, Qt::QueuedConnection);
            return false;
        }
        if (object != watched_ || !page_) return false;
        if (event->type() == QEvent::MouseButtonRelease) {
            page_->gate().mouse_released(LinkClickGate::Clock::now());
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                page_->gate().enter_pressed(LinkClickGate::Clock::now());
        }
        return false;
    }

private:
    QWebEngineView* view_;
    QPointer<LockedPage> page_;
    QPointer<QWidget> watched_;
};

struct SharedProfile {
    SharedProfile()
        : profile(new_walled_profile()),
          handler(new ShellSchemeHandler(profile)),
          wall(new RequestWall(profile)) {
        profile->installUrlSchemeHandler(scheme_name, handler);
        profile->setUrlRequestInterceptor(wall);
        QWebEngineScript walls;
        walls.setName(QStringLiteral("tembrick-walls"));
        walls.setSourceCode(frame_walls_script());
        walls.setInjectionPoint(QWebEngineScript::DocumentCreation);
        walls.setWorldId(QWebEngineScript::MainWorld);
        walls.setRunsOnSubFrames(true);
        profile->scripts()->insert(walls);
        QFile channel_js(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
        QString source;
        if (channel_js.open(QIODevice::ReadOnly)) source = QString::fromUtf8(channel_js.readAll());
        source += QString::fromUtf8(bridge_bootstrap);
        QWebEngineScript script;
        script.setName(QStringLiteral("tembrick-bridge"));
        script.setSourceCode(source);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(false);
        profile->scripts()->insert(script);
    }
    ~SharedProfile() { delete profile; }
    SharedProfile(const SharedProfile&) = delete;
    SharedProfile& operator=(const SharedProfile&) = delete;

    QWebEngineProfile* profile;
    ShellSchemeHandler* handler;
    RequestWall* wall;
};

std::wstring json_of(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return L"null";
    const QByteArray wrapped =
        QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)}).toJson(QJsonDocument::Compact);
    // "[x]" -> "x"
    return from_qstring(QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2)));
}

class QtWebView final : public WebView {
public:
    QtWebView(std::shared_ptr<SharedProfile> profile, System& system)
        : WebView(make_native(new QWebEngineView)), profile_(std::move(profile)) {
        auto* view = static_cast<QWebEngineView*>(widget_of(*this));
        view->setContextMenuPolicy(Qt::NoContextMenu);
        page_ = new LockedPage(profile_->profile, system);
        channel_ = new QWebChannel(page_);
        host_ = new WebChannelHost;
        host_->setParent(page_);
        channel_->registerObject(QStringLiteral("host"), host_);
        page_->setWebChannel(channel_);
        view->setPage(page_);
        auto* watch = new UserInputWatch(view, page_);
        QObject::connect(page_, &QWebEnginePage::loadFinished, watch,
                         [watch] { watch->watch_focus_proxy(); });
        apply_settings();
        page_->load(QUrl(QString::fromLatin1(shell_url)));
    }

    ~QtWebView() override {
        close();
        // The view still refers to its page, and the page to its profile:
        // view, then page, then (with the last view) the profile.
        delete widget_of(*this);
        delete page_.data();
    }

    void start() {
        std::weak_ptr<Element> weak = weak_from_this();
        auto self = [weak]() -> QtWebView* {
            auto alive = weak.lock();
            return alive ? static_cast<QtWebView*>(alive.get()) : nullptr;
        };
        host_->on_message = [self](const std::wstring& message) {
            if (QtWebView* view = self()) view->web_message_received.raise(*view, message);
        };
        QObject::connect(page_, &QWebEnginePage::loadFinished, page_, [self](bool) {
            if (QtWebView* view = self()) view->navigation_completed.raise(*view);
        });
        focus_connection_ =
            QObject::connect(qApp, &QApplication::focusChanged, [self](QWidget*, QWidget* now) {
                QtWebView* view = self();
                if (!view || !now) return;
                QWidget* widget = widget_of(*view);
                if (widget && (now == widget || widget->isAncestorOf(now))) {
                    // Not from inside the focus change itself: the handler moves the focus.
                    post([self] {
                        if (QtWebView* later = self()) later->got_focus.raise(*later);
                    });
                }
            });
        post([self] {
            if (QtWebView* view = self()) view->core_initialized.raise(*view);
        });
    }

    void apply_settings() override {
        if (closed_) return;
        QWebEngineSettings* settings = page_->settings();
        settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
        settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        settings->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
        settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
        if (QWidget* view = widget_of(*this)) view->setContextMenuPolicy(Qt::NoContextMenu);
    }

    void execute_script(const std::wstring& script) override {
        if (closed_) return;
        name_files_in(script);
        page_->runJavaScript(to_qstring(script));
    }

    Task<std::wstring> execute_script_async(const std::wstring& script) override {
        TaskSource<std::wstring> source;
        if (closed_) {
            source.set_value(L"null");
        } else {
            name_files_in(script);
            page_->runJavaScript(to_qstring(script), [source](const QVariant& result) mutable {
                source.set_value(json_of(result));
            });
        }
        return source.task();
    }

    void close() override {
        QObject::disconnect(focus_connection_);
        if (closed_) return;
        closed_ = true;
        host_->on_message = nullptr;
        page_->disconnect();
        // The page is released with the view; until then it holds nothing.
        page_->triggerAction(QWebEnginePage::Stop);
        page_->setUrl(QUrl(QStringLiteral("about:blank")));
    }

    QWebEnginePage* page() const { return closed_ ? nullptr : page_.data(); }

private:
    std::shared_ptr<SharedProfile> profile_;
    QPointer<LockedPage> page_;
    QWebChannel* channel_ = nullptr;
    WebChannelHost* host_ = nullptr;
    QMetaObject::Connection focus_connection_;
    bool closed_ = false;
};

}  // namespace

void register_url_scheme() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    QWebEngineUrlScheme scheme(scheme_name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Not local: a page of ours may read no file.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

WebViewFactory make_qt_web_view_factory(System& system) {
    // Made with the first view: a window that fails before it never starts
    // the browser.
    auto profile = std::make_shared<std::shared_ptr<SharedProfile>>();
    return [profile, &system]() -> std::shared_ptr<WebView> {
        if (!*profile) *profile = std::make_shared<SharedProfile>();
        auto view = std::make_shared<QtWebView>(*profile, system);
        view->start();
        return view;
    };
}

QWebEnginePage* page_of(WebView& view) {
    auto* qt_view = dynamic_cast<QtWebView*>(&view);
    return qt_view ? qt_view->page() : nullptr;
}

}  // namespace platform
