// Keystroke to painted page: the program's own window types into a field
// key by key and, for each key, measures from the key event to the view
// having painted the new text.
//
//   keystroke_probe [keys] [long]
//                            types `keys` keys (200 by default) into each
//                            field below and prints median, 90th percentile
//                            and maximum, with the program's and the view's
//                            side of it; two of them are first filled with
//                            `long` characters (the field limit less the
//                            keys by default; past it the limit is lifted),
//                            after which a repaint of the field, as a cursor
//                            blink makes, is timed too
//
// The program's side runs from the key event until the render's script has
// gone to the view (store, conditions, render, literal). The page reports
// its side itself: a mutation observer notes when the content changed, and a
// requestAnimationFrame callback followed by a task notes when that frame
// was laid out and painted. The probe reads those times with asynchronous
// script calls, never through the page bridge, and puts them on its own
// clock. Before typing, the view is scrolled to where the field first shows.
// Each key waits for the previous one to be painted and then for a pause of
// 20 to 60 ms, so keys fall anywhere between two frames, as a typist's do.
// A key is paired with its own change of the page (the first after the key
// was typed, which the probe marks in the page) and that change's paint; a
// key whose paint is not seen within 5 seconds is dropped and counted.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb), in
// a fresh home folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/start.h"
#include "platform/dispatcher.h"
#include "platform/js_string_literal.h"
#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/text_box.h"
#include "tools/generated_templates/fifty_pages.h"
#include "tools/keystroke_probe/key_pairing.h"
#include "tools/keystroke_probe/probe_templates.h"
#include "tools/probe_home/probe_home.h"
#include "ui/editing/field_text_limit.h"

namespace {

struct field_to_type {
    const char* title;
    std::wstring link;  // as a file link posts it
    std::wstring field;
    // Characters the field is filled with before typing; 0 keeps its value.
    std::size_t filled = 0;
};

// When the program sent each render's script to the view.
std::vector<double> renders_sent;

// The first render sent at or after `time`; 0 when none was.
double render_sent_after(double time) {
    const auto found = std::lower_bound(renders_sent.begin(), renders_sent.end(), time);
    return found == renders_sent.end() ? 0 : *found;
}

double now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The script's answer as JSON; empty when none came.
std::wstring run_script(platform::WebView& view, const std::wstring& script) {
    auto task = view.execute_script_async(script);
    if (!probe::wait_until([&] { return task.done(); })) return {};
    return task.take();
}

std::vector<double> numbers_in(const std::wstring& json) {
    std::vector<double> numbers;
    std::string text(json.begin(), json.end());
    for (char& c : text) {
        if (c == '[' || c == ']' || c == ',') c = ' ';
    }
    const char* at = text.c_str();
    char* end = nullptr;
    for (double value = std::strtod(at, &end); end != at; value = std::strtod(at, &end)) {
        numbers.push_back(value);
        at = end;
    }
    return numbers;
}

// Page times are on the browser's monotonic clock counted from an epoch of
// its own; the offset to ours is taken from the quickest of many round trips.
double page_clock_offset(platform::WebView& view) {
    double best_round_trip = 1e9, offset = 0;
    for (int i = 0; i < 30; ++i) {
        const double before = now_ms();
        const std::vector<double> page =
            numbers_in(run_script(view, L"[performance.timeOrigin + performance.now()]"));
        const double after = now_ms();
        if (page.size() == 1 && after - before < best_round_trip) {
            best_round_trip = after - before;
            offset = page[0] - (before + after) / 2;
        }
    }
    return offset;
}

// Notes every change of the content with the key it followed (the probe
// marks each key before typing it) and when the frame that shows it was
// painted: the task after a requestAnimationFrame callback runs once that
// frame's layout and paint are done. A change after the callback waits for
// the next frame.
constexpr wchar_t page_watch[] =
    LR"js(
(function () {
  var watch = window.tembrickProbe = {key: -1, changes: []}, pending = [];
  function clock() { return performance.timeOrigin + performance.now(); }
  new MutationObserver(function () {
    var change = {key: watch.key, changed: clock(), painted: 0};
    watch.changes.push(change);
    pending.push(change);
    if (pending.length > 1) return;
    requestAnimationFrame(function () {
      var framed = pending, channel = new MessageChannel();
      pending = [];
      channel.port1.onmessage = function () {
        var t = clock();
        framed.forEach(function (c) { c.painted = t; });
      };
      channel.port2.postMessage(0);
    });
  }).observe(document.documentElement, {subtree: true, childList: true, characterData: true, attributes: true});
})();
)js";

// Marks the changes that follow as the key's, forgetting earlier ones.
std::wstring mark_key(int key) {
    return L"window.tembrickProbe.key = " + std::to_wstring(key) +
           L"; window.tembrickProbe.changes = []; true";
}

// The key's changes, as changed and painted times (0 while not painted).
std::wstring key_changes(int key) {
    return L"window.tembrickProbe.changes.filter(function (c) { return c.key === " +
           std::to_wstring(key) + L"; }).map(function (c) { return [c.changed, c.painted]; })";
}

