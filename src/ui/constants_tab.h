#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "frontend/file_result.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kalvo {

class DialogService;

/// The "Constants" tab: the lines of the constants file, sorted, with a prefix search,
/// pasting a constant's value into the input line, and editing and reloading the file.
class ConstantsTab : public QWidget {
    Q_OBJECT
  public:
    /// `paste` inserts text at the caret of the input line.
    ConstantsTab(DialogService& dialogs, std::string stem,
                 std::function<void(const QString&)> paste, QWidget* parent = nullptr);

    /// Reads the constants file into the list; on failure the list is empty.
    FileResult LoadFile();
    /// Search field: selects the first line that starts with `text` ignoring case, or
    /// warns that no constant name begins so.
    void Search(const QString& text);
    /// Click on a line or "Paste": the selected line's value goes into the input line.
    void PasteSelected();
    /// "Edit": opens the constants file in the desktop's editor and enables "Reload".
    void EditFile();
    /// "Reload": reads the file again, warns when it is missing, disables "Reload".
    void Reload();

    QListWidget* List() const { return m_list; }
    QLineEdit* FindField() const { return m_find; }

  private:
    void ShowLines();

    DialogService& m_dialogs;
    std::string m_stem;
    std::function<void(const QString&)> m_paste;
    std::vector<std::string> m_lines;
    QLineEdit* m_find = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_reload = nullptr;
};

}  // namespace kalvo
