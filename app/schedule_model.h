#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "schedule/project.h"

namespace lorvane::app {

// The positions of the open project as a table, each with what it comes to. A position is
// calculated again whenever it changes; its cells never show a result of an earlier state.
// Only the tag can be edited in the table.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ScheduleModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    schedule::Project Project() const;
    // Replaces every position.
    void SetProject(const schedule::Project& project);
    const schedule::Position& PositionAt(int row) const { return rows_.at(Index(row)).position; }
    const schedule::PositionResult& ResultAt(int row) const { return rows_.at(Index(row)).result; }

    // Each returns the row the position is in afterwards.
    int Insert(int row, schedule::Position position);
    int Append(schedule::Position position) { return Insert(rowCount(), std::move(position)); }
    // Appends many at once, as an import does.
    void Append(std::vector<schedule::Position> positions);
    void Replace(int row, schedule::Position position);
    void Remove(int row);
    // Moves a position up (-1) or down (+1); false at the end it would leave.
    bool Move(int row, int by);

    // The first tag after `after` that no position has: the number at its end counted on
    // ("V-101" gives "V-102"), "-2" added to a tag without one, "P-1" when `after` is empty.
    QString FreeTag(const QString& after) const;

  signals:
    // A position was added, removed, moved or changed: the project differs from the file.
    void Edited();

  private:
    struct Row {
        schedule::Position position;
        schedule::PositionResult result;
        QStringList cells;
    };
    static Row Calculated(schedule::Position position);
    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }

    std::vector<Row> rows_;
};

}  // namespace lorvane::app