void collect_text_boxes(const platform::Panel& panel,
                        std::vector<std::shared_ptr<platform::TextBox>>& out) {
    for (std::size_t i = 0; i < panel.children().size(); ++i) {
        const auto& child = panel.children().at(i);
        if (auto box = std::dynamic_pointer_cast<platform::TextBox>(child)) out.push_back(box);
        if (auto inner = std::dynamic_pointer_cast<platform::Panel>(child))
            collect_text_boxes(*inner, out);
    }
}

// The text box of the open document's field `name`, on its section's panel.
std::shared_ptr<platform::TextBox> show_box(app::MainWindow& window, const std::wstring& name) {
    engine::document_data* data = window.session().data();
    if (!data) return nullptr;
    for (std::size_t s = 0; s < engine::group_count_of(data->parameters); ++s) {
        const engine::doc_group& section = data->parameters.groups[s];
        for (std::size_t f = 0; f < engine::element_count_of(section); ++f) {
            if (section.elements[f].record.s1 != name) continue;
            window.session().set_section(std::int32_t(s));
            window.left_menu().RefreshMenuPanel();
            std::vector<std::shared_ptr<platform::TextBox>> boxes;
            collect_text_boxes(window.data_panel().panel(), boxes);
            const platform::TreeIndex tag{std::int32_t(s), std::int32_t(f), -1};
            for (const auto& box : boxes) {
                if (box->data_context == platform::Value(tag)) return box;
            }
            return nullptr;
        }
    }
    return nullptr;
}

// Words in paragraphs of about 600 characters, as a memo is typed; one
// paragraph in a one-line box.
std::wstring long_text(std::size_t length, bool paragraphs) {
    static constexpr std::wstring_view words =
        L"The Supplier shall deliver the goods to the Buyer's warehouse within ten working "
        L"days of each order, packed for transport and with the documents listed above. ";
    std::wstring text;
    for (int sentence = 1; text.size() < length; ++sentence) {
        text += words;
        if (paragraphs && sentence % 4 == 0) text.back() = L'\n';
    }
    text.resize(length);
    return text;
}

// The quickest of repeated paints of the whole field, as a cursor blink
// repaints it: drawn into a picture of its own, so the field need not be
// in sight.
double repaint_ms(QWidget* editor) {
    QPixmap picture(editor->size());
    double best = 1e9;
    for (int i = 0; i < 20; ++i) {
        const double before = now_ms();
        editor->render(&picture);
        best = std::min(best, now_ms() - before);
    }
    return best;
}

std::wstring editor_text(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) return line->text().toStdWString();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor))
        return memo->toPlainText().toStdWString();
    return {};
}

void type_key(QWidget* editor, int index) {
    const QChar letter = QChar(u'a' + index % 26);
    const auto key = Qt::Key(Qt::Key_A + index % 26);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(letter));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(editor, &press);
    QApplication::sendEvent(editor, &release);
}

struct key_times {
    double program;  // key event to the script sent
    double script;   // script sent to the content changed
    double paint;    // content changed to the frame painted
    double total() const { return program + script + paint; }
};

double percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t rank = std::size_t(share * double(values.size()) + 0.999999);
    return values[std::min(values.size(), std::max<std::size_t>(rank, 1)) - 1];
}

void report(const field_to_type& typed, const std::vector<key_times>& keys) {
    std::vector<double> total, program, view, script, paint;
    for (const key_times& k : keys) {
        total.push_back(k.total());
        program.push_back(k.program);
        view.push_back(k.script + k.paint);
        script.push_back(k.script);
        paint.push_back(k.paint);
    }
    std::printf("%s, %zu keys: median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n", typed.title,
                keys.size(), percentile(total, 0.5), percentile(total, 0.9),
                percentile(total, 1.0));
    std::printf(
        "  program (store, conditions, render, literal): median %.1f ms, 90th percentile %.1f ms\n",
        percentile(program, 0.5), percentile(program, 0.9));
    std::printf(
        "  view (replace, layout, paint): median %.1f ms, 90th percentile %.1f ms"
        " (script %.1f ms, layout and paint %.1f ms)\n",
        percentile(view, 0.5), percentile(view, 0.9), percentile(script, 0.5),
        percentile(paint, 0.5));
    std::fflush(stdout);
}

