#pragma once

class QMainWindow;
class QSettings;

namespace lorvane {
struct Product;
}

namespace lorvane::app {

// What the main window keeps in the user's settings from one run to the next: its size and
// place on the screen, and the product form opened last.

void SaveWindowPlace(QSettings& settings, const QMainWindow& window);
// Puts the window where it was; a window not saved before keeps its size. A screen that is gone
// moves it onto one that is there.
void RestoreWindowPlace(QSettings& settings, QMainWindow& window);

void SaveLastProductForm(QSettings& settings, const Product& product);
// The product whose form was opened last, or null: none yet, or one this version does not offer.
const Product* LastProductForm(QSettings& settings);

}  // namespace lorvane::app
