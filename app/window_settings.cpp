#include "app/window_settings.h"

#include <QMainWindow>
#include <QSettings>

#include "products/catalogue.h"

namespace lorvane::app {
namespace {

const QString kGeometry = QStringLiteral("Main Window/Geometry");
// By the product's word, which stays when menu commands are renumbered.
const QString kLastProductForm = QStringLiteral("Main Window/Last Product Form");

}  // namespace

void SaveWindowPlace(QSettings& settings, const QMainWindow& window) {
    settings.setValue(kGeometry, window.saveGeometry());
}

void RestoreWindowPlace(QSettings& settings, QMainWindow& window) {
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    if (!geometry.isEmpty()) {
        window.restoreGeometry(geometry);
    }
}

void SaveLastProductForm(QSettings& settings, const Product& product) {
    settings.setValue(
        kLastProductForm,
        QString::fromUtf8(product.word.data(), static_cast<qsizetype>(product.word.size())));
}

const Product* LastProductForm(QSettings& settings) {
    const QByteArray word = settings.value(kLastProductForm).toString().toUtf8();
    return FindProductByWord(
        std::string_view(word.constData(), static_cast<std::size_t>(word.size())));
}

}  // namespace lorvane::app
