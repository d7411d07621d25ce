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
#include <algorithm>
#include <utility>

#include "forms/form_text.h"
#include "forms/qt/application_icon.h"
#include "forms/qt/band_chart.h"
#include "forms/qt/clipboard_text.h"
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
    // A spreadsheet on this machine reads numbers with the user's decimal separator.
    connect(copy, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(
            WithLocaleNumbers(TabSeparatedText(), QLocale::system()));
    });
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
    OrderTabs(description);
}

// The keyboard's path through the form: the inputs top to bottom (left to right within a row),
// then "calculate", then the form's other buttons, then the commands under it. A form opens
// with the focus in its first input, so that typing goes there at once.
void FormDialog::OrderTabs(const FormDescription& description) {
    std::vector<const Control*> inputs;
    std::vector<const Control*> buttons;
    for (const Control& control : description.controls) {
        if (control.kind == ControlKind::Input || control.kind == ControlKind::ComboBox ||
            control.kind == ControlKind::List) {
            inputs.push_back(&control);
        } else if (control.kind == ControlKind::Button && control.id != description.defaultButton) {
            buttons.push_back(&control);
        }
    }
    const auto visualOrder = [](const Control* a, const Control* b) {
        return std::pair(a->cell.row, a->cell.column) < std::pair(b->cell.row, b->cell.column);
    };
    std::stable_sort(inputs.begin(), inputs.end(), visualOrder);
    std::stable_sort(buttons.begin(), buttons.end(), visualOrder);
    if (const Control* calculate = description.Find(description.defaultButton)) {
        inputs.push_back(calculate);
    }
    inputs.insert(inputs.end(), buttons.begin(), buttons.end());
    for (const Control* control : inputs) {
        AppendToTabs(Widget(control->id));
    }
    if (!tabs_.empty()) {
        tabs_.front()->setFocus();
    }
}

void FormDialog::AppendToTabs(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    if (!tabs_.empty()) {
        setTabOrder(tabs_.back(), widget);
    }
    tabs_.push_back(widget);
}

void FormDialog::AddControl(const forms::Control& control, QGridLayout* grid) {
    QWidget* widget = CreateControlWidget(control, this);
    if (!control.toolTip.empty()) {
        widget->setToolTip(QString::fromStdString(control.toolTip));
    }
    if (control.kind == ControlKind::Hidden) {
        widget->hide();
    } else {
        // A result field keeps its narrow width at the right of a wider cell, under its column's
        // head, which stands right as the numbers do.
        const Qt::Alignment alignment =
            control.kind == ControlKind::Result ? Qt::AlignRight : Qt::Alignment();
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
    // What a result shows stops being current as soon as an input changes.
    if (control.kind == ControlKind::Input || control.kind == ControlKind::ComboBox) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            edit = combo->lineEdit();
        }
        if (edit != nullptr) {
            connect(edit, &QLineEdit::textEdited, this, [this] {
                written_.clear();
                MarkStaleResults();
                ShowCurrentChart();
            });
        }
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
    AppendToTabs(button);
    return button;
}

void FormDialog::RunHandler(const std::function<void()>& handler) {
    written_.clear();
    answers_.clear();
    handler();
    MarkStaleResults();
    ShowCurrentChart();
}

void FormDialog::ShowCurrentChart() {
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
    ShowTextAsStale(widget, IsStale(id));
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
