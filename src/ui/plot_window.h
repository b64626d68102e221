#pragma once

#include <vector>

#include <QMainWindow>

#include "frontend/settings.h"
#include "ui/chart/chart_panel.h"
#include "ui/plot_commands.h"

namespace kalvo {

class DialogService;

/// What the 2D and the contour window share: a tool bar and menus built from a command
/// table, the chart panel, the commands on it (print, save, zoom, properties, legend,
/// grids, 3D view, copy) and the placement kept in the settings. Closing hides the
/// window; its chart keeps its content.
class PlotWindow : public QMainWindow {
    Q_OBJECT
  public:
    /// `helpContext` is the help page that F1 and the Help menu open.
    PlotWindow(DialogService& dialogs, WindowPlacement& placement, int helpContext,
               QWidget* parent);

    TPlot& Chart() const { return *m_chart; }
    /// Writes the window's placement into the settings.
    void SaveSettings();
    /// The tool button's action of a command, or the menu item's when it has no button.
    QAction* Command(PlotCommand command) const;
    /// The menu item's action, or the button's when it has no item.
    QAction* MenuItem(PlotCommand command) const;

    // The commands both windows offer.
    void PrintGraphic();
    void SaveAs();
    void ZoomIn();
    void AnimatedZoom();
    void ZoomPrevious();
    void ZoomOut();
    void OpenProperties();
    virtual void ToggleLegend();
    virtual void ToggleGrid(TPlot::Axis axis);
    void View3D();
    void CopyToClipboard();

  signals:
    void Shown();

  protected:
    /// Builds the tool bar and the menus and wires the commands; a window's own commands
    /// go to RunCommand.
    void BuildCommands(const std::vector<PlotCommandRow>& table);
    virtual void RunCommand(PlotCommand command);
    void SetZoomBackEnabled(bool on);
    void SetChecked(PlotCommand command, bool on);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    DialogService& m_dialogs;
    TPlot* m_chart;
    PlotCommandActions m_commands;

  private:
    WindowPlacement& m_placement;
    int m_helpContext;
    int m_savedFrameWidth = 0;
    bool m_rememberedAnimation = false;
};

}  // namespace kalvo
