#pragma once

#include <functional>

#include "products/catalogue.h"

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

class ScheduleWindow;

// The schedule window that "Add to schedule" puts a form's position into; made on first use.
using ScheduleOpener = std::function<ScheduleWindow&()>;

// The program's commands on an open product form: "Print…" (with a preview) and
// "Export PDF…" of its data sheet, and where a schedule is given "Add to schedule", which makes
// the form's product and inputs, as they stand, a new position of the schedule.
void AddFormCommands(forms::qt::FormDialog& dialog, const Product& product,
                     const ScheduleOpener& schedule = {});

}  // namespace lorvane::app
