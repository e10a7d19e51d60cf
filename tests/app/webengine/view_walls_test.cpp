// The walls around the real web views: a page reaches no local file and no
// server, whatever it tries; a local image a page names still shows, the
// preview still shows its PDF, and the program hears only document names.
// (A library link row opening its document runs end to end.)
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QPainter>
#include <QPdfWriter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/webengine/loaded_view.h"
#include "core/interface_language_fixture.h"
#include "core/temp_folder.h"
#include "platform/document_output.h"
#include "platform/js_string_literal.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "ui/output/preview_page.h"
#include "ui/output/print_view.h"

namespace {

using app_test::run_script;
using app_test::wait_until;

// A TCP server and a UDP port on the loopback that count who reaches them.
class Listeners {
public:
    Listeners() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                socket->deleteLater();
            }
        });
        socket_.bind(QHostAddress::LocalHost);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] {
            for (; socket_.hasPendingDatagrams(); ++datagrams) socket_.receiveDatagram();
        });
    }
    std::wstring tcp_port() const { return std::to_wstring(server_.serverPort()); }
    std::wstring udp_port() const { return std::to_wstring(socket_.localPort()); }
    // Both do listen: the test's own datagram and connection arrive.
    bool hear_the_test() {
        QUdpSocket datagram;
        datagram.writeDatagram("x", QHostAddress::LocalHost, socket_.localPort());
        QTcpSocket connection;
        connection.connectToHost(QHostAddress::LocalHost, server_.serverPort());
        return app_test::wait_until([&] { return datagrams > 0 && connections > 0; });
    }

    int connections = 0, datagrams = 0;

private:
    QTcpServer server_;
    QUdpSocket socket_;
};

class ViewWalls : public core_test::interface_language_test {
protected:
    void SetUp() override {
        interface_language_test::SetUp();
        view = app_test::loaded_view(system);
    }

    void show_page(const std::wstring& html) {
        view->execute_script(ui::replace_page_script(html));
    }

    // Gives the view's events time to arrive.
    static void settle(int milliseconds) {
        wait_until([] { return false; }, milliseconds);
    }

    platform::FakeSystem system;
    std::shared_ptr<platform::WebView> view;
};

std::wstring replaced(std::wstring text, const std::wstring& mark, const std::wstring& by) {
    for (auto at = text.find(mark); at != std::wstring::npos; at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

// Each probe ends as 'failed' or as what it reached.
constexpr wchar_t probes_script[] =
    LR"js((function () {
  var probes = window.probes = {};
  try {
    var file = new XMLHttpRequest();
    file.open('GET', 'FILE', false);
    file.send();
    probes.file = file.responseText ? 'read' : 'failed';
  } catch (e) { probes.file = 'failed'; }
  var xhr = new XMLHttpRequest();
  xhr.onload = function () { probes.xhr = 'loaded'; };
  xhr.onerror = function () { probes.xhr = 'failed'; };
  try { xhr.open('GET', 'http://127.0.0.1:PORT/xhr'); xhr.send(); } catch (e) { probes.xhr = 'failed'; }
  var image = new Image();
  image.onload = function () { probes.image = 'loaded'; };
  image.onerror = function () { probes.image = 'failed'; };
  image.src = 'http://127.0.0.1:PORT/image.png';
  try {
    var socket = new WebSocket('ws://127.0.0.1:PORT/socket');
    socket.onopen = function () { probes.socket = 'open'; };
    socket.onerror = function () { probes.socket = 'failed'; };
  } catch (e) { probes.socket = 'failed'; }
  function peer(name, Connection) {
    try {
      var connection = new Connection({iceServers: [{urls: 'turn:127.0.0.1:PORT?transport=tcp',
                                                    username: 'u', credential: 'c'}]});
      connection.createDataChannel('probe');
      connection.createOffer().then(function (offer) { return connection.setLocalDescription(offer); });
      probes[name] = 'made';
    } catch (e) { probes[name] = 'failed'; }
  }
  peer('peer', window.RTCPeerConnection);
  var frame = document.createElement('iframe');
  document.body.appendChild(frame);
  peer('framed peer', frame.contentWindow.RTCPeerConnection);
  var holder = document.createElement('div');
  document.body.appendChild(holder);
  holder.innerHTML = '<p><iframe></iframe></p>';
  peer('indexed peer', window[1].webkitRTCPeerConnection);
  return 'started';
})())js";

