// The panels of the settings and text-editing modes. They come
// with those modes; until then their panel stays empty.
#include "app/main_window.h"

namespace app {

void MainWindow::BuildSettingsPanel(platform::Panel&, std::int32_t) {}
void MainWindow::BuildTextEditPanels(platform::Panel&, std::int32_t) {}

}  // namespace app
