#pragma once

#include <map>
#include <vector>

#include <QDate>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include "complex/complex_num.h"
#include "engine/engine_host.h"
#include "frontend/calculator_session.h"
#include "frontend/home_folder.h"
#include "frontend/settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kalvo {

class AboutTab;
class ConstantsTab;
class DialogService;
class UserFuncsTab;
class UserVarsTab;
class VariablesTab;
class TapeTab;
class TSetVar;
class TfmCompMess;
class TfmMatrix;
class TfmPolar;
class TfmSurface;
struct KeypadKey;

/// The calculator's main window: the input and result lines over their history and
/// results lists, the tabbed area with the keypad and mode switches, the tape and the
/// About page, the assistant panel and the break button. It owns no arithmetic: every
/// evaluation and mode switch goes through the calculator session, and the engine calls
/// back through the EngineHost interface that the window implements.
class TfmCalc : public QWidget, public EngineHost {
    Q_OBJECT
  public:
    enum Tab {
        kCalculatorTab,
        kTapeTab,
        kConstantsTab,
        kGraphicsTab,
        kVariablesTab,
        kUserVarsTab,
        kUserFuncsTab,
        kAboutTab
    };
    enum TimerPurpose { kRefreshAssistant = 1, kGreeting = 2 };

    /// Creates the window and runs the start-up: settings, history, constants, user
    /// functions and user variables come from the files of `home`. Closing the window
    /// writes the settings and the history back.
    TfmCalc(DialogService& dialogs, const HomeFolder& home, QWidget* parent = nullptr);
    /// The same with the home folder chosen from the environment (KALVO_HOME, a portable
    /// install, or the desktop's configuration folder).
    explicit TfmCalc(DialogService& dialogs, QWidget* parent = nullptr);
    ~TfmCalc() override;

    const HomeFolder& Home() const { return m_home; }
    /// The settings as read at start-up. The "Graphics" values live here until the
    /// Graphics tab takes them over; they are written back at close.
    Settings& StoredSettings() { return m_settings; }
    /// True when the settings file did not exist when the window was created.
    bool FirstStart() const { return m_firstStart; }

    CalculatorSession& Session() { return m_session; }

    /// The evaluation cycle on the input line (Enter, "=", the value prompt).
    void ReturnClick();
    /// Inserts engine text at the caret of the input line (keypad, lists, shortcuts).
    void SetFunc(const QString& text);
    /// The "Clear All" button.
    void ClearAll();
    /// Switches between real (false) and complex (true) mode with every visible step.
    void SetComplexMode(bool on);
    bool IsEvaluating() const { return m_evaluating; }
    /// The angle unit and the notation real mode uses: in complex mode the ones it will
    /// restore (complex mode itself runs in radians without the sexagesimal notation).
    int RealModeAngle() const;
    int RealModeNotation() const;
    /// Whether the "Complex Numbers" notice is shown the first time complex mode is chosen.
    void SetShowComp(bool on) { m_showComp = on; }
    bool ShowComp() const { return m_showComp; }
    TSetVar& ValuePrompt() { return *m_setVar; }
    TfmCompMess& CompMessage() { return *m_compMess; }
    TfmMatrix& MatrixWindow() { return *m_matrix; }
    TfmPolar& PolarWindow() { return *m_polar; }
    TfmSurface& SurfaceWindow() { return *m_surface; }
    TapeTab& Tape() { return *m_tapeTab; }
    VariablesTab& Variables() { return *m_variablesTab; }
    UserVarsTab& UserVars() { return *m_userVarsTab; }
    UserFuncsTab& UserFuncs() { return *m_userFuncsTab; }
    ConstantsTab& Constants() { return *m_constantsTab; }
    /// The assistant panel's caption ("" when hidden).
    QString AssistantCaption() const;

    // EngineHost
    bool ShowValuePrompt(int slot) override;
    void EvaluateVariableEdit(int slot) override;
    void ConstantStored(const NamedConstant& constant, bool created, bool show) override;
    void PumpMessages() override;
    bool ConfirmBreak() override;
    void IntegralProgress(const std::string& text) override;
    int IntegrationPrecision() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class EvaluationScope;

