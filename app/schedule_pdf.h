#pragma once

#include <QString>

namespace lorvane::app {

class ScheduleModel;

// The schedule as a PDF: its table on the first pages, then the data sheet of every position
// that was calculated, each on a page of its own, as its form's "Export PDF…" writes it.
// Written whole or not at all; false, with the reason in `error`, when it cannot be written.
bool ExportSchedulePdf(const QString& path, const QString& title, const ScheduleModel& model,
                       QString* error);

}  // namespace lorvane::app
