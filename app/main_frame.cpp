#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <iostream>

#include "app/about_dialog.h"
#include "app/finder_window.h"
#include "app/form_commands.h"
#include "app/menu_table.h"
#include "app/schedule_window.h"
#include "app/user_guide.h"
#include "forms/qt/application_icon.h"
#include "forms/qt/form_dialog.h"
#include "products/catalogue.h"

namespace lorvane::app {
CMainFrame::CMainFrame(SharedState& state, forms::qt::Prompts& prompts,
                       SchedulePrompts& schedulePrompts, RecentFileList& recentFiles,
                       QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      prompts_(prompts),
      schedulePrompts_(schedulePrompts),
      recentFiles_(recentFiles) {
    setCentralWidget(new QWidget(this));
    setWindowIcon(forms::qt::ApplicationIcon());
    // The empty client area would shrink the window to its menu; open at a usable size.
    resize(800, 600);
    CreateMenus();
    CommandAction(commands::kHelp)->setShortcut(QKeySequence::HelpContents);
    qApp->installEventFilter(this);
    CreateToolBar();
    CreateStatusBar();
}

void CMainFrame::CreateMenus() {
    QMenu* open = nullptr;
    for (const MenuEntry& entry : MainMenu()) {
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                open = menuBar()->addMenu(QString::fromUtf8(entry.text));
                // Every separator of the table is drawn.
                open->setSeparatorsCollapsible(false);
                break;
            case MenuEntryKind::Products:
                AddProducts(open);
                break;
            case MenuEntryKind::Item:
                AddCommand(open, entry.command, QString::fromUtf8(entry.text))
                    ->setStatusTip(QString::fromUtf8(entry.statusTip));
                break;
            case MenuEntryKind::Separator:
                open->addSeparator();
                break;
            case MenuEntryKind::End:
                open = nullptr;
                break;
        }
    }
}

void CMainFrame::AddProducts(QMenu* menu) {
    std::map<std::string_view, QMenu*> submenus;
    for (const Product& product : Catalogue()) {
        if (menu->title() != QString::fromUtf8(product.place.menu)) {
            continue;
        }
        QMenu* target = menu;
        if (!product.place.submenu.empty()) {
            QMenu*& submenu = submenus[product.place.submenu];
            if (submenu == nullptr) {
                submenu = menu->addMenu(QString::fromUtf8(product.place.submenu));
            }
            target = submenu;
        }
        AddCommand(target, product.menuCommand, QString::fromUtf8(product.menuText));
    }
}

QAction* CMainFrame::AddCommand(QMenu* menu, int command, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setObjectName(QString::number(command));
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions_[command] = action;
    return action;
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Standard"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
}

void CMainFrame::CreateStatusBar() {
    // The message pane shows "Bereit" whenever no prompt text covers it.
    auto* idle = new QLabel(QStringLiteral("Bereit"), this);
    idle->setObjectName(QStringLiteral("idleMessage"));
    statusBar()->addWidget(idle, 1);
    for (const char* indicator : {"UF", "NUM", "RF"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator), this);
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
    }
}

QAction* CMainFrame::CommandAction(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

UserGuideWindow* CMainFrame::UserGuide() const {
    return guide_;
}

void CMainFrame::OnCommand(int command) {
    if (command == commands::kExit) {
        close();
    } else if (command == commands::kFindProduct) {
        OpenFinder();
    } else if (command == commands::kSchedule) {
        ScheduleWindow& schedule = Schedule();
        schedule.raise();
        schedule.activateWindow();
    } else if (command == commands::kAbout) {
        CAboutDlg about(this);
        about.exec();
    } else if (command == commands::kHelp) {
        ShowUserGuide();
    } else {
        OpenProductForm(command);
    }
}

// While a modal window is up, every other window is blocked, the guide beside the main window
// too: the guide then opens as that window's own, closed with it.
void CMainFrame::ShowUserGuide() {
    UserGuideWindow* guide = guide_;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        guide = modal->findChild<UserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (guide == nullptr) {
            guide = new UserGuideWindow(modal);
        }
    } else if (guide == nullptr) {
        guide = guide_ = new UserGuideWindow(this);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        ShowUserGuide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// One finder window, beside the main window and not modal; choosing it again brings it forward
// with what was typed in it.
void CMainFrame::OpenFinder() {
    if (finder_ == nullptr) {
        finder_ = new FinderWindow(state_, prompts_, std::cout, this);
        finder_->SetSchedule(AddingToSchedule());
    }
    finder_->show();
    finder_->raise();
    finder_->activateWindow();
}

void CMainFrame::OpenProductForm(int command) {
    const Product* product = FindProduct(command);
    if (product == nullptr) {
        return;
    }
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state_, std::cout}), prompts_,
                                 this);
    AddFormCommands(dialog, *product, state_, AddingToSchedule());
    dialog.exec();
    emit ProductFormClosed(command);
}

AddToSchedule CMainFrame::AddingToSchedule() {
    return [this](schedule::Position position, QWidget* asker) {
        Schedule().AddPosition(std::move(position), asker);
    };
}

ScheduleWindow& CMainFrame::Schedule() {
    if (schedule_ == nullptr) {
        schedule_ = new ScheduleWindow(state_, prompts_, schedulePrompts_, recentFiles_, this);
        schedule_->setAttribute(Qt::WA_DeleteOnClose);
    }
    schedule_->show();
    return *schedule_;
}

ScheduleWindow* CMainFrame::OpenSchedule() const {
    return schedule_;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (schedule_ != nullptr && !schedule_->close()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace lorvane::app
