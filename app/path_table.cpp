#include "app/path_table.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>
#include <sstream>

namespace lorvane::app {
namespace {

const QStringList kKinds{QStringLiteral("duct"), QStringLiteral("elbow"), QStringLiteral("branch"),
                         QStringLiteral("outlet")};
const QStringList kBends{QStringLiteral("square"), QStringLiteral("round")};
const QStringList kMountings{QStringLiteral("flush"), QStringLiteral("free")};

// The size a row of another kind starts from where the row has none.
constexpr const char* kPlainSize = "d200";

std::vector<std::string> WordsOf(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string WordAt(const std::vector<std::string>& words, std::size_t place) {
    return place < words.size() ? words[place] : std::string();
}

bool HasWord(const std::vector<std::string>& words, std::string_view word) {
    return std::find(words.begin() + std::min<std::size_t>(words.size(), 2), words.end(), word) !=
           words.end();
}

// The words of a row as its text has them.
struct RowWords {
    std::string kind, size, length, lining, bend, share, mounting;
    bool vanes = false;
    bool linedElbow = false;
};

RowWords Split(const std::string& element) {
    const std::vector<std::string> words = WordsOf(element);
    RowWords row{.kind = WordAt(words, 0)};
    if (row.kind == "branch") {
        row.share = WordAt(words, 1);
        return row;
    }
    row.size = WordAt(words, 1);
    if (row.kind == "duct") {
        row.length = WordAt(words, 2);
        row.lining = WordAt(words, 3) == "lined" ? WordAt(words, 4) : std::string();
    } else if (row.kind == "elbow") {
        row.bend = WordAt(words, 2);
        row.vanes = HasWord(words, "vanes");
        row.linedElbow = HasWord(words, "lined");
    } else {
        row.mounting = WordAt(words, 2);
    }
    return row;
}

std::string Trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

}  // namespace

PathTable::PathTable(QWidget* parent) : QTableWidget(0, ColumnCount, parent) {
    setObjectName(QStringLiteral("pathTable"));
    setHorizontalHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Size"),
                               QStringLiteral("Length\n[m]"), QStringLiteral("Lining\n[mm]"),
                               QStringLiteral("Bend"), QStringLiteral("Vanes"),
                               QStringLiteral("Share"), QStringLiteral("Outlet")});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FixColumnWidths();
    setToolTip(QStringLiteral(
        "Size: WxH or dD in mm. A duct's lining in mm; blank: unlined. Share: the "
        "part of the sound power that goes on down a branch, above 0 and at most 1"));
    connect(this, &QTableWidget::itemChanged, this, [this] {
        if (!showing_) {
            emit Edited();
        }
    });
}

// Every column as wide as the widest element of any kind makes it, measured once on a row of
// each kind: the table keeps its width as rows come and go, and asks for room for all its
// columns. A user may still widen a column.
void PathTable::FixColumnWidths() {
    ShowElements({"duct 1000x1000 12.5 lined 50", "elbow 1000x1000 square vanes lined",
                  "branch 0.25", "outlet d1000 flush"});
    resizeColumnsToContents();
    const int rowLabels =
        verticalHeader()->sizeHint().width() + fontMetrics().horizontalAdvance(u'9');
    ShowElements({});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(horizontalHeader()->length() + rowLabels + 2 * frameWidth());
}

void PathTable::ShowElements(const std::vector<std::string>& elements) {
    showing_ = true;
    setRowCount(static_cast<int>(elements.size()));
    for (std::size_t row = 0; row < elements.size(); ++row) {
        AddRow(static_cast<int>(row), elements[row]);
    }
    showing_ = false;
}

void PathTable::AddRow(int row, const std::string& element) {
    const RowWords cells = Split(element);
    const bool duct = cells.kind == "duct";
    const bool elbow = cells.kind == "elbow";
    const bool branch = cells.kind == "branch";
    const bool outlet = cells.kind == "outlet";
    SetChoiceCell(row, Kind, kKinds, cells.kind);
    SetTextCell(row, Size, cells.size, !branch);
    SetTextCell(row, Length, cells.length, duct);
    if (elbow) {
        SetCheckCell(row, Lining, QStringLiteral("lined"), cells.linedElbow, true);
    } else {
        SetTextCell(row, Lining, cells.lining, duct);
    }
    SetChoiceCell(row, Bend, kBends, cells.bend, elbow);
    SetCheckCell(row, Vanes, QStringLiteral("vanes"), cells.vanes, elbow);
    SetTextCell(row, Share, cells.share, branch);
    SetChoiceCell(row, Mounting, kMountings, cells.mounting, outlet);
}

