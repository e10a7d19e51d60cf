#include "app/start.h"

#include "core/interface_texts.h"
#include "core/region_language.h"
#include "core/settings.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/text/text_replace.h"
#include "engine/text/utf16.h"
#include "platform/application.h"

namespace app {

namespace {

// The session first, then the window on it; the window goes first.
class Program final : public platform::ApplicationWindow {
public:
    Program(platform::System& system, platform::WebViewFactory make_web_view, MainWindowHooks hooks)
        : session_(start_session(system)),
          window_(*session_, system, std::move(make_web_view), std::move(hooks)) {}

    void activate() override { window_.activate(); }
    void close_unasked() override { window_.CloseUnasked(); }
    void save_at_logout() override { window_.SaveAtLogout(); }
    void save_at_sudden_exit() override { window_.SaveAtSuddenExit(); }
    bool bring_to_front() override { return window_.BringToFront(); }

private:
    std::unique_ptr<core::session> session_;
    MainWindow window_;
};

// By whether the running copy took the request, and whether its process is
// named.
constexpr int unanswered[2][2] = {
    {engine::ui_text::copy_unreachable, engine::ui_text::copy_unreachable_process},
    {engine::ui_text::copy_not_answering, engine::ui_text::copy_not_answering_process}};

// In the language the window would have: the region's, or the one the
// settings file keeps; nothing is written.
platform::NotAnswering not_answering(platform::System& system, platform::NoHandOver why,
                                     std::optional<int> process) {
    core::settings stored;
    if (const std::wstring data = system.data_folder(); !data.empty()) {
        stored.path = data + L"/tembrick.ini";
        stored.read();
    }
    const int language = core::language_index(
        core::start_language(stored.Language, [&system] { return system.home_region_code(); }));
    const bool reached = why == platform::NoHandOver::not_answering;
    std::wstring sentence = engine::ui_string(unanswered[reached][process.has_value()], language);
    if (process) engine::replace_all(sentence, L"{process}", std::to_wstring(*process));
    return {PlatformTexts(language), sentence};
}

}  // namespace

int start(int argc, char** argv, MainWindowHooks hooks) {
    return platform::run_application(
        argc, argv,
        [&](platform::System& system, platform::WebViewFactory make_web_view) {
            return std::make_unique<Program>(system, std::move(make_web_view), hooks);
        },
        platform::CopiesPerDataFolder::one, not_answering);
}

std::unique_ptr<core::session> start_session(platform::System& system) {
    core::program_folders folders;
    folders.install = system.install_folder();
    if (!folders.install.empty()) {
        folders.data = system.data_folder();
        folders.temp = system.temp_folder();
    }
    auto session =
        std::make_unique<core::session>(folders, [&system] { return system.home_region_code(); });
    const core::data_folder_check& data_folder = session->data_folder();
    if (data_folder.use == core::data_folder_use::no_library) {
        SetPlatformTexts(*session);
        throw platform::StartRefused(
            engine::to_utf8(core::library_not_copied(folders.data, data_folder.reason) + L' ' +
                            core::ui_string(engine::ui_text::program_ends_without_library)));
    }
    return session;
}

}  // namespace app
