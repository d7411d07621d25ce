#include "forms/qt/control_widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "forms/title_style.h"

namespace lorvane::forms::qt {
namespace {

// Edit fields are as wide as the numbers they hold, so that the band table stays a compact grid.
constexpr int kResultCharacters = 5;
constexpr int kInputCharacters = 8;

// An edit field whose preferred width holds a given number of digits.
class FieldEdit : public QLineEdit {
  public:
    FieldEdit(int characters, QWidget* parent) : QLineEdit(parent), characters_(characters) {}

    QSize sizeHint() const override {
        // The base hint is sized for 17 letters; swap them for the digits wanted.
        const QFontMetrics metrics(font());
        QSize hint = QLineEdit::sizeHint();
        hint.rwidth() += metrics.horizontalAdvance(QString(characters_, u'0')) -
                         17 * metrics.horizontalAdvance(u'x');
        return hint;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  private:
    int characters_;
};

QLabel* CreateLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // A number stands right-aligned, like the numbers in the result fields below it.
    bool isNumber = false;
    text.toDouble(&isNumber);
    if (isNumber) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return label;
}

// The notes of a calculation: wrapped lines across the form, selectable so they can be copied.
// Their room is kept while there are none, so that the buttons under them stay where they are.
constexpr int kNoteLines = 3;

QLabel* CreateNote(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setMinimumHeight(kNoteLines * note->fontMetrics().lineSpacing());
    note->setTextFormat(Qt::PlainText);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return note;
}

QComboBox* CreateComboBox(const Control& control, bool editable, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (editable) {
        // Typed text stays as typed: no completion from the entries.
        combo->setCompleter(nullptr);
    }
    for (const std::string& item : control.items) {
        combo->addItem(QString::fromStdString(item));
    }
    return combo;
}

QWidget* CreateEdit(ControlKind kind, int width, QWidget* parent) {
    if (kind == ControlKind::Input || kind == ControlKind::Hidden) {
        return new FieldEdit(width > 0 ? width : kInputCharacters, parent);
    }
    auto* edit = new FieldEdit(width > 0 ? width : kResultCharacters, parent);
    edit->setReadOnly(true);
    // Tab visits the inputs and buttons; a result takes focus on a click, to be copied.
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setAlignment(Qt::AlignRight);
    edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return edit;
}

void SetComboText(QComboBox* combo, const QString& text) {
    if (text.isEmpty()) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) {
            combo->setEditText(text);
        }
        return;
    }
    const int index = combo->findText(text, Qt::MatchStartsWith);
    if (index >= 0) {
        combo->setCurrentIndex(index);
    } else if (combo->isEditable()) {
        combo->setEditText(text);
    }
}

}  // namespace

QWidget* CreateControlWidget(const Control& control, QWidget* parent) {
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
        case ControlKind::Title:
            return new QLabel(text, parent);
        case ControlKind::Label: {
            QLabel* label = CreateLabel(text, parent);
            label->setWordWrap(control.wraps);
            return label;
        }
        case ControlKind::Input:
        case ControlKind::Result:
        case ControlKind::Hidden:
            return CreateEdit(control.kind, control.width, parent);
        case ControlKind::ComboBox:
            return CreateComboBox(control, true, parent);
        case ControlKind::List:
            return CreateComboBox(control, false, parent);
        case ControlKind::Button:
            return new QPushButton(text, parent);
        case ControlKind::Note:
            return CreateNote(parent);
    }
    return new QLabel(text, parent);
}

QString WidgetText(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    return {};
}

void SetWidgetText(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        SetComboText(combo, text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

void EnterWidgetText(QWidget* widget, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo == nullptr) {
        SetWidgetText(widget, text);
        return;
    }
    const int index = combo->findText(text, Qt::MatchExactly);
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable()) {
        combo->setEditText(text);
    }
}

void ShowTextAsStale(QWidget* field, bool stale) {
    QPalette palette = QApplication::palette(field);
    if (stale) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor text = palette.color(group, QPalette::Text);
            const QColor base = palette.color(group, QPalette::Base);
            palette.setColor(
                group, QPalette::Text,
                QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                       (text.blue() + base.blue()) / 2));
        }
    }
    field->setPalette(palette);
}

QFont TitleFontFrom(const QFont& base) {
    QFont font = base;
    const QString face =
        QString::fromLatin1(TitleFont.face.data(), static_cast<qsizetype>(TitleFont.face.size()));
    if (QFontDatabase::hasFamily(face)) {
        font.setFamily(face);
    }
    font.setPointSize(TitleFont.pointSize);
    return font;
}

void ApplyTitleStyle(QLabel* label) {
    label->setFont(TitleFontFrom(label->font()));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(TitleColour.red, TitleColour.green, TitleColour.blue));
    label->setPalette(palette);
}

}  // namespace lorvane::forms::qt