    // Start-up and close.
    void RestoreSettings();
    void LoadDataFiles();
    void ShowStarted();
    void SaveOnClose();

    // Construction.
    QWidget* BuildTopFields();
    QWidget* BuildCalculatorTab();
    QWidget* BuildKeypad(int group);
    QWidget* BuildModeSwitches();
    QGroupBox* MakeRadioGroup(const char* name, const QString& title, const QStringList& items,
                              int checked, QButtonGroup*& group);

    // Evaluation and display.
    void ShowResult(const ResultLine& line);
    void ShowValueText(const QString& text);
    void ShowExtremumArgument();
    void RefreshLists();
    std::string InputText() const;

    // Keypad.
    void KeyClicked(const KeypadKey& key);
    void VariableClicked(int slot);
    std::string FunctionText(int row) const;
    void ApplyHints();

    // Keyboard.
    bool HandleKey(QWidget* target, QKeyEvent* key);
    bool TriggerShortcut(QKeyEvent* key, bool alt);
    bool InCalculatorScope(QWidget* widget) const;

    // Mode switches.
    void NotationClicked(int index);
    void BaseClicked(int index);
    void AngleClicked(int index);
    void ComplexFormClicked(int index);
    void DigitsChanged(int position);
    void UpdateDigitsSpin();
    void ShowAnswerOfMode(const ResultLine& line);
    void SetChoiceVisible(QButtonGroup* group, int index, bool visible);

    // Assistant, greeting, timer.
    void StartTimer(TimerPurpose purpose);
    void TimerTick();
    void RefreshAssistant();
    void ShowAssistantRow(int row);
    void ShowAssistantText(const QString& text);
    void AssistantToggled(bool on);
    void FontSizeChanged(int points);
    void TabChanged(int index);
    void DeleteListEntry(QComboBox* list);

    DialogService& m_dialogs;
    CalculatorSession m_session;
    HomeFolder m_home;
    Settings m_settings;
    bool m_firstStart = false;

    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    QComboBox* m_history = nullptr;
    QComboBox* m_results = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QLabel* m_assistantPanel = nullptr;
    QCheckBox* m_assistantBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_break = nullptr;

    QButtonGroup* m_notation = nullptr;
    QButtonGroup* m_base = nullptr;
    QButtonGroup* m_angle = nullptr;
    QButtonGroup* m_complexForm = nullptr;
    QButtonGroup* m_real = nullptr;
    QGroupBox* m_baseBox = nullptr;
    QGroupBox* m_complexFormBox = nullptr;
    QSpinBox* m_digits = nullptr;
    QLabel* m_digitsLabel = nullptr;
    QSpinBox* m_precision = nullptr;
    QCheckBox* m_evalBox = nullptr;
    QCheckBox* m_hintBox = nullptr;
    std::map<const KeypadKey*, QAbstractButton*> m_keyButtons;

    TapeTab* m_tapeTab = nullptr;
    AboutTab* m_aboutTab = nullptr;
    ConstantsTab* m_constantsTab = nullptr;
    VariablesTab* m_variablesTab = nullptr;
    UserVarsTab* m_userVarsTab = nullptr;
    UserFuncsTab* m_userFuncsTab = nullptr;
    TSetVar* m_setVar = nullptr;
    TfmCompMess* m_compMess = nullptr;
    TfmMatrix* m_matrix = nullptr;
    TfmPolar* m_polar = nullptr;
    TfmSurface* m_surface = nullptr;

    QTimer m_timer;
    TimerPurpose m_timerPurpose = kRefreshAssistant;
    int m_assistantRow = -1;
    int m_insertionStart = 0;
    bool m_evaluating = false;
    bool m_greeted = false;
    QTime m_greetingTime;  ///< time of day of the first greeting, kept for the run
    QDate m_greetingDate;  ///< day of the last greeting
    bool m_showComp = true;
    bool m_compShown = false;
    int m_realAngle = 0;      ///< the angle unit real mode had when complex mode began
    int m_realNotation = -1;  ///< the notation complex mode took away (Sxg), or -1
};

}  // namespace kalvo
