#pragma once

#include <span>

namespace lorvane::app {

// Command ids of the main window that open no product form.
namespace commands {
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kFindProduct = 32790;
inline constexpr int kHelp = 57670;  // the user guide
inline constexpr int kSchedule = 32791;
}  // namespace commands

enum class MenuEntryKind {
    Menu,       // opens a menu of the menu bar
    Products,   // the catalogue's products of the open menu, each in its submenu where it has one
    Item,       // a command of the main window
    Separator,  //
    End,        // closes the open menu
};

struct MenuEntry {
    MenuEntryKind kind;
    int command = 0;
    const char* text = "";
    const char* statusTip = "";
};

// The main window's menu bar, top to bottom.
std::span<const MenuEntry> MainMenu();

}  // namespace lorvane::app
