#pragma once

#include <functional>

#include "core/shared_state.h"
#include "products/catalogue.h"
#include "schedule/project.h"

class QWidget;

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

// Puts a position into the schedule, asking the planner over `asker` where it must.
using AddToSchedule = std::function<void(schedule::Position position, QWidget* asker)>;

// The program's commands on an open product form: "Print…" (with a preview) and
// "Export PDF…" of its data sheet, and where a schedule is given "Add to schedule", which makes
// the form's product and inputs, as they stand, with the room of its panel where one is set, a
// new position of the schedule. A product that
// sends sound along a duct into a room gets "Room…", which opens the form's room panel, starting
// from the path and room the run's panels last had.
void AddFormCommands(forms::qt::FormDialog& dialog, const Product& product, SharedState& state,
                     const AddToSchedule& addToSchedule = {});

}  // namespace lorvane::app
