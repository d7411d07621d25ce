#include "app/room_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

#include "app/path_table.h"
#include "app/position_form.h"
#include "app/room_results.h"
#include "app/screen_fit.h"
#include "core/shared_state.h"
#include "forms/qt/form_dialog.h"
#include "forms/qt/utf8_text.h"
#include "room/path_text.h"
#include "schedule/room_call.h"

namespace lorvane::app {
namespace {

using forms::qt::FromUtf8;

// Room for the path's table with all its columns beside the results' tables of eight bands and
// the chart: 1366 x 768 screens show it whole.
constexpr QSize kWantedSize(1320, 760);

// How the panel asks for a room option: its label, what a blank field means, and for a list
// its words, the first being the option's default.
struct RoomField {
    std::string_view option;
    const char* label;
    const char* blank;
    std::array<const char*, 2> words{};
};

// clang-format off
constexpr std::array kRoomFields{
    RoomField{"room",          "Room L x W x H [m]",         "such as 6x5x3"},
    RoomField{"reverberation", "Reverberation time [s]",     "0.6, or eight values"},
    RoomField{"distance",      "Distance from outlet [m]",   "1.5"},
    RoomField{"directivity",   "Directivity Q",              "2"},
    RoomField{"room-model",    "Room model",                 "", {"diffuse", "schultz"}},
    RoomField{"casing",        "Casing sound",               "", {"none", "room"}},
    RoomField{"ceiling-loss",  "Ceiling insertion loss [dB]", "none: eight values"},
    RoomField{"room-target",   "Room target",                "35, NR 30 or NC 30"},
};
// clang-format on

std::string_view HelpOf(std::string_view option) {
    for (const schedule::RoomOption& known : schedule::RoomOptions()) {
        if (known.name == option) {
            return known.help;
        }
    }
    return {};
}

std::string Joined(const std::vector<std::string>& elements) {
    std::string text;
    for (const std::string& element : elements) {
        text += (text.empty() ? "" : "; ") + element;
    }
    return text;
}

std::vector<std::string> ElementTexts(const room::Path& path) {
    std::vector<std::string> texts;
    for (const room::PathElement& element : path) {
        texts.push_back(room::WritePathElement(element));
    }
    return texts;
}

// The size of the product in the path's words, for the first element of a path.
std::string SizeOf(const forms::InputTexts& inputs) {
    const std::string diameter = forms::TextOf(inputs, "diameter");
    if (!diameter.empty()) {
        return "d" + diameter;
    }
    const std::string width = forms::TextOf(inputs, "width");
    const std::string height = forms::TextOf(inputs, "height");
    return !width.empty() && !height.empty() ? width + "x" + height : std::string();
}

// The size of an element's text: its second word, where it has one ("duct d250 6").
std::string SizeOfElement(const std::string& element) {
    if (element.rfind("branch", 0) == 0) {
        return {};
    }
    const std::size_t start = element.find(' ');
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = element.find(' ', start + 1);
    return element.substr(start + 1, end == std::string::npos ? end : end - start - 1);
}

}  // namespace

RoomPanel::RoomPanel(forms::qt::FormDialog& form, const Product& product, SharedState& state)
    : QDialog(&form), form_(form), product_(product), memory_(state.Of<RoomTexts>()) {
    setObjectName(QStringLiteral("roomPanel"));
    setWindowTitle(form.windowTitle() + QStringLiteral(" – Room"));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    auto* inputs = new QVBoxLayout;
    layout->addLayout(inputs);  // as wide as the path's table needs, the rest to the results
    auto* pathBox = new QGroupBox(QStringLiteral("Path from the product"), this);
    BuildPath(pathBox);
    inputs->addWidget(pathBox, 1);
    inputs->addWidget(BuildRoom(this));
    // The results scroll, so that the panel keeps its size however many rows they have.
    auto* resultsBox = new QGroupBox(QStringLiteral("In the room"), this);
    auto* resultsLayout = new QVBoxLayout(resultsBox);
    auto* scroll = new QScrollArea(resultsBox);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    results_ = new RoomResults(scroll);
    scroll->setWidget(results_);
    resultsLayout->addWidget(scroll);
    layout->addWidget(resultsBox, 1);

    const std::map<std::string, std::string> remembered = memory_.options;
    for (const auto& [option, text] : remembered) {
        if (option == "path") {
            pathLine_->setText(QString::fromStdString(text));
        } else if (QWidget* field = Field(option)) {
            if (auto* list = qobject_cast<QComboBox*>(field)) {
                list->setCurrentText(QString::fromStdString(text));
            } else {
                static_cast<QLineEdit*>(field)->setText(QString::fromStdString(text));
            }
        }
    }
    PathTyped();
    connect(&form, &forms::qt::FormDialog::HandlerRan, this, &RoomPanel::TakeSource);
    TakeSource();
}

void RoomPanel::BuildPath(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    pathLine_ = new QLineEdit(parent);
    pathLine_->setObjectName(QStringLiteral("path"));
    pathLine_->setPlaceholderText(QStringLiteral("such as duct d250 6; elbow d250 round; outlet d200 flush"));
    pathLine_->setToolTip(FromUtf8(HelpOf("path")));
    connect(pathLine_, &QLineEdit::textEdited, this, &RoomPanel::PathTyped);
    layout->addWidget(pathLine_);
    pathFault_ = new QLabel(parent);
    pathFault_->setObjectName(QStringLiteral("pathFault"));
    pathFault_->setWordWrap(true);
    pathFault_->hide();
    layout->addWidget(pathFault_);
    table_ = new PathTable(parent);
    connect(table_, &PathTable::Edited, this, &RoomPanel::TableEdited);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& text, const QString& name, auto slot) {
        auto* button = new QPushButton(text, parent);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    addButton(QStringLiteral("Add"), QStringLiteral("addElement"), [this] { AddElement(); });
    addButton(QStringLiteral("Remove"), QStringLiteral("removeElement"), [this] { RemoveElement(); });
    addButton(QStringLiteral("Up"), QStringLiteral("moveElementUp"), [this] { MoveElement(-1); });
    addButton(QStringLiteral("Down"), QStringLiteral("moveElementDown"), [this] { MoveElement(1); });
    buttons->addStretch();
    layout->addLayout(buttons);
}

QWidget* RoomPanel::BuildRoom(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Room"), parent);
    auto* rows = new QFormLayout(box);
    for (const RoomField& spec : kRoomFields) {
        QWidget* field = nullptr;
        if (spec.words[0] != nullptr) {
            auto* list = new QComboBox(box);
            for (const char* word : spec.words) {
                list->addItem(QString::fromLatin1(word));
            }
            connect(list, &QComboBox::currentIndexChanged, this, &RoomPanel::Recalculate);
            field = list;
        } else {
            auto* edit = new QLineEdit(box);
            edit->setPlaceholderText(QString::fromLatin1(spec.blank));
            connect(edit, &QLineEdit::textChanged, this, &RoomPanel::Recalculate);
            field = edit;
        }
        field->setObjectName(FromUtf8(spec.option));
        field->setToolTip(FromUtf8(HelpOf(spec.option)));
        fields_[std::string(spec.option)] = field;
        rows->addRow(QString::fromLatin1(spec.label) + QLatin1Char(':'), field);
    }
    return box;
}

QWidget* RoomPanel::Field(const std::string& option) const {
    const auto found = fields_.find(option);
    return found == fields_.end() ? nullptr : found->second;
}

std::map<std::string, std::string> RoomPanel::Options() const {
    std::map<std::string, std::string> options;
    if (!pathLine_->text().trimmed().isEmpty()) {
        options["path"] = pathLine_->text().toStdString();
    }
    for (const auto& [option, field] : fields_) {
        if (const auto* list = qobject_cast<const QComboBox*>(field)) {
            if (list->currentIndex() > 0) {
                options[option] = list->currentText().toStdString();
            }
        } else if (const QString text = static_cast<const QLineEdit*>(field)->text();
                   !text.trimmed().isEmpty()) {
            options[option] = text.toStdString();
        }
    }
    return options;
}

bool RoomPanel::HasRoom() const {
    return Options().contains("room");
}

// What the form's latest calculation sends towards the room; nothing while it has none.
void RoomPanel::TakeSource() {
    const forms::ResultRecord* record = form_.form().LastRecord();
    source_.reset();
    if (record != nullptr && !record->Refused()) {
        const forms::InputTexts inputs = FormInputs(form_, product_);
        source_ = schedule::RoomSourceOf(product_, inputs, *record);
        sourceSize_ = SizeOf(inputs);
    }
    Recalculate();
}

// A path typed: the table follows what the reader takes, and stays as it was where it refuses.
void RoomPanel::PathTyped() {
    auto path = room::ReadPath(pathLine_->text().toStdString());
    if (const auto* fault = std::get_if<std::string>(&path)) {
        pathFault_->setText(QString::fromStdString(*fault));
        pathFault_->show();
    } else {
        pathFault_->hide();
        table_->ShowElements(ElementTexts(std::get<room::Path>(path)));
    }
    Recalculate();
}

// The table edited: the path's text says what its rows read, in the reader's own words where it
// takes them.
void RoomPanel::TableEdited() {
    const std::string text = Joined(table_->Elements());
    auto path = room::ReadPath(text);
    if (const auto* fault = std::get_if<std::string>(&path)) {
        pathLine_->setText(QString::fromStdString(text));
        pathFault_->setText(QString::fromStdString(*fault));
        pathFault_->show();
    } else {
        pathLine_->setText(QString::fromStdString(room::WritePath(std::get<room::Path>(path))));
        pathFault_->hide();
    }
    Recalculate();
}

void RoomPanel::ShowElements(const std::vector<std::string>& elements) {
    table_->ShowElements(elements);
    TableEdited();
}

void RoomPanel::AddElement() {
    std::vector<std::string> elements = table_->Elements();
    std::string size = elements.empty() ? sourceSize_ : SizeOfElement(elements.back());
    if (size.empty()) {
        size = sourceSize_.empty() ? "d200" : sourceSize_;
    }
    elements.push_back("duct " + size + " 1");
    ShowElements(elements);
    table_->selectRow(table_->rowCount() - 1);
}

void RoomPanel::RemoveElement() {
    std::vector<std::string> elements = table_->Elements();
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(elements.size())) {
        return;
    }
    elements.erase(elements.begin() + row);
    ShowElements(elements);
    table_->selectRow(std::min(row, table_->rowCount() - 1));
}

