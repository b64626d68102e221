#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "engine/constant_list.h"
#include "frontend/file_result.h"

class QLineEdit;
class QListWidget;

namespace kalvo {

class CalculatorSession;
class DialogService;

/// The "User Vars" tab ("User define variables"): the user's named values, one list line
/// per named constant of the engine ("name = value"), with adding, changing, deleting,
/// and saving to and loading from user-variables files.
class UserVarsTab : public QWidget {
    Q_OBJECT
  public:
    /// `settingsFile` receives the path chosen by "Save As"; `currentFile` is the file of
    /// "Save" for the whole run.
    UserVarsTab(CalculatorSession& session, DialogService& dialogs, std::string settingsFile,
                std::string currentFile, QWidget* parent = nullptr);

    /// "Add/Modify" (also Enter in either field): evaluates the expression field and
    /// stores its value under the name.
    void AddModify();
    /// "Delete": removes the selected line and the variable named on it.
    void DeleteSelected();
    /// "Save": the lines go to the current file.
    void Save();
    /// "Save As": the lines go to a chosen file, whose path is kept in the settings file.
    void SaveAs();
    /// "Load": a chosen file replaces the list and the named constants.
    void Load();
    /// Loads `path` as "Load" does and reports a failure in an error box.
    FileResult LoadFile(const std::string& path);
    /// The engine stored a named constant: keep the list lines in step.
    void ConstantStored(const NamedConstant& record, bool created, bool show);

    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& CurrentFile() const { return m_currentFile; }

  private:
    void ShowLines(int current);
    void LineDoubleClicked(int row);
    void Report(const FileResult& result);

    CalculatorSession& m_session;
    DialogService& m_dialogs;
    std::string m_settingsFile;
    std::string m_currentFile;
    std::vector<std::string> m_lines;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_expression = nullptr;
    QListWidget* m_list = nullptr;
};

}  // namespace kalvo
