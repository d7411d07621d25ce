#include "forms/qt/form_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/form_text.h"
#include "forms/qt/application_icon.h"
#include "forms/qt/band_chart.h"
#include "forms/qt/control_widgets.h"
#include "forms/qt/prompts.h"
#include "forms/qt/utf8_text.h"
#include "forms/result_record.h"

namespace lorvane::forms::qt {
namespace {

const QString kStaleToolTip = QStringLiteral("from an earlier calculation");

}  // namespace

// As a form opens: the widgets with their list entries, then the form's first texts, then the
// heading's font. Selection handlers follow only the user's picks (QComboBox::activated), so
// neither filling the lists nor writing texts runs them.
FormDialog::FormDialog(std::unique_ptr<Form> form, Prompts& prompts, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), prompts_(prompts) {
    const FormDescription& description = form_->Description();
    setWindowTitle(QString::fromStdString(description.caption));
    setWindowIcon(ApplicationIcon());
    setModal(true);
    Build(description);
    ShowInitialTexts(*this, *form_);
    if (auto* title = qobject_cast<QLabel*>(Widget(description.titleLabel))) {
        ApplyTitleStyle(title);
    }

    auto* copy = new QAction(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    copy->setToolTip(QStringLiteral("Inputs and results as a table for a spreadsheet"));
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(TabSeparatedText()); });
    AddCommand(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

FormDialog::~FormDialog() = default;

void FormDialog::Build(const FormDescription& description) {
    auto* layout = new QVBoxLayout(this);
    // The form keeps the size its controls need, like a dialog template.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* body = new QHBoxLayout;
    layout->addLayout(body);
    auto* grid = new QGridLayout;
    body->addLayout(grid);
    if (description.showsSpectrum) {
        chart_ = new BandChart(this);
        body->addWidget(chart_, 0, Qt::AlignTop);
    }
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
    // Ctrl+C copies the form, unless a field has text selected to copy.
    for (QLineEdit* edit : widget->findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->installEventFilter(this);
    }
    const ControlId id = control.id;
    if (id == kNoId) {
        return;
    }
    widget->setObjectName(QString::number(id));
    widgets_[id] = widget;
    if (control.kind == ControlKind::Result) {
        results_.insert(id);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this,
                [this, id] { RunHandler([this, id] { form_->OnButton(*this, id); }); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, id](int index) {
            RunHandler([this, id, index] { form_->OnSelectionChange(*this, id, index); });
        });
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

void FormDialog::RunHandler(const std::function<void()>& handler) {
    written_.clear();
    answers_.clear();
    handler();
    MarkStaleResults();
    if (chart_ != nullptr) {
        chart_->ShowRecord(form_->LastRecord(),
                           [this](const BandRow& row) { return !IsStale(row.spec->firstField); });
    }
    emit HandlerRan();
}

void FormDialog::MarkStaleResults() {
    for (ControlId id : results_) {
        const bool stale = !written_.contains(id) && !Text(id).empty();
        if (stale != stale_.contains(id)) {
            if (stale) {
                stale_.insert(id);
            } else {
                stale_.erase(id);
            }
            ShowFieldState(id);
        }
    }
}

// A stale value is greyed and says so; a value with a caveat is set in italics and tells it.
void FormDialog::ShowFieldState(ControlId id) {
    QWidget* widget = Widget(id);
    const auto caveat = caveats_.find(id);
    const bool hasCaveat = caveat != caveats_.end();
    QFont font = widget->font();
    font.setItalic(hasCaveat);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, IsStale(id)
                                         ? palette.color(QPalette::Disabled, QPalette::Text)
                                         : QGuiApplication::palette().color(QPalette::Text));
    widget->setPalette(palette);
    const Control* control = form_->Description().Find(id);
    const QString ownToolTip = control ? QString::fromStdString(control->toolTip) : QString();
    widget->setToolTip(IsStale(id) ? kStaleToolTip : hasCaveat ? caveat->second : ownToolTip);
}

QString FormDialog::TabSeparatedText() const {
    return QString::fromStdString(RenderFormTabSeparated(
        form_->Description(), *this, [this](ControlId id) { return IsStale(id); }));
}

std::vector<std::vector<GridText>> FormDialog::CurrentGrid() const {
    return FormGrid(form_->Description(), *this, [this](ControlId id) { return IsStale(id); });
}

void FormDialog::Calculate() {
    if (auto* button = qobject_cast<QPushButton*>(Widget(form_->Description().defaultButton))) {
        button->click();
    }
}

void FormDialog::Enter(ControlId id, const QString& text) {
    if (QWidget* widget = Widget(id)) {
        EnterWidgetText(widget, text);
    }
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr && !edit->hasSelectedText() &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            return true;  // the field does not claim it: the form's Copy takes it
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A form opens centred over the window it belongs to.
    if (!centred_ && parentWidget() != nullptr) {
        centred_ = true;
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
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
    if (results_.contains(id)) {
        written_.insert(id);
    }
}

void FormDialog::SetCaveat(ControlId id, std::string_view caveat) {
    if (Widget(id) == nullptr) {
        return;
    }
    if (caveat.empty()) {
        caveats_.erase(id);
    } else {
        caveats_[id] = FromUtf8(caveat);
    }
    ShowFieldState(id);
}

void FormDialog::ShowError(std::string_view message) {
    prompts_.ShowError(this, QString::fromStdString(form_->Description().errorCaption),
                       FromUtf8(message));
}

bool FormDialog::ShowCorrectionBox(std::string_view question) {
    const bool yes = prompts_.AskCorrection(this, FromUtf8(question));
    answers_[std::string(question)] = yes;
    return yes;
}

}  // namespace lorvane::forms::qt
