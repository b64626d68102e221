#pragma once

#include <functional>
#include <string>

#include <QColor>
#include <QWidget>

#include "engine/real.h"
#include "frontend/settings.h"
#include "plot/plot_setup.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kalvo {

class DialogService;
class TIntValidate;
class TRealValidate;

/// The Graphics tab: the plot type, the X and Y ranges with their point counts, the
/// number of contours, the exaggeration, the names written on the plot, the colour of the
/// next curve, the OK button and the progress bar. It keeps the point counts per type in
/// the settings' step table and arranges its fields for the chosen type; the plotting
/// itself is the main window's.
class GraphicsTab : public QWidget {
    Q_OBJECT
  public:
    GraphicsTab(Settings& settings, DialogService& dialogs, QWidget* parent = nullptr);

    /// Fills the fields from the settings, silently (start-up).
    void LoadSettings();
    /// Writes the fields back into the settings (close).
    void StoreSettings();

    /// The tab was chosen: the legend and title become "f(" + input + ")", the step fields
    /// take the type's counts and the fields are arranged for the type.
    void Activated(const std::string& input);
    /// Where a type chosen by a click takes the input line's text from, for the
    /// "f(" + input + ")" names it writes.
    void SetInputSource(std::function<std::string()> input) { m_inputSource = std::move(input); }
    /// The help page of the chosen plot type's set-up.
    int HelpContext() const;
    /// The plot type as the radio group shows it.
    PlotType Type() const;
    /// Chooses a type as a click does.
    void ChooseType(PlotType type);
    /// Complex mode gives the grid types their complex captions and hides the curve
    /// types, moving a curve choice to the nearest grid type.
    void SetComplexMode(bool on);

    PlotSetupTexts Texts() const;
    void FocusField(PlotField field);
    QString Legend() const;
    QString Title() const;
    QString XName() const;
    QString YName() const;
    void SetLegend(const QString& text);
    void SetTitle(const QString& text);
    /// The exaggeration kept from the last OK, shown again when the contour type is chosen.
    Real KeptExaggeration() const { return m_exaggeration; }
    void SetKeptExaggeration(Real value) { m_exaggeration = value; }
    /// The colour chosen with the colour button for the next f(X) curve; invalid when none
    /// is waiting. Taking it clears it.
    QColor TakeChosenColor();
    bool ColorChosen() const { return m_colorChosen; }

    QProgressBar* Gauge() const { return m_gauge; }
    QPushButton* OkButton() const { return m_ok; }

  signals:
    void OkClicked();
    /// A type was chosen; the main window shows its hint and sets the integral precision.
    void TypeChosen(PlotType type);

  private:
    QLineEdit* AddField(const char* name, const QString& text);
    void TypeClicked(int id);
    void Arrange(PlotType type);
    void FillSteps(PlotType type);
    void StepChanged(bool y);
    void ChooseColor();
    void ShowColor();

    Settings& m_settings;
    DialogService& m_dialogs;
    std::string m_input;
    std::function<std::string()> m_inputSource;
    bool m_loading = false;
    Real m_exaggeration = 0;
    QColor m_color;
    bool m_colorChosen = false;

    QGroupBox* m_typeBox;
    QButtonGroup* m_types;
    QRadioButton* m_typeButtons[kPlotTypeCount];
    QLineEdit* m_fromX;
    QLineEdit* m_toX;
    QLineEdit* m_stepsX;
    QLineEdit* m_fromY;
    QLineEdit* m_toY;
    QLineEdit* m_stepsY;
    QLineEdit* m_numCont;
    QLineEdit* m_exaggerate;
    QLineEdit* m_legend;
    QLineEdit* m_title;
    QLineEdit* m_x;
    QLineEdit* m_y;
    QGroupBox* m_yRange;
    QLabel* m_numContLabel;
    QLabel* m_exaggerateLabel;
    QLabel* m_legendLabel;
    QLabel* m_titleLabel;
    QLabel* m_yLabel;
    QPushButton* m_colorButton;
    QPushButton* m_ok;
    QProgressBar* m_gauge;
    TIntValidate* m_stepsXGuard;
    TIntValidate* m_stepsYGuard;
};

}  // namespace kalvo