void RoomPanel::MoveElement(int by) {
    std::vector<std::string> elements = table_->Elements();
    const int row = table_->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(elements.size())) {
        return;
    }
    std::swap(elements[static_cast<std::size_t>(row)], elements[static_cast<std::size_t>(to)]);
    ShowElements(elements);
    table_->selectRow(to);
}

void RoomPanel::Recalculate() {
    const std::map<std::string, std::string> options = Options();
    memory_.options = options;
    auto read = schedule::ReadRoomOptions(options);
    if (const auto* fault = std::get_if<std::string>(&read)) {
        results_->ShowWhyNone(QString::fromStdString(*fault));
        return;
    }
    const auto& inputs = std::get<std::optional<room::RoomInputs>>(read);
    if (!inputs) {
        results_->ShowWhyNone(
            QStringLiteral("Give the room's size, length x width x height in m, to see what the "
                           "product sends into it."));
        return;
    }
    if (!source_) {
        results_->ShowWhyNone(
            QStringLiteral("The form has no calculated sound to send into the room: calculate "
                           "it."));
        return;
    }
    auto evaluated = room::EvaluateRoom(*source_, *inputs);
    if (const auto* refusal = std::get_if<std::string>(&evaluated)) {
        results_->ShowWhyNone(QString::fromStdString(*refusal));
        return;
    }
    forms::ResultRecord record;
    schedule::AddRoomResult(record, std::get<room::RoomResult>(evaluated));
    results_->Show(record);
}

// Beside the form, where the screen has room for it, and wholly on the screen.
void RoomPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    FitToScreen(*this, kWantedSize);
    const QRect form = form_.frameGeometry();
    move(form.right() + 1, form.top());
    KeepOnScreen(*this);
}

RoomPanel& OpenRoomPanel(forms::qt::FormDialog& form, const Product& product, SharedState& state) {
    auto* panel = form.findChild<RoomPanel*>();
    if (panel == nullptr) {
        panel = new RoomPanel(form, product, state);
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
    return *panel;
}

std::map<std::string, std::string> RoomOptionsOf(const forms::qt::FormDialog& form) {
    const auto* panel = form.findChild<RoomPanel*>();
    return panel != nullptr && panel->HasRoom() ? panel->Options() : std::map<std::string, std::string>();
}

}  // namespace lorvane::app
