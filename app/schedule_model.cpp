#include "app/schedule_model.h"

#include <QColor>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "app/schedule_cells.h"

namespace lorvane::app {

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent) {}

ScheduleModel::Row ScheduleModel::Calculated(schedule::Position position) {
    Row row{std::move(position), {}, {}};
    row.result = schedule::CalculatePosition(row.position);
    row.cells = PositionCells(row.position, row.result);
    return row;
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kScheduleColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_[Index(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return row.cells.at(index.column());
        case Qt::ToolTipRole:
            if (index.column() == kStatusColumn || index.column() == kMessageColumn) {
                return QString::fromStdString(row.result.message);
            }
            return {};
        case Qt::ForegroundRole:
            // A position that gives no results stands out.
            if (index.column() == kStatusColumn &&
                row.result.status != schedule::PositionStatus::Ok) {
                return QColor(0xb0, 0x00, 0x20);
            }
            return {};
        case Qt::TextAlignmentRole:
            return IsNumberColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                  : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return ScheduleHeading(section);
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == kTagColumn) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != kTagColumn) {
        return false;
    }
    Row& row = rows_[Index(index.row())];
    const std::string tag = value.toString().trimmed().toStdString();
    if (tag == row.position.tag) {
        return true;
    }
    row.position.tag = tag;
    row.cells[kTagColumn] = QString::fromStdString(tag);
    emit dataChanged(index, index);
    emit Edited();
    return true;
}

schedule::Project ScheduleModel::Project() const {
    schedule::Project project;
    for (const Row& row : rows_) {
        project.positions.push_back(row.position);
    }
    return project;
}

void ScheduleModel::SetProject(const schedule::Project& project) {
    beginResetModel();
    rows_.clear();
    for (const schedule::Position& position : project.positions) {
        rows_.push_back(Calculated(position));
    }
    endResetModel();
}

int ScheduleModel::Insert(int row, schedule::Position position) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, Calculated(std::move(position)));
    endInsertRows();
    emit Edited();
    return row;
}

void ScheduleModel::Append(std::vector<schedule::Position> positions) {
    if (positions.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(positions.size()) - 1);
    for (schedule::Position& position : positions) {
        rows_.push_back(Calculated(std::move(position)));
    }
    endInsertRows();
    emit Edited();
}

void ScheduleModel::Replace(int row, schedule::Position position) {
    rows_.at(Index(row)) = Calculated(std::move(position));
    emit dataChanged(index(row, 0), index(row, kScheduleColumnCount - 1));
    emit Edited();
}

void ScheduleModel::Remove(int row) {
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    emit Edited();
}

bool ScheduleModel::Move(int row, int by) {
    const int to = row + by;
    if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || by == 0) {
        return false;
    }
    // Qt counts the destination before the move: one further down when moving down.
    beginMoveRows({}, row, row, {}, by > 0 ? to + 1 : to);
    Row moved = std::move(rows_[Index(row)]);
    rows_.erase(rows_.begin() + row);
    rows_.insert(rows_.begin() + to, std::move(moved));
    endMoveRows();
    emit Edited();
    return true;
}

QString ScheduleModel::FreeTag(const QString& after) const {
    QSet<QString> taken;
    for (const Row& row : rows_) {
        taken.insert(QString::fromStdString(row.position.tag));
    }
    static const QRegularExpression numbered(QStringLiteral("^(.*?)(\\d+)$"));
    QString stem = QStringLiteral("P-");
    qlonglong number = 0;
    int width = 1;
    if (!after.isEmpty()) {
        const QRegularExpressionMatch match = numbered.match(after);
        if (match.hasMatch() && match.captured(2).size() < 18) {
            stem = match.captured(1);
            number = match.captured(2).toLongLong();
            width = static_cast<int>(match.captured(2).size());
        } else {
            stem = after + QStringLiteral("-");
            number = 1;
        }
    }
    QString tag;
    do {
        ++number;
        tag = stem + QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    } while (taken.contains(tag));
    return tag;
}

}  // namespace lorvane::app
