#pragma once

#include <span>
#include <string_view>

#include "forms/product_form.h"

namespace lorvane {

// Where a product's item sits in the menu bar: a menu and, inside it, a submenu or none.
struct MenuPlace {
    std::string_view menu;
    std::string_view submenu;
};

// Where a product's record holds the sound it sends along a duct into a room, by the keys of its
// rows; a product without a duct-borne row sends none.
struct RoomSourceRows {
    std::string_view ductBorne;  // its octave row into the duct behind it, without attenuator
    std::string_view casing;     // its bare casing's octave row; empty: it has none
    // The option whose value is the diameter in mm at which an attenuator of the program's table
    // may sit behind it; empty: none may.
    std::string_view attenuatorDiameter;

    bool SendsSound() const { return !ductBorne.empty(); }
};

// One product: the only place that says a product exists. The menu, lorvane-calc and the tests
// read the catalogue; the form's layout, options and evaluation come from the product's folder.
struct Product {
    int menuCommand;            // the command id of its menu item
    MenuPlace place;
    std::string_view menuText;  // "Tolmar"
    std::string_view word;      // "tolmar": how lorvane-calc and schedules name it
    std::string_view help;      // one line for lorvane-calc's help
    const forms::FormSpec& (*spec)() = nullptr;
    forms::FormFactory makeForm = nullptr;
    RoomSourceRows room{};
};

// Every product, in the order of the menu.
std::span<const Product> Catalogue();

// The product of a menu command, or null.
const Product* FindProduct(int menuCommand);
// The product a word names, taken as schedules and planners write it: whatever its case and the
// blanks around it ("Selmon", " selmon\r"). Null for a word no product has.
const Product* FindProductByWord(std::string_view word);

}  // namespace lorvane
