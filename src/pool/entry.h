// Entry, deletion and display of past draws in the main window.
#pragma once

namespace zv::pool {

// The outer widths of the main window: narrow, and wide with the pool list.
inline constexpr int NarrowWidth = 648;
inline constexpr int WideWidth = 808;

// Shows the pool size and the newest draw.
void refreshPoolDisplay();
// 编辑框2 changed: at five characters the focus moves to 编辑框1.
void periodBoxChanged();
// 按钮2, or Enter in 编辑框1: adds the typed draw.
void confirmEntry();
// 按钮3: asks, then removes the newest draw.
void deleteLastEntry();
// 按钮5: widens the window and lists the pool, or narrows it.
void togglePanel();
// Clears 列表框1 and lists the stored draws, newest first; stops when the
// panel is narrowed meanwhile.
void fillPoolList();

} // namespace zv::pool
