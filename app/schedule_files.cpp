#include "app/schedule_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sstream>

#include "schedule/batch.h"

namespace lorvane::app {
namespace {

std::variant<QByteArray, QString> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1 cannot be read: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("%1 cannot be read: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    }
    return bytes;
}

}  // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // What is still buffered is written out before the commit: commit() would put the file in
    // place even when that last write fails (a full disk), cut short.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

std::variant<schedule::Project, QString> ReadProject(const QString& path) {
    std::variant<QByteArray, QString> bytes = ReadWholeFile(path);
    if (QString* problem = std::get_if<QString>(&bytes)) {
        return *problem;
    }
    const QByteArray& text = std::get<QByteArray>(bytes);
    std::variant<schedule::Project, std::string> project = schedule::ReadProjectFile(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (const std::string* problem = std::get_if<std::string>(&project)) {
        return QString::fromStdString(*problem);
    }
    return std::get<schedule::Project>(std::move(project));
}

bool WriteProject(const QString& path, const schedule::Project& project, QString* error) {
    return WriteWholeFile(path, QByteArray::fromStdString(schedule::ProjectFileText(project)),
                          error);
}

std::variant<std::vector<schedule::Position>, QString> ReadPositionsCsv(const QString& path) {
    std::variant<QByteArray, QString> bytes = ReadWholeFile(path);
    if (QString* problem = std::get_if<QString>(&bytes)) {
        return *problem;
    }
    std::istringstream in(std::get<QByteArray>(bytes).toStdString());
    std::variant<std::vector<schedule::Position>, std::string> positions =
        schedule::ReadScheduleCsv(in);
    if (const std::string* problem = std::get_if<std::string>(&positions)) {
        return QString::fromStdString(*problem);
    }
    return std::get<std::vector<schedule::Position>>(std::move(positions));
}

bool WriteResultsCsv(const QString& path, const std::vector<schedule::Position>& positions,
                     QString* error) {
    const std::string schedule = schedule::ScheduleCsv(positions);
    std::istringstream named(schedule);
    const std::vector<const Product*> products = schedule::ProductsIn(named);
    std::istringstream in(schedule);
    std::ostringstream out;
    const auto count = schedule::RunBatch(in, out, schedule::BatchFormat::Csv, products);
    if (const std::string* problem = std::get_if<std::string>(&count)) {
        *error = QString::fromStdString(*problem);
        return false;
    }
    return WriteWholeFile(path, QByteArray::fromStdString(out.str()), error);
}

}  // namespace lorvane::app
