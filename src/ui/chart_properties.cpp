#include "ui/chart_properties.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/color_button.h"
#include "ui/rgb_color.h"

namespace kalvo {

namespace {

constexpr double kRotationLimit = 1e6;
constexpr double kTopElevation = 90;
constexpr double kThinnestLine = 0.5;
enum CurveColumn { kNameColumn, kColorColumn, kWidthColumn };

QLineEdit* AddText(QFormLayout* form, const char* name, const QString& label,
                   const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text), form->parentWidget());
    field->setObjectName(name);
    form->addRow(label, field);
    return field;
}

QCheckBox* AddCheck(QFormLayout* form, const char* name, const QString& label, bool checked) {
    auto* box = new QCheckBox(label, form->parentWidget());
    box->setObjectName(name);
    box->setChecked(checked);
    form->addRow(QString(), box);
    return box;
}

QDoubleSpinBox* AddNumber(QFormLayout* form, const char* name, const QString& label, double least,
                          double greatest, double value) {
    auto* spin = new QDoubleSpinBox(form->parentWidget());
    spin->setObjectName(name);
    spin->setRange(least, greatest);
    spin->setDecimals(1);
    spin->setValue(value);
    form->addRow(label, spin);
    return spin;
}

std::string Utf8(const QLineEdit* field) {
    return field->text().toStdString();
}

/// The dialog's form, with OK and Cancel under it.
QFormLayout* MakeForm(QDialog* dialog) {
    auto* layout = new QVBoxLayout(dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    return form;
}

void AddButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bbCancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    dialog->layout()->addWidget(buttons);
}

}  // namespace

SurfaceProperties::SurfaceProperties(DialogService& dialogs, const SurfaceView& view,
                                     QWidget* parent)
    : QDialog(parent), m_view(view) {
    setObjectName("fmSurfaceProperties");
    setWindowTitle(tr("Chart properties"));
    QFormLayout* form = MakeForm(this);
    m_titles[kAxisCount] = AddText(form, "edChartTitle", tr("Chart title:"), view.titles.chart);
    const char* names[kAxisCount] = {"edXTitle", "edYTitle", "edY2Title", "edZTitle"};
    const QString labels[kAxisCount] = {tr("X axis title:"), tr("Vertical axis title:"),
                                        tr("Second vertical axis title:"), tr("Depth axis title:")};
    for (int axis = 0; axis < kAxisCount; ++axis) {
        m_titles[axis] = AddText(form, names[axis], labels[axis],
                                 view.titles.axis[static_cast<std::size_t>(axis)]);
    }
    m_color = new ColorButton(dialogs, ToQColor(RgbFromStoredColor(view.elevationColor)), this);
    m_color->setObjectName("bbElevationColor");
    form->addRow(tr("Fill colour:"), m_color);
    m_wallWidth =
        AddNumber(form, "seWallWidth", tr("Wall width:"), 0, kMaxWallWidth, view.wallWidth);
    m_rotation = AddNumber(form, "seRotation", tr("Rotation (degrees):"), -kRotationLimit,
                           kRotationLimit, view.rotation);
    m_elevation = AddNumber(form, "seElevation", tr("Elevation (degrees):"), 0, kTopElevation,
                            view.elevation);
    m_legend = AddCheck(form, "chLegend", tr("Show legend"), view.showLegend);
    const char* gridNames[kAxisCount] = {"chGridX", "chGridY", "chGridY2", "chGridZ"};
    const QString gridLabels[kAxisCount] = {tr("X axis grid"), tr("Vertical axis grid"),
                                            tr("Second vertical axis grid"), tr("Depth axis grid")};
    for (int axis = 0; axis < kAxisCount; ++axis) {
        m_grids[axis] = AddCheck(form, gridNames[axis], gridLabels[axis], view.grids.Shown(axis));
    }
    AddButtons(this);
}