TEST_F(ViewWalls, APageReachesNoLocalFileAndNoServer) {
    core_test::TempFolder folder;
    core_test::write_file(folder / L"secret.txt", "secret");
    Listeners server;
    show_page(L"<html><head></head><body><p>Page</p></body></html>");
    const std::wstring file_url = platform::from_qstring(
        QUrl::fromLocalFile(platform::to_qstring(folder.text() + L"/secret.txt")).toString());
    const std::wstring script =
        replaced(replaced(probes_script, L"FILE", file_url), L"PORT", server.tcp_port());
    ASSERT_EQ(run_script(*view, script), L"\"started\"");
    const wchar_t* const probes[] = {L"file", L"xhr",         L"image",       L"socket",
                                     L"peer", L"framed peer", L"indexed peer"};
    for (const wchar_t* probe : probes) {
        std::wstring outcome;
        EXPECT_TRUE(wait_until(
            [&] {
                outcome = run_script(*view, L"window.probes['" + std::wstring(probe) + L"'] || ''");
                return outcome != L"\"\"";
            },
            10000))
            << probe;
        EXPECT_EQ(outcome, L"\"failed\"") << probe;
    }
    settle(1000);
    EXPECT_EQ(server.connections, 0);
    EXPECT_TRUE(server.hear_the_test());
}

// A template's own script, run as its page loads: frames made where the
// frame walls do not see them (inside open and closed shadow roots, from
// srcdoc and blob: sources) lend their RTCPeerConnection, and each one asks
// STUN and TURN servers at the test's ports, by address and by host name,
// with page text in the TURN user name.
constexpr wchar_t hidden_frame_peers[] =
    LR"js(
(function () {
  var probes = window.probes = {};
  var servers = [{urls: ['stun:127.0.0.1:@UDP@', 'stun:localhost:@UDP@']},
                 {urls: ['turn:127.0.0.1:@UDP@?transport=udp', 'turn:127.0.0.1:@TCP@?transport=tcp',
                         'turn:localhost:@TCP@?transport=tcp'],
                  username: document.title, credential: 'c'}];
  function peer(name, Connection) {
    try {
      var connection = new Connection({iceServers: servers});
      connection.createDataChannel('probe');
      connection.createOffer().then(function (offer) { return connection.setLocalDescription(offer); });
      probes[name] = 'made';
    } catch (e) { probes[name] = 'failed'; }
  }
  function framed(name, root, source) {
    var frame = document.createElement('iframe');
    if (source === 'srcdoc') frame.srcdoc = '<p>inner</p>';
    // A handler sees the document's own URL as "URL".
    if (source === 'blob') {
      frame.src = window.URL.createObjectURL(new window.Blob(['<p>inner</p>'], {type: 'text/html'}));
    }
    root.appendChild(frame);
    peer(name, frame.contentWindow && frame.contentWindow.RTCPeerConnection);
    frame.addEventListener('load', function () {
      peer(name + ' loaded', frame.contentWindow && frame.contentWindow.RTCPeerConnection);
    });
  }
  peer('page', window.RTCPeerConnection);
  ['open', 'closed'].forEach(function (mode) {
    var host = document.createElement('div');
    document.body.appendChild(host);
    var root = host.attachShadow({mode: mode});
    ['plain', 'srcdoc', 'blob'].forEach(function (source) { framed(mode + ' ' + source, root, source); });
  });
})();
)js";

// The engine reads its switches as it starts; a program the desktop starts
// for a link gets the environment as the user gave it, not our proxy. Also
// run, first, with the user's values of CMakeLists.txt.
TEST(ViewSwitches, TheEnvironmentKeepsTheUsersValue) {
    constexpr char name[] = "QTWEBENGINE_CHROMIUM_FLAGS";
    const bool was_set = qEnvironmentVariableIsSet(name);
    const std::string before = qgetenv(name).toStdString();
    platform::FakeSystem system;
    auto view = app_test::loaded_view(system);
    EXPECT_EQ(qEnvironmentVariableIsSet(name), was_set);
    EXPECT_EQ(qgetenv(name).toStdString(), before);
}

class PeerListeners : public ViewWalls {
protected:
    // Runs the peers as the template's own script (from a handler) and
    // gives them time to reach the listeners.
    void run_peers() {
        const std::wstring script =
            replaced(replaced(hidden_frame_peers, L"@UDP@", servers.udp_port()), L"@TCP@",
                     servers.tcp_port());
        const std::wstring handler =
            replaced(replaced(replaced(script, L"&", L"&amp;"), L"\"", L"&quot;"), L"<", L"&lt;");
        show_page(
            L"<html><head><title>page text</title></head><body><img src=\"data:,\" "
            L"onerror=\"" +
            handler + L"\"></body></html>");
        ASSERT_TRUE(wait_until([&] { return run_script(*view, L"!!window.probes") == L"true"; }))
            << "the template's script never ran";
        settle(5000);
    }

