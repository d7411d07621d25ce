// schedule-snapshot: opens a project file in the schedule window and saves a picture of the
// window; with a row number, then opens that position's form and saves a picture of it beside
// the first ("shot.png" and "shot-form.png"). Given a file ending in ".pdf", writes what the
// window's "Export PDF…" writes instead. For looking at the window under a virtual display:
//
//     xvfb-run -a build/dev/tools/schedule_snapshot/schedule-snapshot plant.lrv shot.png 2
//
// The window stays open for a few seconds after the pictures, so that a screenshot of the whole
// display can be taken. Messages and questions are printed on standard error instead.

#include <QApplication>
#include <QTableView>
#include <QTimer>
#include <iostream>

#include "app/recent_files.h"
#include "app/schedule_pdf.h"
#include "app/schedule_prompts.h"
#include "app/schedule_window.h"
#include "forms/qt/prompts.h"

namespace {

using namespace lorvane;

class PrintingPrompts : public forms::qt::Prompts, public app::SchedulePrompts {
  public:
    void ShowError(QWidget* /*parent*/, const QString& caption, const QString& text) override {
        std::cerr << caption.toStdString() << ": " << text.toStdString() << '\n';
    }
    bool AskCorrection(QWidget* /*parent*/, const QString& question) override {
        std::cerr << "Correction: " << question.toStdString() << " (answered NO)\n";
        return false;
    }
    Unsaved AskUnsaved(QWidget* /*parent*/, const QString& /*name*/) override {
        return Unsaved::Discard;
    }
    QString OpenPath(QWidget*, const QString&, const QString&) override { return {}; }
    QString SavePath(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> AskTag(QWidget* /*parent*/, const QString& suggested) override {
        return suggested;
    }
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text) override {
        ShowError(parent, caption, text);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::cerr << "usage: schedule-snapshot PROJECT OUT.png [ROW]\n";
        return 2;
    }
    SharedState state;
    PrintingPrompts prompts;
    app::RecentFileList recent;
    app::ScheduleWindow window(state, prompts, prompts, recent);
    window.show();
    if (!window.OpenProject(arguments[1])) {
        return 1;
    }
    window.Table()->selectRow(0);
    const QString picture = arguments[2];
    if (picture.endsWith(QStringLiteral(".pdf"))) {
        QString error;
        if (!app::ExportSchedulePdf(picture, arguments[1], *window.Model(), &error)) {
            std::cerr << error.toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    const int row = arguments.size() > 3 ? arguments[3].toInt() : -1;
    QTimer::singleShot(500, &window, [&] {
        if (!window.grab().save(picture)) {
            QApplication::exit(1);
            return;
        }
        if (row >= 0) {
            QTimer::singleShot(500, &window, [&] {
                QWidget* form = QApplication::activeModalWidget();
                QString formPicture = picture;
                formPicture.replace(QStringLiteral(".png"), QStringLiteral("-form.png"));
                if (form != nullptr) {
                    form->grab().save(formPicture);
                    QTimer::singleShot(3000, form, &QWidget::close);
                }
            });
            window.OpenPosition(row);
        }
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    });
    return QApplication::exec();
}
