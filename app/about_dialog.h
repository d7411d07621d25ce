#pragma once

#include <QDialog>

namespace lorvane::app {

// The "About" box: the program's name and version, its build date and licence, where its
// figures come from (which attenuator values are estimates), and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace lorvane::app