    Listeners servers;
};

// Also run with the user's values of CMakeLists.txt.
TEST_F(PeerListeners, FramesInShadowRootsReachNoStunOrTurnServer) {
    run_peers();
    EXPECT_EQ(servers.datagrams, 0);
    EXPECT_EQ(servers.connections, 0);
    EXPECT_TRUE(servers.hear_the_test());
}

// The wall below the page holds on its own: with the frame script gone, the
// page's own RTCPeerConnection reaches nothing either.
TEST_F(PeerListeners, TheEngineSwitchesAloneKeepPeersOffTheNetwork) {
    QWebEnginePage* page = platform::page_of(*view);
    ASSERT_NE(page, nullptr);
    QWebEngineScriptCollection* scripts = page->profile()->scripts();
    const QList<QWebEngineScript> walls = scripts->find(QStringLiteral("tembrick-walls"));
    ASSERT_EQ(walls.size(), 1);
    scripts->remove(walls.front());
    bool reloaded = false;
    QObject::connect(page, &QWebEnginePage::loadFinished, page, [&] { reloaded = true; });
    page->triggerAction(QWebEnginePage::Reload);
    ASSERT_TRUE(wait_until([&] { return reloaded; }));
    run_peers();
    EXPECT_EQ(run_script(*view, L"window.probes.page"), L"\"made\"");
    EXPECT_EQ(servers.datagrams, 0);
    EXPECT_EQ(servers.connections, 0);
    EXPECT_TRUE(servers.hear_the_test());
}

// Frames in open and closed shadow roots, reached each way a page has, each
// on a fresh frame: what each frame's RTCPeerConnection and its alias are,
// as soon as the frame is reached and after it loaded.
constexpr wchar_t shadow_frame_peers[] =
    LR"js((function () {
  var found = window.found = {}, count = 0;
  function look(name, reach) {
    try {
      var inner = reach();
      found[name] = inner ? typeof inner.RTCPeerConnection + ' ' + typeof inner.webkitRTCPeerConnection
                          : 'no window';
    } catch (e) { found[name] = 'unreachable: ' + e; }
  }
  var other = document.createElement('iframe');
  document.body.appendChild(other);
  var otherRealm = Object.getOwnPropertyDescriptor(other.contentWindow.HTMLIFrameElement.prototype,
                                                   'contentWindow').get;
  var ways = {
    'contentWindow': function (frame) { return frame.contentWindow; },
    'contentDocument': function (frame) { return frame.contentDocument.defaultView; },
    'open by name': function (frame) { return window.open('', frame.name); },
    'getter of another frame': function (frame) { return otherRealm.call(frame); },
  };
  ['open', 'closed'].forEach(function (mode) {
    var host = document.createElement('div');
    document.body.appendChild(host);
    var root = host.attachShadow({mode: mode});
    ['plain', 'srcdoc'].forEach(function (source) {
      Object.keys(ways).forEach(function (way) {
        var name = mode + ' ' + source + ' ' + way;
        var frame = document.createElement('iframe');
        frame.name = 'frame' + (++count);
        if (source === 'srcdoc') frame.srcdoc = '<p>inner</p>';
        // A plain frame loads inside appendChild.
        frame.addEventListener('load', function () {
          look(name + ' loaded', function () { return ways[way](frame); });
        });
        root.appendChild(frame);
        look(name, function () { return ways[way](frame); });
      });
    });
  });
  return 'started';
})())js";

TEST_F(ViewWalls, NoFrameInAShadowRootHasAPeerConnection) {
    show_page(L"<html><head></head><body><p>Page</p></body></html>");
    ASSERT_EQ(run_script(*view, shadow_frame_peers), L"\"started\"");
    // Two shadow roots, two sources, four ways, each before and after loading.
    const qsizetype reaches = 2 * 2 * 4 * 2;
    QJsonObject found;
    EXPECT_TRUE(wait_until([&] {
        found = QJsonDocument::fromJson(
                    QString::fromStdWString(run_script(*view, L"window.found")).toUtf8())
                    .object();
        return found.size() == reaches;
    })) << found.size();
    for (auto reach = found.begin(); reach != found.end(); ++reach)
        EXPECT_EQ(reach.value().toString().toStdString(), "undefined undefined")
            << reach.key().toStdString();
}

