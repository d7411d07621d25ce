#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace lorvane::forms::qt {

// The correction box: the question in one centred line, a default "YES" button that accepts
// and a "NO" button that rejects. Escape and the close box reject as well.
class Dialog1 : public QDialog {
    Q_OBJECT

  public:
    explicit Dialog1(const QString& question, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString question_;
    QLabel* label_;
};

}  // namespace lorvane::forms::qt