void PathTable::SetTextCell(int row, int column, const std::string& text, bool applies) {
    auto* cell = new QTableWidgetItem(QString::fromStdString(text));
    if (!applies) {
        cell->setFlags(Qt::NoItemFlags);
    }
    setItem(row, column, cell);
}

void PathTable::SetCheckCell(int row, int column, const QString& text, bool checked, bool applies) {
    auto* cell = new QTableWidgetItem(applies ? text : QString());
    if (applies) {
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    } else {
        cell->setFlags(Qt::NoItemFlags);
    }
    setItem(row, column, cell);
}

// A choice keeps its list where the cell has one already: the list being changed may be the
// one whose signal led here.
void PathTable::SetChoiceCell(int row, int column, const QStringList& words,
                              const std::string& word, bool applies) {
    if (!applies) {
        removeCellWidget(row, column);
        SetTextCell(row, column, {}, false);
        return;
    }
    auto* list = qobject_cast<QComboBox*>(cellWidget(row, column));
    if (list == nullptr || list->itemText(0) != words.front()) {
        list = new QComboBox;
        list->addItems(words);
        setCellWidget(row, column, list);
        connect(list, &QComboBox::currentTextChanged, this,
                [this, list, column](const QString& text) {
                    if (showing_) {
                        return;
                    }
                    if (column == Kind) {
                        ChangeKind(RowOf(list, column), text);
                    }
                    emit Edited();
                });
    }
    const QSignalBlocker quiet(list);
    list->setCurrentText(QString::fromStdString(word));
    setItem(row, column, new QTableWidgetItem);  // under the list, for the row's selection
}

void PathTable::ChangeKind(int row, const QString& kind) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    std::string size = Trimmed(CellText(row, Size));
    if (size.empty()) {
        size = kPlainSize;
    }
    std::string element;
    if (kind == QStringLiteral("duct")) {
        element = "duct " + size + " 1";
    } else if (kind == QStringLiteral("elbow")) {
        element = "elbow " + size + " square";
    } else if (kind == QStringLiteral("branch")) {
        element = "branch 1";
    } else {
        element = "outlet " + size + " flush";
    }
    showing_ = true;
    AddRow(row, element);
    showing_ = false;
}

std::vector<std::string> PathTable::Elements() const {
    std::vector<std::string> elements;
    for (int row = 0; row < rowCount(); ++row) {
        const std::string kind = Trimmed(CellText(row, Kind));
        const std::string size = Trimmed(CellText(row, Size));
        std::string element = kind + ' ';
        if (kind == "duct") {
            element += size + ' ' + Trimmed(CellText(row, Length));
            const std::string lining = Trimmed(CellText(row, Lining));
            if (!lining.empty()) {
                element += " lined " + lining;
            }
        } else if (kind == "elbow") {
            element += size + ' ' + Trimmed(CellText(row, Bend));
            if (CellChecked(row, Vanes)) {
                element += " vanes";
            }
            if (CellChecked(row, Lining)) {
                element += " lined";
            }
        } else if (kind == "branch") {
            element += Trimmed(CellText(row, Share));
        } else {
            element += size + ' ' + Trimmed(CellText(row, Mounting));
        }
        elements.push_back(element);
    }
    return elements;
}

int PathTable::RowOf(const QWidget* widget, int column) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (cellWidget(row, column) == widget) {
            return row;
        }
    }
    return -1;
}

QString PathTable::CellText(int row, int column) const {
    if (const auto* list = qobject_cast<const QComboBox*>(cellWidget(row, column))) {
        return list->currentText();
    }
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

bool PathTable::CellChecked(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr && (cell->flags() & Qt::ItemIsUserCheckable) &&
           cell->checkState() == Qt::Checked;
}

}  // namespace lorvane::app