std::wstring image_state(platform::WebView& view, const std::wstring& id) {
    return run_script(view, L"(function(){var i=document.getElementById('" + id +
                                L"');return i.complete?String(i.naturalWidth):'loading';})()");
}

TEST_F(ViewWalls, ALocalImageAPageNamesShowsAndNoOtherFileIsServed) {
    core_test::TempFolder folder;
    const std::wstring named = folder.text() + L"/красный квадрат.png";
    const std::wstring encoded = folder.text() + L"/синий квадрат.bmp";
    const std::wstring unnamed = folder.text() + L"/other.png";
    const std::wstring text = folder.text() + L"/notes.txt";
    QImage square(40, 30, QImage::Format_RGB32);
    square.fill(Qt::red);
    for (const std::wstring& image : {named, encoded, unnamed})
        ASSERT_TRUE(square.save(platform::to_qstring(image)));
    core_test::write_file(folder / L"notes.txt", "secret");
    // As a template writes it, and as the engine links a large image.
    const std::wstring encoded_url = platform::from_qstring(
        QUrl::fromLocalFile(platform::to_qstring(encoded)).toString(QUrl::FullyEncoded));
    show_page(L"<html><head></head><body><img id=named src=\"file://" + named +
              L"\"><img id=encoded src=\"" + encoded_url + L"\"/><img id=text src='file://" + text +
              L"'></body></html>");
    std::wstring state;
    for (const wchar_t* shown : {L"named", L"encoded"}) {
        EXPECT_TRUE(
            wait_until([&] { return (state = image_state(*view, shown)) != L"\"loading\""; }));
        EXPECT_EQ(state, L"\"40\"") << shown;
    }
    EXPECT_TRUE(
        wait_until([&] { return (state = image_state(*view, L"text")) != L"\"loading\""; }));
    EXPECT_EQ(state, L"\"0\"");
    // A page cannot ask our scheme for a file that was never named.
    run_script(*view, L"document.getElementById('text').src='tembrick:image" + unnamed + L"';");
    EXPECT_TRUE(
        wait_until([&] { return (state = image_state(*view, L"text")) != L"\"loading\""; }));
    EXPECT_EQ(state, L"\"0\"");
}

// A one-page PDF that is a black square on white.
platform::PdfBytes black_square_pdf() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, writer.width() / 2, writer.width() / 2), Qt::black);
    }
    return platform::PdfBytes(bytes.begin(), bytes.end());
}

TEST_F(ViewWalls, ThePreviewShowsItsPdf) {
    QWidget* widget = platform::widget_of(*view);
    ASSERT_NE(widget, nullptr);
    widget->resize(700, 500);
    widget->show();
    auto output = platform::make_document_output();
    show_page(ui::preview_page(output->publish_pdf(black_square_pdf())));
    EXPECT_TRUE(wait_until(
        [&] {
            const QImage shot = widget->grab().toImage();
            int black = 0;
            for (int y = 0; y < shot.height(); y += 5)
                for (int x = 0; x < shot.width(); x += 5) black += qGray(shot.pixel(x, y)) < 16;
            return black > 100;
        },
        30000))
        << "the PDF never showed";
}

TEST_F(ViewWalls, OnlyDocumentNamesOfBoundedLengthReachTheProgram) {
    std::vector<std::wstring> received;
    view->web_message_received.add(
        [&](platform::WebView&, const std::wstring& message) { received.push_back(message); });
    run_script(*view,
               LR"js((function () {
      var post = window.chrome.webview.postMessage;
      post('Agreements/Sales|Agreement');
      post('x'.repeat(5000));
      post('first\nsecond');
      post('last');
    })())js");
    ASSERT_TRUE(wait_until([&] { return !received.empty() && received.back() == L"last"; }));
    EXPECT_EQ(received, (std::vector<std::wstring>{L"Agreements/Sales|Agreement", L"last"}));
    // The channel offers the page QObject's deleteLater too; the program's
    // object outlives a call of it.
    run_script(*view,
               L"new QWebChannel(qt.webChannelTransport, function (channel) {"
               L"  var host = channel.objects.host; host.deleteLater();"
               L"  setTimeout(function () { host.post('after'); }, 200); })");
    ASSERT_TRUE(wait_until([&] { return received.back() == L"after"; }));
}

}  // namespace
