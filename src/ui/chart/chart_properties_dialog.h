#pragma once

#include <optional>

#include <QDialog>

#include "ui/chart/chart_properties.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace kalvo {

class DialogService;

/// The chart's properties: the title, the axis names and ranges, and per series its name,
/// colour, line, width and marker, or its removal. Nothing changes on the chart until the
/// dialog is accepted and its result applied.
class ChartPropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    ChartPropertiesDialog(const ChartProperties& properties, DialogService& dialogs,
                          QWidget* parent = nullptr);

    /// The edited properties; nothing with `error` set when a range is not a number or
    /// its greatest value is not above its least.
    std::optional<ChartProperties> Result(QString* error) const;

    void accept() override;

  private:
    void SelectSeries(int row);
    void StoreSeries();
    void ChooseColor();
    void DeleteSeries();
    void ShowColor();

    DialogService& m_dialogs;
    ChartProperties m_properties;
    int m_current = -1;
    QLineEdit* m_title;
    QLineEdit* m_xName;
    QLineEdit* m_yName;
    QLineEdit* m_range[4];
    QListWidget* m_list;
    QLineEdit* m_name;
    QPushButton* m_color;
    QComboBox* m_line;
    QSpinBox* m_width;
    QComboBox* m_marker;
    QPushButton* m_delete;
};

}  // namespace kalvo
