// From the click on a listed field's pick button to the list dialog on the
// screen with 10,000 remembered texts: the list read, extended, sorted and
// written, the dialog built and shown. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/test/bench/ui_picking_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "app/main_window.h"
#include "app/start.h"
#include "core/file_paths.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_web_view.h"
#include "platform/qt/qt_platform.h"
#include "platform/testing.h"
#include "support/remembered_texts.h"
#include "support/temp_folder.h"
#include "support/ten_page_contract.h"
#include "ui/editing/value_list.h"

namespace {

void pump() {
    for (int turn = 0; turn < 5; ++turn) QCoreApplication::processEvents();
}

struct ListedField {
    ListedField() {
        system.install = core::text_of(PAPERWRIGHT_BUILT_SHARE);
        system.data = core::text_of(root.path() / "data");
        system.temp = core::text_of(root.path() / "cache/tembrick/temp");
        std::filesystem::create_directories(root.path() / "data/briks/Tests");
        std::filesystem::create_directories(root.path() / "data/lists");
        std::filesystem::create_directories(root.path() / "cache/tembrick/temp");
        fixture::write_bytes(root.path() / "data/briks/Tests/Ten Pages.brik",
                             fixture::ten_page_contract_bytes());
        session = app::start_session(system);
        window = std::make_unique<app::MainWindow>(*session, system, [this] {
            return views.emplace_back(platform::FakeWebView::create());
        });
        window->activate();
        views.at(0)->navigation_completed.raise(*views.at(0));
        views.at(0)->answer_next();
        pump();
        window->OnWebMessageReceived(*views.at(0), L"Tests/Ten|Pages");
        engine::doc_node& parameters = session->data()->parameters;
        engine::doc_group& section = parameters.groups.emplace_back();
        parameters.group_count = std::int32_t(parameters.groups.size());
        engine::doc_element& field = section.elements.emplace_back();
        section.element_count = 1;
        field.record.a = 2;
        field.record.s1 = L"Client";
        field.record.s3 = L"Client";
        field.record.s2 = L"Northwind Trading LLC, Moscow branch";
        session->set_section(parameters.group_count - 1);
        window->left_menu().RefreshMenuPanel();
    }

    fixture::temp_folder root;
    platform::FakeSystem system;
    std::vector<std::shared_ptr<platform::FakeWebView>> views;
    std::unique_ptr<core::session> session;
    std::unique_ptr<app::MainWindow> window;
};

ListedField* listed = nullptr;

void ClickToShownListOf10000(benchmark::State& state) {
    // Sorted, as the dialog writes its lists; the field's own text makes the
    // 10,000th entry, the most a list keeps, so the list is written too.
    std::vector<std::wstring> texts = fixture::remembered_texts(ui::value_list_max_entries - 1);
    ui::sort_value_list(texts);
    const std::string stored = ui::encode_value_list(texts);
    platform::Panel& panel = listed->window->data_panel().panel();
    auto row = std::dynamic_pointer_cast<platform::Panel>(panel.children().at(1));
    auto button = std::dynamic_pointer_cast<platform::Button>(row->children().at(1));
    for (auto _ : state) {
        fixture::write_bytes(listed->root.path() / "data/lists/Client.list", stored);
        const auto start = std::chrono::steady_clock::now();
        button->click();
        // Laid out and painted.
        QCoreApplication::processEvents();
        const auto shown = std::chrono::steady_clock::now();
        auto dialog = platform::testing::last_dialog();
        if (!dialog || !dialog->is_open()) {
            state.SkipWithError("no dialog showed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        dialog->click_close();
        pump();
    }
}
BENCHMARK(ClickToShownListOf10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    platform::register_url_scheme();
    QApplication application(argc, argv);
    platform::install_qt_services();
    benchmark::Initialize(&argc, argv);
    {
        ListedField field;
        listed = &field;
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