// Opens the document, types `count` keys into the field and reports; false
// when something never happened.
bool measure(app::MainWindow& window, const field_to_type& typed, int count) {
    platform::WebView& view = *window.elements().main_webview;
    window.OnWebMessageReceived(view, typed.link);
    const std::shared_ptr<platform::TextBox> box = show_box(window, typed.field);
    if (!box) {
        std::printf("%s: no editor for the field\n", typed.title);
        return false;
    }
    if (typed.filled > 0) {
        // Past the field limit the probe lifts it, to measure what it spares.
        box->set_max_length(std::max(box->max_length(), typed.filled + std::size_t(count)));
        box->set_text(long_text(typed.filled, box->multi_line()));
    }
    QWidget* editor = platform::widget_of(*box);
    editor->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->end(false);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) memo->moveCursor(QTextCursor::End);
    // Let the opened document settle before watching.
    QElapsedTimer settle;
    settle.start();
    probe::wait_until([&] { return settle.elapsed() > 1000; });
    // The reader looks at the first place that shows the field.
    const std::wstring value = editor_text(editor);
    run_script(view,
               L"(function (text) { var walker = document.createTreeWalker(document.body, "
               L"NodeFilter.SHOW_TEXT);"
               L" while (walker.nextNode()) if (walker.currentNode.data.indexOf(text) >= 0) {"
               L" walker.currentNode.parentNode.scrollIntoView({block: 'center'}); return; } })('" +
                   platform::js_string_literal(
                       value.substr(value.size() - std::min<std::size_t>(value.size(), 8))) +
                   L"')");
    run_script(view, page_watch);
    const double offset = page_clock_offset(view);

    std::vector<key_times> keys;
    int dropped = 0;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause_ms(20, 60);
    const app::ViewUpdates before = window.view_updates();
    for (int i = 0; i < count; ++i) {
        QElapsedTimer pause;
        pause.start();
        const int wanted = pause_ms(random);
        probe::wait_until([&] { return pause.elapsed() >= wanted; });
        if (run_script(view, mark_key(i)) != L"true") {
            std::printf("%s: the view does not answer\n", typed.title);
            return false;
        }
        const double pressed = now_ms();
        type_key(editor, i);
        // The key's own change, the first after it was typed, and that
        // change's paint. A key whose paint is not seen is dropped.
        double sent = 0, changed = 0, shown = 0;
        probe::wait_until(
            [&] {
                sent = render_sent_after(pressed);
                if (sent == 0) return false;
                const auto paint = probe::key_paint_of(numbers_in(run_script(view, key_changes(i))),
                                                       offset, pressed);
                if (!paint) return false;
                changed = paint->changed;
                shown = paint->painted;
                return true;
            },
            5000);
        if (shown == 0) {
            ++dropped;
            continue;
        }
        keys.push_back({sent - pressed, changed - sent, shown - changed});
    }
    if (keys.empty()) {
        std::printf("%s: no key was painted\n", typed.title);
        return false;
    }

    // The typed letters only: the document may write a value's first letter
    // in capitals.
    const std::wstring typed_value = editor_text(editor);
    const std::wstring tail =
        typed_value.substr(typed_value.size() - std::min<std::size_t>(std::size_t(count), 20));
    if (run_script(view, L"document.body.textContent.indexOf('" +
                             platform::js_string_literal(tail) + L"') >= 0") != L"true") {
        std::printf("%s: the view does not show the typed value\n", typed.title);
        return false;
    }
    report(typed, keys);
    if (typed.filled > 0) {
        std::printf("  %zu characters; a repaint of the field: %.2f ms\n", typed_value.size(),
                    repaint_ms(editor));
    }
    if (dropped > 0) std::printf("  %d keys dropped: their paint was not seen\n", dropped);
    const app::ViewUpdates& after = window.view_updates();
    std::printf("  view updates: %d text nodes, %d pages, %d whole builds\n",
                after.text_edits - before.text_edits, after.page_replaces - before.page_replaces,
                after.builds - before.builds);
    return true;
}

void run_probe(app::MainWindow& window, int count, std::size_t filled) {
    const std::filesystem::path library =
        std::filesystem::path(window.session().folders().data_folder) / "briks";
    if (!probe::write_probe_templates(library)) {
        std::printf("could not write the generated templates under %s\n", library.c_str());
        return;
    }
    const std::wstring fifty = probe::fifty_pages_link;
    // clang-format off
    const field_to_type fields[] = {
        {"Sales Agreement, \"Buyer\"", L"Agreements/Sales|Agreement", L"Buyer"},
        {"50 pages, field on every page", fifty, generated::every_page_field},
        {"50 pages, field on one page", fifty, generated::one_page_field},
        {"50 pages, 2,000-character memo", fifty, generated::memo_field},
        {"400 fields with conditions", probe::many_fields_link, probe::many_fields_typed},
        {"Sales Agreement, \"Buyer\" filled", L"Agreements/Sales|Agreement", L"Buyer", filled},
        {"50 pages, memo filled", fifty, generated::memo_field, filled},
    };
    // clang-format on
    bool all = true;
    for (const field_to_type& typed : fields) all = measure(window, typed, count) && all;
    if (!all) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::size_t filled =
        argc > 2 ? std::size_t(std::max(1L, std::atol(argv[2])))
                 : ui::field_text_limit - std::min(ui::field_text_limit, std::size_t(count));
    const std::filesystem::path home = probe::use_fresh_home("tembrick-keys");
    probe::start_in_english(home);

    app::MainWindowHooks hooks;
    hooks.render_sent = [](app::MainWindow&) { renders_sent.push_back(now_ms()); };
    hooks.first_page_shown = [count, filled](app::MainWindow& window) {
        platform::post([&window, count, filled] {
            run_probe(window, count, filled);
            window.elements().window->close();
        });
    };
    const int code = app::start(1, argv, hooks);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return code;
}
