#include "app/finder_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <span>
#include <variant>

#include "app/form_commands.h"
#include "app/screen_fit.h"
#include "core/number_text.h"
#include "finder/candidate_columns.h"
#include "finder/candidate_text.h"
#include "forms/qt/form_dialog.h"
#include "forms/qt/utf8_text.h"
#include "products/catalogue.h"

namespace lorvane::app {
namespace {

// The window searches without a room: its table has the columns of such a search.
std::vector<const finder::CandidateColumn*> WindowColumns() {
    std::vector<const finder::CandidateColumn*> columns;
    for (const finder::CandidateColumn& column : finder::CandidateColumns()) {
        if (!column.ofTheRoom) {
            columns.push_back(&column);
        }
    }
    return columns;
}

using forms::qt::FromUtf8;

// The role that holds what a column sorts by: numbers by value, sizes by cross-section.
constexpr int kSortRole = Qt::UserRole + 1;

// A column's sort key as the table's sort role holds it.
QVariant SortValue(const finder::SortKey& key) {
    if (const auto* text = std::get_if<std::string>(&key)) {
        return FromUtf8(*text);
    }
    return std::get<double>(key);
}

// The texts an input starts with: the duty point last accepted in a form.
std::map<std::string, std::string> StartTexts(const SharedState& state) {
    return {
        {"flow", WholeNumber(state.productInputs.volumeFlow)},
        {"dp", WholeNumber(state.productInputs.differentialPressure)},
        {"target", state.targetLevel > 0 ? WholeNumber(state.targetLevel) : std::string()},
    };
}

}  // namespace

FinderWindow::FinderWindow(SharedState& state, forms::qt::Prompts& prompts,
                           std::ostream& diagnostics, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts), diagnostics_(diagnostics) {
    setWindowTitle(QStringLiteral("Find a product"));
    setObjectName(QStringLiteral("finder"));
    auto* layout = new QVBoxLayout(this);

    // The duty point on the left, the room for the controller on the right.
    auto* inputs = new QGridLayout;
    const std::map<std::string, std::string> start = StartTexts(state_);
    int position = 0;
    for (const finder::FinderInput& input : finder::FinderInputs) {
        const int row = position % 3;
        const int column = 3 * (position / 3);
        auto* field = new QLineEdit(this);
        const std::string name(input.name);
        field->setObjectName(QString::fromStdString(name));
        field->setToolTip(FromUtf8(input.help));
        if (const auto text = start.find(name); text != start.end()) {
            field->setText(QString::fromStdString(text->second));
        }
        auto* label = new QLabel(FromUtf8(input.label), this);
        label->setBuddy(field);
        inputs->addWidget(label, row, column);
        inputs->addWidget(field, row, column + 1);
        inputs_[name] = field;
        ++position;
    }
    inputs->setColumnMinimumWidth(2, 24);
    inputs->setColumnStretch(5, 1);
    layout->addLayout(inputs);

    const std::vector<const finder::CandidateColumn*> columns = WindowColumns();
    model_ = new QStandardItemModel(0, static_cast<int>(columns.size()), this);
    for (int column = 0; column < model_->columnCount(); ++column) {
        model_->setHeaderData(
            column, Qt::Horizontal,
            FromUtf8(finder::Heading(*columns[static_cast<std::size_t>(column)])));
    }
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("candidates"));
    table_->setModel(sorted_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setToolTip(QStringLiteral("Double-click a row to open the product's form"));
    // The finder's own order until a heading is clicked; the row headers keep its rank.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    layout->addWidget(table_, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);
    layout->addWidget(notes_);

    connect(table_, &QTableView::activated, this, &FinderWindow::OpenRow);
    for (const auto& [name, field] : inputs_) {
        connect(field, &QLineEdit::textChanged, this, &FinderWindow::Search);
    }
    FitToScreen(*this, QSize(1100, 600));
    Search();
}

QLineEdit* FinderWindow::Input(const std::string& name) const {
    const auto it = inputs_.find(name);
    return it == inputs_.end() ? nullptr : it->second;
}

void FinderWindow::Search() {
    finder::FinderTexts texts;
    for (const auto& [name, field] : inputs_) {
        texts[name] = field->text().toStdString();
    }
    const finder::DutyPointReading reading = finder::ReadDutyPoint(texts);
    dutyPoint_ = reading.dutyPoint;
    candidates_ =
        dutyPoint_ ? finder::FindCandidates(*dutyPoint_) : std::vector<finder::Candidate>();
    ShowCandidates();
    if (reading.refusal) {
        status_->setText(QString::fromStdString(reading.refusal->message));
    } else if (candidates_.empty()) {
        status_->setText(QString::fromStdString(finder::NothingFits(*dutyPoint_)));
    } else {
        const qsizetype count = static_cast<qsizetype>(candidates_.size());
        status_->setText(
            QStringLiteral("%1 %2 for %3; double-click one to open its form")
                .arg(count)
                .arg(count == 1 ? QStringLiteral("candidate") : QStringLiteral("candidates"))
                .arg(QString::fromStdString(finder::DutyPointText(*dutyPoint_))));
    }
}

void FinderWindow::ShowCandidates() {
    model_->removeRows(0, model_->rowCount());
    for (const finder::Candidate& candidate : candidates_) {
        // The candidate's notes (why no attenuator helps, an estimated insertion loss) show
        // over any of its cells.
        QStringList notes;
        for (const std::string& note : finder::CandidateNotes(candidate)) {
            notes.append(QString::fromStdString(note));
        }
        const QString toolTip = notes.join('\n');
        QList<QStandardItem*> row;
        for (const finder::CandidateColumn* column : WindowColumns()) {
            auto* item = new QStandardItem(QString::fromStdString(column->cell(candidate)));
            item->setData(SortValue(column->sortKey(candidate)), kSortRole);
            if (column->numbers) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (!toolTip.isEmpty()) {
                item->setToolTip(toolTip);
            }
            row.append(item);
        }
        model_->appendRow(row);
    }
    table_->resizeColumnsToContents();
    // What the words of the attenuator column mean, for those in the table.
    QStringList notes;
    for (const std::string& note : finder::TableNotes(candidates_)) {
        notes.append(QString::fromStdString(note));
    }
    notes_->setText(notes.join('\n'));
    notes_->setVisible(!notes.isEmpty());
}

void FinderWindow::OpenRow(const QModelIndex& index) {
    if (!index.isValid() || !dutyPoint_) {
        return;
    }
    const finder::Candidate candidate = candidates_.at(sorted_->mapToSource(index).row());
    const Product* product = FindProductByWord(candidate.product);
    if (product == nullptr) {
        status_->setText(QStringLiteral("The %1 form is not in this program yet.")
                             .arg(FromUtf8(candidate.name)));
        return;
    }
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state_, diagnostics_}),
                                 prompts_, this);
    AddFormCommands(dialog, *product, state_, schedule_);
    const forms::InputTexts texts = finder::FormTexts(candidate, *dutyPoint_);
    for (const forms::Option& option : product->spec().options) {
        const auto text = texts.find(option.name);
        if (text != texts.end() && option.field != forms::kNoId) {
            dialog.SetText(option.field, text->second);
        }
    }
    // "calculate" is pressed once the form shows, as a user would press it.
    dialog.show();
    if (auto* calculate =
            qobject_cast<QPushButton*>(dialog.Widget(dialog.form().Description().defaultButton))) {
        calculate->click();
    }
    dialog.exec();
}

}  // namespace lorvane::app
