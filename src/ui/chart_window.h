#pragma once

#include <map>
#include <memory>
#include <span>
#include <vector>

#include <QImage>
#include <QWidget>

#include "frontend/settings.h"
#include "plot/data_grid.h"

class QAction;
class QPrinter;
class QToolBar;
class QVBoxLayout;

namespace kalvo {

class DialogService;

/// What a command of the surface and polar windows does.
enum class ChartCommandId {
    kPrint,
    kPrinterSetup,
    kSaveAs,  ///< the tool button that opens the pop-up menu of the two save commands
    kSaveBmp,
    kSavePng,
    kLegend,
    kCopy,
    kPaste,
    kEditData,
    kProperties,
    kExit,
    kHorizontalGrid,
    kPedestalGrid,
    kGrid,
    // The four rotations stay in this order: their icons are one arrow turned by it.
    kRotateDown,
    kRotateLeft,
    kRotateUp,
    kRotateRight,
};

/// One command of a chart window: a tool button (with its hint), a menu item, or both,
/// and the item of the "Save As..." pop-up menu. Texts are UTF-8; a null text means no
/// such button or item.
struct ChartCommand {
    ChartCommandId id;
    const char* name;       ///< the action is "ac" + name, its tool button "sb" + name
    const char* hint;       ///< tool button hint
    const char* menu;       ///< menu title
    const char* menuText;   ///< menu item text
    const char* popupText;  ///< item text in the "Save As..." pop-up menu
    const char* shortcut;   ///< key sequence in portable text form
};

/// Menu titles of the chart windows.
inline constexpr char kFileMenu[] = "&File";
inline constexpr char kEditMenu[] = "&Edit";
inline constexpr char kViewMenu[] = "&View";
inline constexpr char kPropertiesMenu[] = "&Properties";

/// Commands that read alike in both windows.
inline constexpr ChartCommand kPrintCommand{
    ChartCommandId::kPrint, "Print", "Print", kFileMenu, "&Print", nullptr, "Ctrl+P"};
inline constexpr ChartCommand kSaveAsCommand{
    ChartCommandId::kSaveAs, "SaveAs", "Save As...", nullptr, nullptr, nullptr, nullptr};
inline constexpr ChartCommand kLegendCommand{
    ChartCommandId::kLegend, "Legend", "Show legend", nullptr, nullptr, nullptr, nullptr};
inline constexpr ChartCommand kCopyCommand{
    ChartCommandId::kCopy, "Copy", "Copy to clipbord", kEditMenu, "&Copy", nullptr, "Ctrl+C"};
inline constexpr ChartCommand kDataCommand{
    ChartCommandId::kEditData, "Data", "Edit data", kEditMenu, "&Data", nullptr, "Ctrl+D"};
inline constexpr ChartCommand kExitCommand{
    ChartCommandId::kExit, "Exit", nullptr, kFileMenu, "E&xit", nullptr, "Ctrl+W"};

/// Commands whose menu texts differ between the windows: see WithMenuText.
inline constexpr ChartCommand kPrinterSetupCommand{
    ChartCommandId::kPrinterSetup, "PrinterSetup", nullptr, kFileMenu, nullptr, nullptr, nullptr};
inline constexpr ChartCommand kSaveBmpCommand{
    ChartCommandId::kSaveBmp, "SaveBmp", nullptr, kFileMenu, nullptr, "&Save as BMP...", nullptr};
inline constexpr ChartCommand kSavePngCommand{
    ChartCommandId::kSavePng, "SavePng", nullptr, kFileMenu, nullptr, "Save as &PNG...", "Ctrl+S"};
inline constexpr ChartCommand kPasteCommand{
    ChartCommandId::kPaste, "Paste", "Paste from clipboard", kEditMenu, nullptr, nullptr, "Ctrl+V"};
inline constexpr ChartCommand kPropertiesCommand{
    ChartCommandId::kProperties, "Properties", nullptr, kPropertiesMenu, nullptr, nullptr, nullptr};

constexpr ChartCommand WithMenuText(ChartCommand command, const char* menuText) {
    command.menuText = menuText;
    return command;
}

/// What the surface and polar windows share: a tool bar and menus built from the
/// window's command table over a chart, the data grid behind the chart, printing, the
/// printer set-up, saving the picture as BMP or PNG, copying it, pasting a data grid
/// from the clipboard, the data editor, and the window's placement in the settings.
/// Closing the window hides it.
class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    ~ChartWindow() override;

    /// Saves the chart's picture as PNG or BMP, chosen by the file name's extension,
    /// without showing the window. False with the reason in `error` when the chart cannot
    /// be drawn here or the file cannot be written (an existing file is then left as it was).
    bool SavePicture(const QString& path, QString* error = nullptr);

    /// Writes the window's placement and the rest of what it keeps into the settings.
    void SaveSettings();

    const DataGrid& Grid() const { return m_grid; }
    /// The action of a command, or nullptr when the window has none.
    QAction* Action(ChartCommandId id) const;
    void Run(ChartCommandId id);

  signals:
    void Shown();

  protected:
    ChartWindow(DialogService& dialogs, WindowPlacement& placement, const char* objectName,
                const QString& caption, QWidget* parent);

    /// Builds the tool bar and the menus above `chart`.
    void BuildCommands(std::span<const ChartCommand> commands, QWidget* chart);
    /// The data grid changed as a whole (paste, data editor).
    void ReplaceGrid(DataGrid grid);
    void Message(const QString& text);

    /// The chart drawn at `size`; null, with the reason in `error`, when it cannot be drawn.
    virtual QImage RenderChart(const QSize& size, QString& error) = 0;
    /// Draws the chart anew from the grid and the view.
    virtual void Redraw() = 0;
    virtual void GridReplaced() {}
    virtual void ToggleLegend() = 0;
    virtual void EditProperties() = 0;
    /// The commands of one window only.
    virtual void RunOwn(ChartCommandId id) = 0;
    /// Writes what the window keeps in the settings beyond its placement.
    virtual void StoreSettings() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    DialogService& m_dialogs;
    DataGrid m_grid;

  private:
    QImage Picture(QString& error);
    void UpdateIcons();
    void SaveAs(const char* format);
    void Print();
    void PrinterSetup();
    void Copy();
    void Paste();
    void EditData();

    WindowPlacement& m_placement;
    std::unique_ptr<QPrinter> m_printer;
    std::map<ChartCommandId, QAction*> m_actions;
    std::vector<ChartCommandId> m_buttons;  ///< the commands with a tool button
    QWidget* m_chart = nullptr;
};

}  // namespace kalvo
