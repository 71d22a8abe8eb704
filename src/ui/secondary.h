// The help, about and showcase windows.
#pragma once

namespace zv::ui {

// Opens HelpWindow (not modal); a second request brings the open one forward.
void openHelpWindow();
// Opens AboutWindow modally over MainWindow.
void openAboutWindow();
// Shows ShowcaseWindow modally and returns when it is closed.
void showShowcaseWindow();

} // namespace zv::ui
