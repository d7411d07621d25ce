#pragma once

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

#include "schedule/project.h"

namespace lorvane::app {

// The files of the schedule window. Every file is written whole or not at all: into a temporary
// file beside it that replaces it only once everything is on the disk, so a crash or a full
// disk leaves the old file as it was. Reading a file changes nothing until it has been read
// completely.

// False, with the reason in `error`, when the file cannot be written.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error);

// The project in a project file, or why it cannot be opened.
std::variant<schedule::Project, QString> ReadProject(const QString& path);
bool WriteProject(const QString& path, const schedule::Project& project, QString* error);

// The positions of a schedule CSV, or why it cannot be read.
std::variant<std::vector<schedule::Position>, QString> ReadPositionsCsv(const QString& path);
// The results of the positions as `lorvane-calc batch` writes them for the same schedule.
bool WriteResultsCsv(const QString& path, const std::vector<schedule::Position>& positions,
                     QString* error);

}  // namespace lorvane::app
