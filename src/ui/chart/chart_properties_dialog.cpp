#include "ui/chart/chart_properties_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialog_service.h"
#include "ui/real_validate.h"

namespace kalvo {

namespace {

QString Number(double v) {
    return QString::number(v, 'g', 10);
}

}  // namespace

ChartPropertiesDialog::ChartPropertiesDialog(const ChartProperties& properties,
                                             DialogService& dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_properties(properties) {
    setObjectName("ChartProperties");
    setWindowTitle(tr("Chart properties"));

    auto* chartBox = new QGroupBox(tr("Chart"), this);
    auto* chartForm = new QFormLayout(chartBox);
    auto field = [this](const char* name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(name);
        return edit;
    };
    m_title = field("edChartTitle", properties.title);
    m_xName = field("edXName", properties.xName);
    m_yName = field("edYName", properties.yName);
    const ChartView& v = properties.view;
    const char* rangeNames[4] = {"edXMin", "edXMax", "edYMin", "edYMax"};
    const double rangeValues[4] = {v.xMin, v.xMax, v.yMin, v.yMax};
    for (int i = 0; i < 4; ++i) {
        m_range[i] = field(rangeNames[i], Number(rangeValues[i]));
    }
    chartForm->addRow(tr("Title"), m_title);
    chartForm->addRow(tr("X axis"), m_xName);
    auto* xRange = new QHBoxLayout;
    xRange->addWidget(m_range[0]);
    xRange->addWidget(m_range[1]);
    chartForm->addRow(tr("X from, to"), xRange);
    chartForm->addRow(tr("Y axis"), m_yName);
    auto* yRange = new QHBoxLayout;
    yRange->addWidget(m_range[2]);
    yRange->addWidget(m_range[3]);
    chartForm->addRow(tr("Y from, to"), yRange);

    auto* seriesBox = new QGroupBox(tr("Series"), this);
    m_list = new QListWidget(seriesBox);
    m_list->setObjectName("lbSeries");
    for (const auto& s : properties.series) {
        m_list->addItem(s.name);
    }
    m_name = field("edSeriesName", QString());
    m_color = new QPushButton(seriesBox);
    m_color->setObjectName("sbSeriesColor");
    m_line = new QComboBox(seriesBox);
    m_line->setObjectName("cbSeriesLine");
    for (int i = 0; i < kChartLineCount; ++i) {
        m_line->addItem(LineName(static_cast<ChartLine>(i)));
    }
    m_width = new QSpinBox(seriesBox);
    m_width->setObjectName("udSeriesWidth");
    m_width->setRange(1, 10);
    m_marker = new QComboBox(seriesBox);
    m_marker->setObjectName("cbSeriesMarker");
    for (int i = 0; i < kChartMarkerCount; ++i) {
        m_marker->addItem(MarkerName(static_cast<ChartMarker>(i)));
    }
    m_delete = new QPushButton(tr("&Delete series"), seriesBox);
    m_delete->setObjectName("bbDeleteSeries");
    auto* seriesForm = new QFormLayout;
    seriesForm->addRow(tr("Name"), m_name);
    seriesForm->addRow(tr("Colour"), m_color);
    seriesForm->addRow(tr("Line"), m_line);
    seriesForm->addRow(tr("Width"), m_width);
    seriesForm->addRow(tr("Marker"), m_marker);
    seriesForm->addRow(QString(), m_delete);
    auto* seriesLayout = new QHBoxLayout(seriesBox);
    seriesLayout->addWidget(m_list, 1);
    seriesLayout->addLayout(seriesForm, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartBox);
    layout->addWidget(seriesBox, 1);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &ChartPropertiesDialog::SelectSeries);
    connect(m_name, &QLineEdit::textEdited, this, &ChartPropertiesDialog::StoreSeries);
    connect(m_line, &QComboBox::currentIndexChanged, this, &ChartPropertiesDialog::StoreSeries);
    connect(m_width, &QSpinBox::valueChanged, this, &ChartPropertiesDialog::StoreSeries);
    connect(m_marker, &QComboBox::currentIndexChanged, this, &ChartPropertiesDialog::StoreSeries);
    connect(m_color, &QPushButton::clicked, this, &ChartPropertiesDialog::ChooseColor);
    connect(m_delete, &QPushButton::clicked, this, &ChartPropertiesDialog::DeleteSeries);
    m_list->setCurrentRow(properties.series.empty() ? -1 : 0);
    SelectSeries(m_list->currentRow());
}

void ChartPropertiesDialog::SelectSeries(int row) {
    m_current = -1;  // no storing while the fields are filled
    const bool any = row >= 0 && row < static_cast<int>(m_properties.series.size()) &&
                     !m_properties.series[static_cast<std::size_t>(row)].remove;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_name, m_color, m_line, m_width, m_marker, m_delete}) {
        w->setEnabled(any);
    }
    if (!any) {
        return;
    }
    const auto& s = m_properties.series[static_cast<std::size_t>(row)];
    m_name->setText(s.name);
    m_line->setCurrentIndex(static_cast<int>(s.line));
    m_width->setValue(s.width);
    m_marker->setCurrentIndex(static_cast<int>(s.marker));
    m_current = row;
    ShowColor();
}

