#include "app/menu_table.h"

#include <array>

#include "products/registry.h"

namespace lorvane::app {
namespace {

using enum MenuEntryKind;
namespace product = lorvane::commands;

// clang-format off
constexpr std::array kMainMenu{
    MenuEntry{Menu, 0, "&Products"},
        MenuEntry{Item, product::kTolmar, "Tolmar"},
        MenuEntry{Item, product::kSelmon, "Selmon"},
        MenuEntry{Item, product::kDaxel, "Daxel"},
        MenuEntry{Item, product::kMirolt, "Mirolt"},
        MenuEntry{Item, product::kQuenta, "Quenta"},
        MenuEntry{Item, product::kBasko, "Basko"},
        MenuEntry{Menu, 0, "Multi-leaf Damper"},
            MenuEntry{Item, product::kDamperAcoustics, "Acoustics"},
            MenuEntry{Item, product::kDamperLeakage, "Leakage"},
            MenuEntry{Item, product::kDamperBending, "Bending"},
            MenuEntry{Item, product::kDamperTorque, "Torque"},
        MenuEntry{End},
        MenuEntry{Item, product::kLouvre, "External weather louvre"},
        MenuEntry{Separator},
        MenuEntry{Separator},
        MenuEntry{Separator},
        MenuEntry{Item, commands::kExit, "&Close",
                  "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."},
    MenuEntry{End},
    MenuEntry{Menu, 0, "&Attentuator"},
        MenuEntry{Item, product::kAttenuator, "Attentuator"},
    MenuEntry{End},
    MenuEntry{Menu, 0, "&?"},
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
