#include "MenuBar.h"

#include "CommandActions.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <map>
#include <string>

MenuBar::MenuBar(QMenuBar& bar, StagePresenters& presenters)
    : QObject(&bar), presenters_(presenters) {
    std::map<std::string, QMenu*> menus;
    std::map<std::string, QActionGroup*> choices;
    for (const Command<StagePresenters>& command : StagePresenters::Table()) {
        QMenu*& menu = menus[command.Menu];
        if (menu == nullptr)
            menu = bar.addMenu(QString::fromUtf8(command.Menu));
        if (command.AfterRecentFiles) {
            fileMenu_ = menu;
            recentFilesStart_ = menu->addSeparator();
            recentFilesEnd_ = menu->addSeparator();
        }
        QAction* action = menu->addAction(QString::fromUtf8(command.Text));
        action->setShortcuts(KeySequences(command.Keys));
        action->setShortcutContext(Qt::WindowShortcut);
        if (command.Checked != nullptr)
            action->setCheckable(true);
        if (command.Checked != nullptr && !command.Switch) {
            QActionGroup*& group = choices[command.Menu];
            if (group == nullptr)
                group = new QActionGroup(this);
            group->addAction(action);
        }
        connect(action, &QAction::triggered, this,
                [this, &command] { RunCommand(presenters_, command); });
        actions_.append(action);
    }
    // F10 opens the first menu, as Alt alone highlights the bar, whatever the keyboard layout;
    // Alt and the underlined letter need a layout that has the letter.
    auto* reachBar = new QShortcut(QKeySequence(Qt::Key_F10), bar.parentWidget());
    connect(reachBar, &QShortcut::activated, this, [&bar] {
        if (!bar.actions().isEmpty())
            bar.setActiveAction(bar.actions().first());
    });
    Follow();
}

void MenuBar::Follow() {
    FollowEnabling(actions_, presenters_);
    const auto table = StagePresenters::Table();
    for (qsizetype i = 0; i < actions_.size(); ++i)
        if (actions_[i]->isCheckable())
            actions_[i]->setChecked(IsChecked(presenters_, table[static_cast<size_t>(i)]));
    if (fileMenu_ == nullptr)
        return;
    qDeleteAll(recentFiles_);
    recentFiles_.clear();
    const std::vector<std::string> labels = presenters_.Main().RecentFileLabels();
    recentFilesStart_->setVisible(!labels.empty());
    for (size_t i = 0; i < labels.size(); ++i) {
        auto* action = new QAction(QString::fromStdString(labels[i]), fileMenu_);
        connect(action, &QAction::triggered, this, [this, i] { presenters_.Main().OpenRecent(i); });
        fileMenu_->insertAction(recentFilesEnd_, action);
        recentFiles_.append(action);
    }
}
