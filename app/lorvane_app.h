#pragma once

#include <memory>

#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app/schedule_prompts.h"
#include "core/shared_state.h"
#include "forms/qt/prompts.h"

namespace lorvane::app {

// The program: it starts up the main window and holds what lives as long as the run, the one
// shared state of the forms among it. A QApplication must exist before it.
class CLorvaneApp {
  public:
    CLorvaneApp();
    ~CLorvaneApp();

    // Start-up; false ends the program.
    bool InitInstance();
    // Saves the settings at the end of the run.
    void ExitInstance();

    CMainFrame* MainFrame() const { return mainFrame_.get(); }

  private:
    SharedState state_;
    forms::qt::DialogPrompts prompts_;
    ScheduleDialogs schedulePrompts_;
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace lorvane::app
