#include "ui/secondary.h"

namespace zv::ui {

void openHelpWindow() {}

void openAboutWindow() {}

void showShowcaseWindow() {}

} // namespace zv::ui
