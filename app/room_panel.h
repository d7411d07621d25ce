#pragma once

#include <QDialog>
#include <map>
#include <optional>
#include <string>

#include "products/catalogue.h"
#include "room/room_evaluation.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace lorvane {
struct SharedState;
}

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

class PathTable;
class RoomResults;

// The path and room the panels of a run last showed, as the texts of their options by name
// ("path", "room", ...); the next product's panel starts from them.
struct RoomTexts {
    std::map<std::string, std::string> options;
};

// The room beside a product form: the way from the product into a room, the room and its
// target, and what the product's latest calculation comes to there. A companion window of the
// form, not modal, so that it can be used while the form is; it closes with the form.
//
// The path is a table and a line of text, which say the same: typing a path the reader takes
// fills the table, editing the table writes the path's text. Every other input is a text read
// as lorvane-calc reads its option. The room recalculates whenever the form calculates and
// whenever an input changes; an input that cannot be read, or a room the models refuse, empties
// the results and says why.
class RoomPanel : public QDialog {
    Q_OBJECT

  public:
    RoomPanel(forms::qt::FormDialog& form, const Product& product, SharedState& state);

    // The room options as the panel's fields give them, by option name: blank fields and the
    // lists at their first entry are left out. Empty when no room option is given.
    std::map<std::string, std::string> Options() const;
    // Whether the panel has a room to evaluate: its size is given.
    bool HasRoom() const;

    QLineEdit& PathLine() const { return *pathLine_; }
    PathTable& Table() const { return *table_; }
    RoomResults& Results() const { return *results_; }
    // The field or list of a room option other than the path, by its name; null for none.
    QWidget* Field(const std::string& option) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildPath(QWidget* parent);
    QWidget* BuildRoom(QWidget* parent);
    void TakeSource();
    void PathTyped();
    void TableEdited();
    void ShowPath(const room::Path& path);
    void ShowElements(const std::vector<std::string>& elements);
    void AddElement();
    void RemoveElement();
    void MoveElement(int by);
    void Recalculate();

    forms::qt::FormDialog& form_;
    const Product& product_;
    RoomTexts& memory_;
    std::optional<room::RoomSource> source_;
    std::string sourceSize_;  // the product's size in the path's words, for a first element
    QLineEdit* pathLine_ = nullptr;
    QLabel* pathFault_ = nullptr;
    PathTable* table_ = nullptr;
    std::map<std::string, QWidget*> fields_;
    RoomResults* results_ = nullptr;
    bool placed_ = false;
};

// The room panel of a form, opening it beside the form on first use; later calls show it again.
RoomPanel& OpenRoomPanel(forms::qt::FormDialog& form, const Product& product, SharedState& state);

// The room options of a form's panel where it has a room, else none.
std::map<std::string, std::string> RoomOptionsOf(const forms::qt::FormDialog& form);

}  // namespace lorvane::app
