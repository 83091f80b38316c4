#pragma once

class QWidget;

// Keeps a screen's window off the taskbar, so the program shows one taskbar
// entry for all its screens. Must be called before the window is first shown.
void KeepOffTaskbar(QWidget& window);
