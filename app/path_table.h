#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

namespace lorvane::app {

// A sound path as a table, one element a row: its kind, size, length, lining, bend, vanes,
// share and outlet mounting, each in the words and numbers of the path's text. The table holds
// texts, not elements: a row reads as one element's text, and the path's reader judges it.
class PathTable : public QTableWidget {
    Q_OBJECT

  public:
    enum Column { Kind, Size, Length, Lining, Bend, Vanes, Share, Mounting, ColumnCount };

    explicit PathTable(QWidget* parent = nullptr);

    // Shows one row per element text ("duct d250 6 lined 50"), split into its words.
    void ShowElements(const std::vector<std::string>& elements);
    // The element text of every row, as its cells say.
    std::vector<std::string> Elements() const;
    // Gives a row another kind: an element of that kind of the row's size, its other values at
    // their plainest.
    void ChangeKind(int row, const QString& kind);

  signals:
    // The user changed a cell; Elements() says what the rows now read.
    void Edited();

  private:
    void FixColumnWidths();
    void AddRow(int row, const std::string& element);
    int RowOf(const QWidget* cellWidget, int column) const;
    void SetTextCell(int row, int column, const std::string& text, bool applies);
    void SetCheckCell(int row, int column, const QString& text, bool checked, bool applies);
    // A list of the words where the cell applies to the row's element, else an empty cell.
    void SetChoiceCell(int row, int column, const QStringList& words, const std::string& word,
                       bool applies = true);
    QString CellText(int row, int column) const;
    bool CellChecked(int row, int column) const;

    bool showing_ = false;
};

}  // namespace lorvane::app
