#include "app/recent_files.h"

#include <QSettings>

namespace lorvane::app {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

void RecentFileList::Load(QSettings& settings) {
    files_.clear();
    settings.beginGroup(kGroup);
    for (int i = 0; i < kCapacity; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty()) {
            files_.append(path);
        }
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const {
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int i = 0; i < files_.size(); ++i) {
        settings.setValue(Key(i), files_[i]);
    }
    settings.endGroup();
}

void RecentFileList::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kCapacity) {
        files_.removeLast();
    }
}

}  // namespace lorvane::app
