#pragma once

#include <map>
#include <vector>

#include <QString>

class QAction;
class QActionGroup;
class QMainWindow;

namespace kalvo {

/// The commands of the 2D and contour plot windows.
enum class PlotCommand {
    kPrint,
    kSaveAs,
    kZoomIn,
    kAnimatedZoom,
    kZoomPrevious,
    kZoomOut,
    kProperties,
    kShowLegend,
    kVertGrid,
    kHorisGrid,
    kView3D,
    kCopy,
    kExport,
    kImport,
    kClose,
    kBreakEdit,
    kAddContour,
    kDeleteContour,
    kLabelPosition,
    kLabelOff,
    kAllLabels,
    kHelp,
    kSeparator
};

/// One row of a window's command table: the tool button's hint (none: no button), the
/// menu and its item (none: no item), the shortcut, and whether the command is a
/// check mark or one of a radio group.
struct PlotCommandRow {
    PlotCommand command;
    const char* hint;      ///< tool button hint; nullptr for a menu-only command
    const char* menu;      ///< "&File", "&Edit", "&View"; "" for the menu bar itself
    const char* menuText;  ///< nullptr for a button-only command
    const char* shortcut;
    const char* objectName;
    enum Kind { kPlain, kCheck, kRadio } kind = kPlain;
};

/// The actions built from a table, by command, with the tool bar's and the menus' own
/// actions for the rows that have only one of the two.
struct PlotCommandActions {
    std::map<PlotCommand, QAction*> actions;    ///< the tool button's action
    std::map<PlotCommand, QAction*> menuItems;  ///< the menu item's (same when both)
    QActionGroup* radioGroup = nullptr;
    /// The separators before each radio group row, for hiding the group whole.
    std::vector<QAction*> radioSeparators;

    QAction* Button(PlotCommand c) const;
    QAction* Item(PlotCommand c) const;
};

/// The rows both plot windows share in their View menu: the zoom commands, the legend
/// and the two grids.
const std::vector<PlotCommandRow>& ViewCommandRows();
/// The row of the Help menu, with F1.
const PlotCommandRow& HelpCommandRow();
/// The tables one after the other.
std::vector<PlotCommandRow> JoinRows(std::initializer_list<std::vector<PlotCommandRow>> tables);

/// Builds the tool bar and the menus of `window` from the table, in table order. A
/// separator row separates tool buttons and the items of the menu that follows it.
PlotCommandActions BuildPlotCommands(QMainWindow& window, const std::vector<PlotCommandRow>& table);

}  // namespace kalvo
