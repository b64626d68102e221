#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "display/display_settings.h"
#include "units/unit_tables.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenuBar;

namespace kalvo {

class TRealValidate;

/// The unit convertor: one category of units at a time, a field per unit in two columns.
/// A value typed into any field shows at once in every other field of the category; the
/// conversion itself is the unit tables' (units/unit_conversion.h). The window is created
/// for each opening, so it always starts with Length and empty fields.
///
///   TfmConv conv(session.State().display, session.Digits(), this);
///   dialogs.ExecDialog(conv);
class TfmConv : public QDialog {
    Q_OBJECT
  public:
    /// `display` and `digits` are the main window's; converted values follow them.
    TfmConv(const DisplaySettings& display, int digits, QWidget* parent = nullptr);

    /// The current category's number (the tag of its menu item).
    int Category() const { return m_category->number; }
    /// Chooses a category as its menu item does.
    void UnitsClick(int category);
    /// What F1 does: the caller opens the converter's help page.
    void SetHelp(std::function<void()> showHelp) { m_showHelp = std::move(showHelp); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Slot {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        TRealValidate* validator = nullptr;
    };

    void FormCreate();
    QMenuBar* BuildMenus();
    /// The field of unit `slot` got the focus.
    void edSEnter(int slot);
    /// The text of the field of unit `slot` changed: converts unless it is the window's own
    /// write or a value the unit does not take.
    void edSChange(int slot);

    DisplaySettings m_display;
    int m_digits;
    const UnitCategory* m_category = nullptr;
    bool m_busy = false;
    std::function<void()> m_showHelp;
    std::array<Slot, kUnitSlots> m_slots;
    QActionGroup* m_units = nullptr;
    QLabel* m_lbUnit = nullptr;
    QLabel* m_lbTo = nullptr;
};

}  // namespace kalvo
