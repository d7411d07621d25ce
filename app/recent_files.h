#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace lorvane::app {

// The recent-file list kept in the user's settings: at most four paths, the latest first.
class RecentFileList {
  public:
    static constexpr int kCapacity = 4;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;
    // Puts the path first; a path already in the list moves, the oldest beyond four drops out.
    void Add(const QString& path);
    // Takes a path out of the list, as when its file has gone.
    void Remove(const QString& path) { files_.removeAll(path); }
    const QStringList& Files() const { return files_; }

  private:
    QStringList files_;
};

}  // namespace lorvane::app
