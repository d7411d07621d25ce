#include "forms/qt/application_icon.h"

namespace lorvane::forms::qt {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/lorvane/icons/lorvane-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace lorvane::forms::qt
