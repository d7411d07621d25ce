#include "app/menu_table.h"

#include <array>

namespace lorvane::app {
namespace {

using enum MenuEntryKind;

// clang-format off
constexpr std::array kMainMenu{
    MenuEntry{Menu, 0, "&Products"},
        MenuEntry{Products},
        MenuEntry{Separator},
        MenuEntry{Item, commands::kFindProduct, "Find a product…",
                  "Finds the controllers and sizes that serve a duty point"},
        MenuEntry{Item, commands::kSchedule, "Schedule…",
                  "Opens the schedule: the positions of a project with their results"},
        MenuEntry{Separator},
        MenuEntry{Separator},
        MenuEntry{Separator},
        MenuEntry{Item, commands::kExit, "&Close",
                  "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."},
    MenuEntry{End},
    MenuEntry{Menu, 0, "&Attentuator"},
        MenuEntry{Products},
    MenuEntry{End},
    MenuEntry{Menu, 0, "&?"},
        MenuEntry{Item, commands::kHelp, "Help",
                  "Opens the user guide: reading the forms, the data sheet, finder and schedules"},
        MenuEntry{Separator},
        MenuEntry{Item, commands::kAbout, "Information about Acoustics",
                  "Programminformationen, Versionsnummer und Copyright anzeigen"},
    MenuEntry{End},
};
// clang-format on

}  // namespace

std::span<const MenuEntry> MainMenu() {
    return kMainMenu;
}

}  // namespace lorvane::app
