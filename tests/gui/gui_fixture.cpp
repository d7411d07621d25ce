#include "gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QWidget>
#include <QtTest>
#include <clocale>
#include <cstring>

namespace lorvane::test {

void RecordingPrompts::ShowError(QWidget* /*parent*/, const QString& caption, const QString& text) {
    errors.append({caption, text});
}

bool RecordingPrompts::AskCorrection(QWidget* /*parent*/, const QString& question) {
    questions.append(question);
    if (answers.empty()) {
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

ModalWatchdog::ModalWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(20);
}

void ModalWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (busy_ || modal == nullptr || allowed_.contains(modal)) {
        return;
    }
    if (!handlers_.empty()) {
        const Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        busy_ = true;
        handler(modal);
        busy_ = false;
        return;
    }
    unexpected_.append(QStringLiteral("unexpected modal window \"%1\"").arg(modal->windowTitle()));
    modal->close();
}

QStringList ModalWatchdog::Faults() const {
    QStringList faults = unexpected_;
    if (!handlers_.empty()) {
        faults.append(
            QStringLiteral("%1 expected modal window(s) never opened").arg(handlers_.size()));
    }
    return faults;
}

TemporarySettings::TemporarySettings() {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, directory_.path());
    }
}

void TypeInto(QWidget* field, const QString& text) {
    QVERIFY2(field != nullptr, "no such field");
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        field = combo->lineEdit();
    }
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

bool ProcessLocaleHasDecimalComma() {
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

}  // namespace lorvane::test