void ChartPropertiesDialog::StoreSeries() {
    if (m_current < 0) {
        return;
    }
    auto& s = m_properties.series[static_cast<std::size_t>(m_current)];
    s.name = m_name->text();
    s.line = static_cast<ChartLine>(std::max(m_line->currentIndex(), 0));
    s.width = m_width->value();
    s.marker = static_cast<ChartMarker>(std::max(m_marker->currentIndex(), 0));
    m_list->item(m_current)->setText(s.name);
}

void ChartPropertiesDialog::ShowColor() {
    if (m_current < 0) {
        return;
    }
    const QColor c = m_properties.series[static_cast<std::size_t>(m_current)].color;
    m_color->setText(c.name());
    m_color->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                               .arg(c.name(), c.lightness() > 128 ? "black" : "white"));
}

void ChartPropertiesDialog::ChooseColor() {
    if (m_current < 0) {
        return;
    }
    auto& s = m_properties.series[static_cast<std::size_t>(m_current)];
    const QColor chosen = m_dialogs.GetColor(this, s.color, tr("Series colour"));
    if (chosen.isValid()) {
        s.color = chosen;
        ShowColor();
    }
}

void ChartPropertiesDialog::DeleteSeries() {
    if (m_current < 0) {
        return;
    }
    const int row = m_current;
    m_properties.series[static_cast<std::size_t>(row)].remove = true;
    QListWidgetItem* item = m_list->item(row);
    QFont struck = item->font();
    struck.setStrikeOut(true);
    item->setFont(struck);
    SelectSeries(row);
}

std::optional<ChartProperties> ChartPropertiesDialog::Result(QString* error) const {
    ChartProperties p = m_properties;
    p.title = m_title->text();
    p.xName = m_xName->text();
    p.yName = m_yName->text();
    Real values[4] = {};
    const char* names[4] = {"X from", "X to", "Y from", "Y to"};
    const ChartView& v = m_properties.view;
    const double shown[4] = {v.xMin, v.xMax, v.yMin, v.yMax};
    for (int i = 0; i < 4; ++i) {
        // A range left as shown keeps its exact value, not the rounded one it reads as.
        if (m_range[i]->text() == Number(shown[i])) {
            values[i] = shown[i];
        } else if (!TRealValidate::Parse(m_range[i]->text().trimmed(), &values[i])) {
            if (error) {
                *error = tr("%1 is not a number").arg(QString::fromLatin1(names[i]));
            }
            return std::nullopt;
        }
    }
    if (!(values[1] > values[0]) || !(values[3] > values[2])) {
        if (error) {
            *error = tr("The greatest value of an axis must be more than its least");
        }
        return std::nullopt;
    }
    p.view = {static_cast<double>(values[0]), static_cast<double>(values[1]),
              static_cast<double>(values[2]), static_cast<double>(values[3])};
    return p;
}

void ChartPropertiesDialog::accept() {
    QString error;
    if (!Result(&error)) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(), error);
        return;
    }
    QDialog::accept();
}

}  // namespace kalvo
