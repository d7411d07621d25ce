#include "forms/qt/form_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "forms/qt/control_widgets.h"
#include "forms/qt/prompts.h"

namespace lorvane::forms::qt {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// As a form opens: the widgets with their list entries, then the form's first texts, then the
// heading's font. Selection handlers follow only the user's picks (QComboBox::activated), so
// neither filling the lists nor writing texts runs them.
FormDialog::FormDialog(std::unique_ptr<Form> form, Prompts& prompts, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), prompts_(prompts) {
    const FormDescription& description = form_->Description();
    setWindowTitle(QString::fromStdString(description.caption));
    setModal(true);
    Build(description);
    ShowInitialTexts(*this, *form_);
    if (auto* title = qobject_cast<QLabel*>(Widget(description.titleLabel))) {
        ApplyTitleStyle(title);
    }
}

FormDialog::~FormDialog() = default;

void FormDialog::Build(const FormDescription& description) {
    auto* layout = new QVBoxLayout(this);
    // The form keeps the size its controls need, like a dialog template.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    commands_ = new QHBoxLayout;
    commands_->addStretch();
    layout->addLayout(commands_);
    for (const forms::Control& control : description.controls) {
        AddControl(control, grid);
    }
    if (auto* button = qobject_cast<QPushButton*>(Widget(description.defaultButton))) {
        button->setDefault(true);
    }
}

void FormDialog::AddControl(const forms::Control& control, QGridLayout* grid) {
    QWidget* widget = CreateControlWidget(control, this);
    if (!control.toolTip.empty()) {
        widget->setToolTip(QString::fromStdString(control.toolTip));
    }
    if (control.kind == ControlKind::Hidden) {
        widget->hide();
    } else {
        // A result field keeps its narrow width at the left of a wider cell.
        const Qt::Alignment alignment =
            control.kind == ControlKind::Result ? Qt::AlignLeft : Qt::Alignment();
        grid->addWidget(widget, control.cell.row, control.cell.column, 1, control.cell.columnSpan,
                        alignment);
    }
    const ControlId id = control.id;
    if (id == kNoId) {
        return;
    }
    widget->setObjectName(QString::number(id));
    widgets_[id] = widget;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, id] { form_->OnButton(*this, id); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this,
                [this, id](int index) { form_->OnSelectionChange(*this, id, index); });
    }
}

QPushButton* FormDialog::AddCommand(QAction* action) {
    auto* button = new QPushButton(action->text(), this);
    button->setObjectName(action->objectName());
    button->setAutoDefault(false);
    button->setToolTip(action->toolTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
    addAction(action);
    commands_->addWidget(button);
    return button;
}

QWidget* FormDialog::Widget(ControlId id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

std::string FormDialog::Text(ControlId id) const {
    const QWidget* widget = Widget(id);
    if (widget == nullptr) {
        qWarning("Form \"%s\" has no control %d", qPrintable(windowTitle()), id);
        return {};
    }
    return WidgetText(widget).toStdString();
}

void FormDialog::SetText(ControlId id, std::string_view text) {
    QWidget* widget = Widget(id);
    if (widget == nullptr) {
        qWarning("Form \"%s\" has no control %d", qPrintable(windowTitle()), id);
        return;
    }
    SetWidgetText(widget, FromUtf8(text));
}

void FormDialog::ShowError(std::string_view message) {
    prompts_.ShowError(this, QString::fromStdString(form_->Description().errorCaption),
                       FromUtf8(message));
}

bool FormDialog::ShowCorrectionBox(std::string_view question) {
    return prompts_.AskCorrection(this, FromUtf8(question));
}

}  // namespace lorvane::forms::qt