SurfaceView SurfaceProperties::View() const {
    SurfaceView view = m_view;
    for (int axis = 0; axis < kAxisCount; ++axis) {
        view.titles.axis[static_cast<std::size_t>(axis)] = Utf8(m_titles[axis]);
        // A grid drawn in a style of its own keeps it while it stays on.
        if (m_grids[axis]->isChecked() != view.grids.Shown(axis)) {
            view.grids.SetStyle(axis, m_grids[axis]->isChecked() ? 1 : 0);
        }
    }
    view.titles.chart = Utf8(m_titles[kAxisCount]);
    view.elevationColor = StoredColorFromRgb(ToRgb(m_color->Color()));
    view.wallWidth = m_wallWidth->value();
    view.rotation = m_rotation->value();
    view.elevation = m_elevation->value();
    view.showLegend = m_legend->isChecked();
    return view;
}

PolarProperties::PolarProperties(DialogService& dialogs, const PolarView& view,
                                 const DataGrid& grid, QWidget* parent)
    : QDialog(parent), m_view(view) {
    setObjectName("fmPolarProperties");
    setWindowTitle(tr("Chart properties"));
    QFormLayout* form = MakeForm(this);
    m_chartTitle = AddText(form, "edChartTitle", tr("Chart title:"), view.titles.chart);
    m_xTitle = AddText(form, "edXTitle", tr("Angle axis title:"), view.titles.axis[0]);
    m_yTitle = AddText(form, "edYTitle", tr("Radius axis title:"), view.titles.axis[1]);
    m_legend = AddCheck(form, "chLegend", tr("Show legend"), view.showLegend);
    m_circles = AddCheck(form, "chGridY", tr("Circles of the radius grid"), view.grids.Shown(1));
    m_spokes = AddCheck(form, "chGridY2", tr("Spokes of the angle grid"), view.grids.Shown(2));

    m_curves = new QTableWidget(PolarCurveCount(grid), 3, this);
    m_curves->setObjectName("sgCurves");
    m_curves->setHorizontalHeaderLabels({tr("Curve"), tr("Colour"), tr("Line width")});
    m_curves->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    for (int k = 0; k < m_curves->rowCount(); ++k) {
        const PolarCurveStyle style = k < static_cast<int>(view.curves.size())
                                          ? view.curves[static_cast<std::size_t>(k)]
                                          : PolarCurveStyle{1, DefaultCurveColor(k)};
        m_curves->setItem(k, kNameColumn,
                          new QTableWidgetItem(QString::fromStdString(grid.ColumnLabel(2 * k))));
        auto* color = new ColorButton(dialogs, ToQColor(style.color), m_curves);
        m_curves->setCellWidget(k, kColorColumn, color);
        auto* width = new QDoubleSpinBox(m_curves);
        width->setRange(kThinnestLine, kMaxLineWidth);
        width->setDecimals(1);
        width->setValue(style.lineWidth);
        m_curves->setCellWidget(k, kWidthColumn, width);
    }
    form->addRow(m_curves);
    AddButtons(this);
    resize(520, 460);
}

PolarView PolarProperties::View() const {
    PolarView view = m_view;
    view.titles.chart = Utf8(m_chartTitle);
    view.titles.axis[0] = Utf8(m_xTitle);
    view.titles.axis[1] = Utf8(m_yTitle);
    view.showLegend = m_legend->isChecked();
    if (m_circles->isChecked() != view.grids.Shown(1)) {
        view.grids.SetStyle(1, m_circles->isChecked() ? 1 : 0);
    }
    if (m_spokes->isChecked() != view.grids.Shown(2)) {
        view.grids.SetStyle(2, m_spokes->isChecked() ? 1 : 0);
    }
    view.curves.resize(static_cast<std::size_t>(m_curves->rowCount()));
    for (int k = 0; k < m_curves->rowCount(); ++k) {
        PolarCurveStyle& style = view.curves[static_cast<std::size_t>(k)];
        style.color =
            ToRgb(static_cast<ColorButton*>(m_curves->cellWidget(k, kColorColumn))->Color());
        style.lineWidth =
            static_cast<QDoubleSpinBox*>(m_curves->cellWidget(k, kWidthColumn))->value();
    }
    return view;
}

std::vector<std::string> PolarProperties::CurveNames() const {
    std::vector<std::string> names;
    for (int k = 0; k < m_curves->rowCount(); ++k) {
        names.push_back(m_curves->item(k, kNameColumn)->text().toStdString());
    }
    return names;
}

}  // namespace kalvo
