#include "ui/plot_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "ui/plot_command_icons.h"

namespace kalvo {

QAction* PlotCommandActions::Button(PlotCommand c) const {
    auto found = actions.find(c);
    return found == actions.end() ? nullptr : found->second;
}

QAction* PlotCommandActions::Item(PlotCommand c) const {
    auto found = menuItems.find(c);
    return found == menuItems.end() ? nullptr : found->second;
}

const std::vector<PlotCommandRow>& ViewCommandRows() {
    using Row = PlotCommandRow;
    static const std::vector<PlotCommandRow> rows = {
        {PlotCommand::kZoomIn, "Zoom in", "&View", "Zoom &In", "Ctrl++", "sbZoomIn"},
        {PlotCommand::kAnimatedZoom, "Animated zoom", "&View", "&Animation Zoom", nullptr,
         "sbAnimatedZoom", Row::kCheck},
        {PlotCommand::kZoomPrevious, "Zoom previous", "&View", "&Previous Zoom", "Ctrl+Backspace",
         "sbZoomPrevious"},
        {PlotCommand::kZoomOut, "Zoom Out", "&View", "Zoom &Out", "Ctrl+-", "sbZoomOut"},
        {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
        {PlotCommand::kShowLegend, "Show legend", "&View", "&Show Legend", nullptr, "sbLegend",
         Row::kCheck},
        {PlotCommand::kVertGrid, "Vertical grid", "&View", "&Vert. Grid", nullptr, "sbVertGrid",
         Row::kCheck},
        {PlotCommand::kHorisGrid, "Horizontal grid", "&View", "&Horis. Grid", nullptr,
         "sbHorisGrid", Row::kCheck},
    };
    return rows;
}

const PlotCommandRow& HelpCommandRow() {
    static const PlotCommandRow row{PlotCommand::kHelp, nullptr, "&Help", "&Help", "F1", "miHelp"};
    return row;
}

std::vector<PlotCommandRow> JoinRows(std::initializer_list<std::vector<PlotCommandRow>> tables) {
    std::vector<PlotCommandRow> joined;
    for (const auto& table : tables) {
        joined.insert(joined.end(), table.begin(), table.end());
    }
    return joined;
}

PlotCommandActions BuildPlotCommands(QMainWindow& window,
                                     const std::vector<PlotCommandRow>& table) {
    PlotCommandActions built;
    auto* toolBar = window.addToolBar(QObject::tr("Chart"));
    toolBar->setObjectName("ToolBar");
    toolBar->setMovable(false);
    std::map<QString, QMenu*> menus;
    auto menuFor = [&](const char* title) -> QMenu* {
        auto& menu = menus[QString::fromLatin1(title)];
        if (!menu) {
            menu = window.menuBar()->addMenu(QObject::tr(title));
            menu->setObjectName(QString::fromLatin1(title).remove(u'&').prepend("mn"));
        }
        return menu;
    };
    QActionGroup* buttonGroup = nullptr;
    bool separatorPending = false;
    const char* lastMenu = nullptr;
    for (const PlotCommandRow& row : table) {
        if (row.command == PlotCommand::kSeparator) {
            separatorPending = true;
            continue;
        }
        auto make = [&](const char* suffix) {
            auto* action = new QAction(&window);
            action->setObjectName(QString::fromLatin1(row.objectName) + suffix);
            action->setCheckable(row.kind != PlotCommandRow::kPlain);
            return action;
        };
        QAction* button = nullptr;
        QAction* item = nullptr;
        // A radio group's buttons and items are two groups; an item on the menu bar itself
        // shows its text, not the button's picture.
        const bool separate = row.kind == PlotCommandRow::kRadio || *row.menu == '\0';
        if (row.hint && row.menuText && !separate) {
            button = item = make("");
        } else {
            if (row.hint) {
                button = make("");
            }
            if (row.menuText) {
                item = make("Item");
            }
        }
        if (button) {
            button->setText(
                QString::fromLatin1(row.menuText ? row.menuText : row.hint).remove(u'&'));
            button->setToolTip(QObject::tr(row.hint));
            button->setIcon(PlotCommandIcon(row.command, window.palette()));
            if (separatorPending && !toolBar->actions().isEmpty()) {
                QAction* sep = toolBar->addSeparator();
                if (row.kind == PlotCommandRow::kRadio) {
                    built.radioSeparators.push_back(sep);
                }
            }
            toolBar->addAction(button);
            built.actions[row.command] = button;
        }
        if (item) {
            item->setText(QObject::tr(row.menuText));
            if (row.shortcut) {
                item->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            }
            if (*row.menu == '\0') {
                window.menuBar()->addAction(item);
            } else {
                QMenu* menu = menuFor(row.menu);
                if (separatorPending && lastMenu == row.menu && !menu->actions().isEmpty()) {
                    QAction* sep = menu->addSeparator();
                    if (row.kind == PlotCommandRow::kRadio) {
                        built.radioSeparators.push_back(sep);
                    }
                }
                menu->addAction(item);
                lastMenu = row.menu;
            }
            built.menuItems[row.command] = item;
        }
        if (row.kind == PlotCommandRow::kRadio) {
            if (!built.radioGroup) {
                built.radioGroup = new QActionGroup(&window);
                buttonGroup = new QActionGroup(&window);
            }
            if (item && item != button) {
                built.radioGroup->addAction(item);
            }
            if (button) {
                buttonGroup->addAction(button);
            }
            if (!button && item) {
                built.actions[row.command] = item;
            }
        }
        if (button && !item) {
            built.menuItems[row.command] = button;
        }
        separatorPending = false;
    }
    return built;
}

}  // namespace kalvo
