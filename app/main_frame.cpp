#include "app/main_frame.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <iostream>

#include "app/about_dialog.h"
#include "app/form_commands.h"
#include "app/menu_table.h"
#include "forms/qt/form_dialog.h"
#include "products/catalogue.h"

namespace lorvane::app {
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
                AddCommand(open, entry.command, QString::fromUtf8(entry.text), true)
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
        // A product is offered once its form exists.
        AddCommand(target, product.menuCommand, QString::fromUtf8(product.menuText),
                   product.IsBuilt());
    }
}

QAction* CMainFrame::AddCommand(QMenu* menu, int command, const QString& text, bool enabled) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setObjectName(QString::number(command));
    action->setEnabled(enabled);
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
    const Product* product = FindProduct(command);
    if (product == nullptr || !product->IsBuilt()) {
        return;
    }
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state_, std::cout}),
                                 prompts_, this);
    AddFormCommands(dialog, *product);
    dialog.exec();
}

}  // namespace lorvane::app
