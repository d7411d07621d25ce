#pragma once

#include <QDialog>

class QTextBrowser;

namespace lorvane::app {

// The user guide shipped with the program, in a window of its own beside the main window: how
// to read the forms and what their marks mean, the chart, copy, data sheet, finder, schedules.
class UserGuideWindow : public QDialog {
    Q_OBJECT

  public:
    explicit UserGuideWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace lorvane::app
