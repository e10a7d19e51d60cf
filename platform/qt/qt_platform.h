// The Qt pieces that the start-up and the tests wire together.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/system.h"
#include "platform/web_view.h"

class QWebEnginePage;

namespace platform {

// Registers the "tembrick:" scheme; call before the application object exists.
void register_url_scheme();

// Posted work runs on the Qt event loop; failures are shown on stderr and in a
// message box (unless the platform is offscreen). Call after the application
// object exists.
void install_qt_services();

// Web views sharing one off-the-record profile that lives as long as the
// factory or any view made by it, whichever is last. Links the user clicks
// to the outside go to `system`, which must outlive the views.
WebViewFactory make_qt_web_view_factory(System& system);

// The folders of the installed program and of the user's data, the region
// of the system locale, and links opened by the desktop's programs.
class QtSystem final : public System {
public:
    std::wstring install_folder() override;
    std::wstring data_folder() override;
    std::wstring temp_folder() override;
    std::optional<std::wstring> home_region_code() override;
    bool launch_uri(const std::wstring& uri) override;
    std::vector<std::wstring> font_families(FontScript script) override;

    // From now on `temp_folder` answers "": the folder is another copy's.
    void withhold_temp_folder() { temp_folder_withheld_ = true; }

private:
    bool temp_folder_withheld_ = false;
};

// The page of a web view made by the Qt factory; null after `close` or for
// other views (tests look inside it).
QWebEnginePage* page_of(WebView& view);

}  // namespace platform
