#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>

#include <QString>
#include <memory>
#include <sstream>

#include "core/shared_state.h"
#include "forms/qt/form_dialog.h"
#include "forms/qt/prompts.h"

class QComboBox;
class QJsonArray;
class QJsonValue;
class QPushButton;

namespace lorvane::test {

// The menu command of the Selmon form.
inline constexpr int kSelmon = 32771;
// The menu command of the Daxel form.
inline constexpr int kDaxel = 32772;

// The room's worked example: a Selmon of 250 mm at 1000 m3/h and 250 Pa, along this path into a
// room of 6 x 5 x 3 m, rated at 1.5 m from the outlet against NR 30; it misses its target
// without an attenuator.
inline const QString kWorkedPath = QStringLiteral(
    "duct d250 6; elbow d250 round; duct d250 2 lined 50; branch 0.5; outlet d200 flush");
// The worked example as lorvane-calc's and lorvane --sheet's product word and options.
QStringList WorkedRoomArguments();

// A JSON number as forms and sheets show numbers of the format, without blanks; a list of them.
QString Shown(const char* format, const QJsonValue& value);
QStringList ShownBands(const char* format, const QJsonArray& levels);

// The text of a PDF as pdftotext lays it out, line by line, a page starting a line, ligatures
// written out; empty when pdftotext cannot read it.
QStringList PdfTextLines(const QString& path);

// Prompts that note what a form would have shown and answer questions from a queue (NO when
// it is empty).
class RecordingPrompts : public forms::qt::Prompts {
  public:
    struct Message {
        QString caption;
        QString text;
    };

    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskCorrection(QWidget* parent, const QString& question) override;

    QList<Message> errors;
    QStringList questions;
    std::deque<bool> answers;
};

// Looks for a modal window every few milliseconds. A window a test expects is handed to the
// test's handler, which must close it; any other one is noted and closed, so that a test fails
// instead of waiting for a click that never comes.
class ModalWatchdog {
  public:
    using Handler = std::function<void(QWidget* modal)>;

    ModalWatchdog();

    // The next modal window goes to the handler.
    void Expect(Handler handler) { handlers_.push_back(std::move(handler)); }
    // A window the test shows modally itself and drives directly.
    void Allow(QWidget* window) { allowed_.append(window); }

    // The captions of unexpected modal windows, and of expected ones that never came.
    QStringList Faults() const;

  private:
    void Check();

    QTimer timer_;
    std::deque<Handler> handlers_;
    QList<QPointer<QWidget>> allowed_;
    QStringList unexpected_;
    bool busy_ = false;
};

// Points the user settings of this process at a directory that lives as long as the object.
class TemporarySettings {
  public:
    TemporarySettings();

  private:
    QTemporaryDir directory_;
};

// True when the process's C locale writes numbers with a decimal comma, as the German locale
// the widget tests run under does: they show that no number follows the locale, which only
// holds if the locale really took effect.
bool ProcessLocaleHasDecimalComma();

// Types into a field as a user does: focus, select all, keys. For an editable list the keys go
// into its edit line.
void TypeInto(QWidget* field, const QString& text);

// The push button among the children of `parent` that shows `text`, or null.
QPushButton* ButtonWithText(QWidget* parent, const QString& text);

// Picks an entry of a list as a user does: opens its popup and clicks the entry. False when the
// popup did not open, or did not close on the click.
bool PickFromPopup(QComboBox* list, int row);

// The colour a field's text is drawn in, read from a picture of the field: of the pixels inside
// its frame, the one farthest from the field's background.
QColor DrawnTextColour(QWidget* field);

// Lets every call queued so far run, such as the one a window queues to run once the program
// runs; a modal window one of them opens is open until something closes it. False when they had
// not all run within five seconds.
bool RunQueuedCalls();

// What a widget test of product forms shares: temporary settings, a shared state of start
// values, recording prompts and a watchdog made afresh for every test function, and one form
// on real widgets at a time. A test class derives from QObject and from this, and calls
// StartTest() in its init(), FinishTest() in its cleanup() and CheckLocale() in its
// initTestCase().
class FormTestBase {
  protected:
    void CheckLocale();
    void StartTest();
    void FinishTest();

    // Opens the form of a menu command, as the main window does, over `parent`; its boxes go to
    // `prompts` where given, else to the recording prompts.
    void Open(int menuCommand, QWidget* parent = nullptr, forms::qt::Prompts* prompts = nullptr);
    QString TextOf(int id) const;
    void Type(int id, const QString& text);
    // Clicks the form's "calculate".
    void PressCalculate();

    TemporarySettings settings_;
    SharedState state_;
    std::ostringstream diagnostics_;
    RecordingPrompts prompts_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<forms::qt::FormDialog> dialog_;
};

}  // namespace lorvane::test
