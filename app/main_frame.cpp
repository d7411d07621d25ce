#include "app/main_frame.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <iostream>
#include <vector>

#include "app/about_dialog.h"
#include "app/menu_table.h"
#include "forms/qt/form_dialog.h"
#include "products/registry.h"

namespace lorvane::app {
namespace {

bool IsProductCommand(int command) {
    return command != commands::kAbout && command != commands::kExit;
}

}  // namespace

CMainFrame::CMainFrame(SharedState& state, forms::qt::Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), state_(state), prompts_(prompts) {
    setCentralWidget(new QWidget(this));
    // The empty client area would shrink the window to its menu; open at a usable size.
    resize(800, 600);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
}

void CMainFrame::CreateMenus() {
    std::vector<QMenu*> open;
    for (const MenuEntry& entry : MainMenu()) {
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                open.push_back(open.empty() ? menuBar()->addMenu(entry.text)
                                            : open.back()->addMenu(entry.text));
                // Every separator of the table is drawn.
                open.back()->setSeparatorsCollapsible(false);
                break;
            case MenuEntryKind::Item:
                AddCommand(open.back(), entry.command, entry.text, entry.statusTip);
                break;
            case MenuEntryKind::Separator:
                open.back()->addSeparator();
                break;
            case MenuEntryKind::End:
                open.pop_back();
                break;
        }
    }
}

QAction* CMainFrame::AddCommand(QMenu* menu, int command, const char* text, const char* statusTip) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setData(command);
    action->setObjectName(QString::number(command));
    action->setStatusTip(QString::fromUtf8(statusTip));
    // A product command is offered once its form exists.
    action->setEnabled(!IsProductCommand(command) || FindProductForm(command) != nullptr);
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

void CMainFrame::OnCommand(int command) {
    if (command == commands::kExit) {
        close();
    } else if (command == commands::kAbout) {
        CAboutDlg about(this);
        about.exec();
    } else {
        OpenProductForm(command);
    }
}

void CMainFrame::OpenProductForm(int command) {
    const forms::FormFactory makeForm = FindProductForm(command);
    if (makeForm == nullptr) {
        return;
    }
    forms::qt::FormDialog dialog(makeForm(forms::FormContext{state_, std::cout}), prompts_, this);
    dialog.exec();
}

}  // namespace lorvane::app
