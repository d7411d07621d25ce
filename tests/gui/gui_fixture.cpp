#include "gui_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonValue>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QWidget>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include "forms/record_fields.h"
#include "products/catalogue.h"

namespace lorvane::test {

QStringList WorkedRoomArguments() {
    return {"selmon", "--diameter", "250",       "--flow",        "1000",  "--dp",
            "250",    "--path",     kWorkedPath, "--room",        "6x5x3", "--reverberation",
            "0.6",    "--distance", "1.5",       "--directivity", "2",     "--room-target",
            "NR 30"};
}

QString Shown(const char* format, const QJsonValue& value) {
    return QString::fromStdString(forms::NumberText(format, value.toDouble())).trimmed();
}

QStringList ShownBands(const char* format, const QJsonArray& levels) {
    QStringList shown;
    for (const QJsonValue& level : levels) {
        shown.append(Shown(format, level));
    }
    return shown;
}

QStringList PdfTextLines(const QString& path) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitCode() != 0) {
        return {};
    }
    // The PDF sets "ff", "fi" and "fl" as ligatures.
    return QString::fromUtf8(text.readAllStandardOutput())
        .replace(QChar(0xFB00), QStringLiteral("ff"))
        .replace(QChar(0xFB01), QStringLiteral("fi"))
        .replace(QChar(0xFB02), QStringLiteral("fl"))
        .replace(u'\f', u'\n')  // a new page starts a line
        .split(u'\n');
}

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

QPushButton* ButtonWithText(QWidget* parent, const QString& text) {
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

bool PickFromPopup(QComboBox* list, int row) {
    list->showPopup();
    QAbstractItemView* popup = list->view();
    if (!QTest::qWaitForWindowExposed(popup->window())) {
        return false;
    }
    const QModelIndex entry = list->model()->index(row, 0);
    popup->scrollTo(entry);
    // The popup sees this click's press, so it does not take the release for the end of a
    // click that opened it: no pause is needed before it.
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(entry).center());
    return QTest::qWaitFor([popup] { return !popup->window()->isVisible(); });
}

QColor DrawnTextColour(QWidget* field) {
    const QImage image = field->grab().toImage();
    constexpr int kFrame = 3;
    // The numbers stand at the right: the field's left inside edge is background.
    const QColor background = image.pixelColor(kFrame, image.height() / 2);
    const auto distance = [&background](const QColor& colour) {
        return std::abs(colour.red() - background.red()) +
               std::abs(colour.green() - background.green()) +
               std::abs(colour.blue() - background.blue());
    };
    QColor text = background;
    for (int y = kFrame; y < image.height() - kFrame; ++y) {
        for (int x = kFrame; x < image.width() - kFrame; ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (distance(colour) > distance(text)) {
                text = colour;
            }
        }
    }
    return text;
}

bool RunQueuedCalls() {
    // Queued after the others, it runs after them; it dies with the marker if they never end.
    bool ran = false;
    QObject marker;
    QTimer::singleShot(0, &marker, [&ran] { ran = true; });
    return QTest::qWaitFor([&ran] { return ran; });
}

bool ProcessLocaleHasDecimalComma() {
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

void FormTestBase::CheckLocale() {
    QVERIFY2(ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void FormTestBase::StartTest() {
    state_ = SharedState{};
    prompts_ = RecordingPrompts{};
    watchdog_ = std::make_unique<ModalWatchdog>();
}

void FormTestBase::FinishTest() {
    dialog_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void FormTestBase::Open(int menuCommand, QWidget* parent, forms::qt::Prompts* prompts) {
    const Product* product = FindProduct(menuCommand);
    QVERIFY(product != nullptr);
    dialog_ = std::make_unique<forms::qt::FormDialog>(
        product->makeForm(forms::FormContext{state_, diagnostics_}),
        prompts != nullptr ? *prompts : prompts_, parent);
    watchdog_->Allow(dialog_.get());
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

QString FormTestBase::TextOf(int id) const {
    return QString::fromStdString(dialog_->Text(id));
}

void FormTestBase::Type(int id, const QString& text) {
    TypeInto(dialog_->Widget(id), text);
}

void FormTestBase::PressCalculate() {
    QTest::mouseClick(dialog_->Widget(dialog_->form().Description().defaultButton), Qt::LeftButton);
}

}  // namespace lorvane::test
