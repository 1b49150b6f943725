#pragma once

#include <functional>

class QApplication;
class TMainForm;

// Program start after the application object exists: single-instance check, splash for
// one second, the main window and the selection window, then the event loop.
// `shown` (optional) runs once the main window is on screen.
int startVexloader(QApplication &app, const std::function<void(TMainForm &)> &shown = {});
