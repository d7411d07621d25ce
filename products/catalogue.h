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
};

// Every product, in the order of the menu.
std::span<const Product> Catalogue();

// The product of a menu command, or null.
const Product* FindProduct(int menuCommand);
// The product a word names, taken as schedules and planners write it: whatever its case and the
// blanks around it ("Selmon", " selmon\r"). Null for a word no product has.
const Product* FindProductByWord(std::string_view word);

}  // namespace lorvane
