#pragma once

#include <string>

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace kalvo {

class CalculatorSession;
class DialogService;

/// The "User Funcs" tab ("User define functions"): one list line per user function in
/// the order the evaluator tries them, with adding, changing, deleting, and saving to and
/// loading from user-functions files.
class UserFuncsTab : public QWidget {
    Q_OBJECT
  public:
    /// `settingsFile` receives the path chosen by "Save As"; `currentFile` is the file of
    /// "Save" for the whole run.
    UserFuncsTab(CalculatorSession& session, DialogService& dialogs, std::string settingsFile,
                 std::string currentFile, QWidget* parent = nullptr);

    /// "Add/Modify": name field + " = " + expression field becomes a function in front of
    /// the others, replacing the first one of the same name.
    void AddModify();
    /// "Delete": removes the selected line's function.
    void DeleteSelected();
    void Save();
    void SaveAs();
    /// "Load": a chosen file replaces the functions.
    void Load();
    /// Loads `path` into the functions; `report` shows what went wrong in a box, otherwise
    /// a failure is ignored (the start-up).
    void LoadFile(const std::string& path, bool report);
    /// One line per function, from the functions themselves.
    void ShowFunctions();

    QStringList Lines() const;

  private:
    void LineClicked(int row);

    CalculatorSession& m_session;
    DialogService& m_dialogs;
    std::string m_settingsFile;
    std::string m_currentFile;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_expression = nullptr;
    QListWidget* m_list = nullptr;
};

}  // namespace kalvo
