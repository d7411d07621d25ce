#pragma once

#include "products/catalogue.h"

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

// The program's commands on an open product form: "Print…" (with a preview) and
// "Export PDF…" of its data sheet.
void AddFormCommands(forms::qt::FormDialog& dialog, const Product& product);

}  // namespace lorvane::app
