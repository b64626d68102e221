// The main window's start-up and close: settings, history, constants, user functions
// and user variables are read when the window is created and the settings and the
// history are written when it closes.
#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

#include "frontend/constants_file.h"
#include "frontend/history_file.h"
#include "frontend/shipped_data.h"
#include "ui/constants_tab.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/main_window.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"
#include "ui/user_funcs_tab.h"
#include "ui/user_vars_tab.h"

namespace kalvo {

namespace {

/// The constants file that ships with Kalvo: beside the program (a portable folder), in
/// its installed data folder, or in the source tree for a program run from the build tree.
std::string ShippedConstantsFile() {
    const std::string program = RunningExecutable();
    std::string folder = FindShippedData(program, ConfiguredDataLayout(), "Kalvo.CON");
    if (folder.empty()) {
        // The first start then reports the file missing where it should have been.
        const std::vector<std::string> folders =
            ShippedDataFolders(program, ConfiguredDataLayout());
        folder = folders.empty() ? std::string(".") : folders.back();
    }
    return folder + "/Kalvo.CON";
}

}  // namespace

void TfmCalc::RestoreSettings() {
    // While loading, the angle switch leaves the engine alone; the angle is set directly.
    m_session.SetLoading(true);
    const Settings& s = m_settings;

    m_notation->button(s.notation)->setChecked(true);
    m_session.SetNotation(s.notation);
    m_session.SetDigits(std::clamp(s.digits, m_session.DigitsMin(), m_session.DigitsMax()));
    m_session.State().display.complexForm = s.complexForm;
    m_complexForm->button(s.complexForm)->setChecked(true);
    UpdateDigitsSpin();
    m_precision->setValue(s.precision);
    m_assistantBox->setChecked(s.assistant);
    m_hintBox->setChecked(s.hint);
    m_session.State().angleUnit = s.angle;
    m_angle->button(s.angle)->setChecked(true);
    m_session.SetAngle(s.angle);  // ignored while loading
    m_showComp = s.showComp;
    ApplyHints();

    HistoryLists lists;
    ReadHistoryFile(m_home.HistoryFile(), lists);  // a missing file starts with empty lists
    m_session.SetHistory(std::move(lists.history));
    m_session.SetResults(std::move(lists.results));
    RefreshLists();

    move(s.left, s.top);
    m_session.SetLoading(false);
}

void TfmCalc::LoadDataFiles() {
    if (m_firstStart) {
        // A failed copy shows up as the missing constants file just below.
        InstallConstantsOnFirstStart(ShippedConstantsFile(), m_home.stem);
    }
    if (const FileResult loaded = m_constantsTab->LoadFile(); !loaded) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             Path(loaded.message));
    }
    // A missing or damaged functions file is not worth a message at start-up.
    m_userFuncsTab->LoadFile(m_settings.functionsFile, false);
    // The default file exists only once the user has saved user variables: its absence is
    // no news. A file that the settings name and that has gone missing is reported.
    if (QFileInfo::exists(Path(m_settings.variablesFile)) ||
        m_settings.variablesFile != m_home.DefaultVariablesFile()) {
        m_userVarsTab->LoadFile(m_settings.variablesFile);
    }
}

void TfmCalc::ShowStarted() {
    if (m_edit1->text().isEmpty() && m_history->count() > 0) {
        m_edit1->setText(m_history->itemText(0));
        m_edit1->setFocus();
        m_edit1->selectAll();
    }
    if (m_edit2->text().isEmpty() && m_results->count() > 0) {
        ShowValueText(m_results->itemText(0));
    }
    const std::string plotText = "f(" + m_session.State().text + ")";
    if (m_settings.plotType != 0) {
        m_settings.title = plotText;
        m_settings.legend.clear();
    } else {
        m_settings.legend = plotText;
        m_settings.title.clear();
    }
    m_edit1->setModified(true);
}

void TfmCalc::SaveOnClose() {
    Settings& s = m_settings;
    // A run always starts in real mode: keep the settings real mode had.
    s.notation = RealModeNotation();
    s.angle = RealModeAngle();
    s.digits = m_session.Digits();
    s.precision = m_precision->value();
    s.assistant = m_assistantBox->isChecked();
    s.hint = m_hintBox->isChecked();
    s.showComp = m_showComp;
    s.left = pos().x();
    s.top = pos().y();
    m_polar->SaveSettings();
    m_surface->SaveSettings();
    if (const FileResult saved = SaveSettingsFile(m_home.SettingsFile(), s); !saved) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"), Path(saved.message));
    }
    // A history file that cannot be written is given up silently: the window is closing.
    HistoryLists lists;
    lists.history = m_session.History();
    lists.results = m_session.Results();
    WriteHistoryFile(m_home.HistoryFile(), lists);
}

}  // namespace kalvo
