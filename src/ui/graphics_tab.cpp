#include "ui/graphics_tab.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "display/format_general.h"
#include "plot/graphics_layout.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/help_contexts.h"
#include "ui/int_validate.h"
#include "ui/real_validate.h"

namespace kalvo {

namespace {

constexpr Real kCoordinateLimit = 115425.2L;
constexpr long kMaxSteps = 16000;
constexpr int kExaggerationDigits = 8;

}  // namespace

GraphicsTab::GraphicsTab(Settings& settings, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_dialogs(dialogs) {
    setObjectName("tsGraphics");

    m_typeBox = new QGroupBox(tr("Plot type"), this);
    m_typeBox->setObjectName("rgPlot");
    m_types = new QButtonGroup(this);
    auto* typeLayout = new QVBoxLayout(m_typeBox);
    for (int t = 0; t < kPlotTypeCount; ++t) {
        m_typeButtons[t] = new QRadioButton(
            QString::fromLatin1(PlotTypeData(static_cast<PlotType>(t)).caption), m_typeBox);
        // A hidden choice keeps its place, as a blank panel over it would.
        QSizePolicy keep = m_typeButtons[t]->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        m_typeButtons[t]->setSizePolicy(keep);
        m_types->addButton(m_typeButtons[t], t);
        typeLayout->addWidget(m_typeButtons[t]);
    }
    typeLayout->addStretch();
    connect(m_types, &QButtonGroup::idClicked, this, &GraphicsTab::TypeClicked);

    auto* xRange = new QGroupBox(tr("X range"), this);
    xRange->setObjectName("gbXRange");
    m_fromX = AddField("edFromX", QStringLiteral("-10"));
    m_toX = AddField("edToX", QStringLiteral("10"));
    m_stepsX = AddField("edStepsX", QStringLiteral("200"));
    auto* xForm = new QFormLayout(xRange);
    xForm->addRow(tr("From"), m_fromX);
    xForm->addRow(tr("To"), m_toX);
    xForm->addRow(tr("Steps"), m_stepsX);

    m_yRange = new QGroupBox(tr("Y range"), this);
    m_yRange->setObjectName("gbYRange");
    m_fromY = AddField("edFromY", QStringLiteral("-10"));
    m_toY = AddField("edToY", QStringLiteral("10"));
    m_stepsY = AddField("edStepsY", QStringLiteral("21"));
    auto* yForm = new QFormLayout(m_yRange);
    yForm->addRow(tr("From"), m_fromY);
    yForm->addRow(tr("To"), m_toY);
    yForm->addRow(tr("Steps"), m_stepsY);

    m_numCont = AddField("edNumCont", QStringLiteral("10"));
    m_exaggerate = AddField("edExaggerate", QStringLiteral("0"));
    m_legend = AddField("edLegend", QString());
    m_title = AddField("edTitle", QString());
    m_x = AddField("edX", QStringLiteral("X"));
    m_y = AddField("edY", QStringLiteral("Y"));
    auto label = [this](const char* name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    m_numContLabel = label("lbNumCont", tr("Contours"), m_numCont);
    m_exaggerateLabel = label("lbExaggerate", tr("Exaggeration"), m_exaggerate);
    m_legendLabel = label("lbLegend", tr("Legend"), m_legend);
    m_titleLabel = label("lbTitle", tr("Title"), m_title);
    auto* xLabel = label("lbX", tr(" X axis"), m_x);
    m_yLabel = label("lbY", tr(" Y axis"), m_y);
    m_numCont->setToolTip(tr("Number of contour levels"));
    m_exaggerate->setToolTip(tr("Vertical exaggeration of the contour map; 0 fills the area"));

    m_colorButton = new QPushButton(tr("Colour..."), this);
    m_colorButton->setObjectName("sbColor");
    m_colorButton->setToolTip(tr("Colour of the next curve"));
    connect(m_colorButton, &QPushButton::clicked, this, &GraphicsTab::ChooseColor);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName("bbOK");
    m_ok->setToolTip(tr("Plot the function in the input line"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &GraphicsTab::OkClicked);
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName("bbGraphicsHelp");
    connect(help, &QPushButton::clicked, this, [this] { m_dialogs.ShowHelp(this, HelpContext()); });
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName("Gauge");
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);

    auto* names = new QGridLayout;
    names->addWidget(m_titleLabel, 0, 0);
    names->addWidget(m_title, 0, 1);
    names->addWidget(m_legendLabel, 1, 0);
    names->addWidget(m_legend, 1, 1);
    names->addWidget(xLabel, 2, 0);
    names->addWidget(m_x, 2, 1);
    names->addWidget(m_yLabel, 3, 0);
    names->addWidget(m_y, 3, 1);
    names->addWidget(m_numContLabel, 4, 0);
    names->addWidget(m_numCont, 4, 1);
    names->addWidget(m_exaggerateLabel, 5, 0);
    names->addWidget(m_exaggerate, 5, 1);
    names->setColumnStretch(1, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_numCont, m_numContLabel, m_exaggerate,
                                                      m_exaggerateLabel, m_legend, m_legendLabel}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
    }

    auto* ranges = new QHBoxLayout;
    ranges->addWidget(xRange);
    ranges->addWidget(m_yRange);
    auto* right = new QVBoxLayout;
    right->addLayout(ranges);
    right->addLayout(names);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_colorButton);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(m_ok);
    right->addLayout(buttons);
    right->addWidget(m_gauge);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_typeBox);
    layout->addLayout(right, 1);

    auto coordinate = [this](QLineEdit* field, const char* caption) {
        new TRealValidate(field, QString::fromLatin1(caption), this, -kCoordinateLimit,
                          kCoordinateLimit);
    };
    coordinate(m_fromX, "Minimum X-coordinate");
    coordinate(m_toX, "Maximum X-coordinate");
    coordinate(m_fromY, "Minimum Y-coordinate");
    coordinate(m_toY, "Maximum Y-coordinate");
    m_stepsXGuard =
        new TIntValidate(2, QStringLiteral("Number of Steps"), this, m_stepsX, kMaxSteps);
    m_stepsYGuard =
        new TIntValidate(0, QStringLiteral("Number of Steps"), this, m_stepsY, kMaxSteps);
    m_stepsXGuard->SetChangeHandler([this] { StepChanged(false); });
    m_stepsYGuard->SetChangeHandler([this] { StepChanged(true); });
    new TIntValidate(1, QStringLiteral(" Number of Cntours"), this, m_numCont, 1000);
    new TRealValidate(m_exaggerate, QStringLiteral("Vertical exaggerate"), this, 0, 1e30L);
    ShowColor();
}

QLineEdit* GraphicsTab::AddField(const char* name, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    return field;
}

void GraphicsTab::LoadSettings() {
    m_loading = true;
    const Settings& s = m_settings;
    m_fromX->setText(FromEngine(s.xMin));
    m_toX->setText(FromEngine(s.xMax));
    m_fromY->setText(FromEngine(s.yMin));
    m_toY->setText(FromEngine(s.yMax));
    m_legend->setText(FromEngine(s.legend));
    m_title->setText(FromEngine(s.title));
    m_x->setText(FromEngine(s.xAxis));
    m_y->setText(FromEngine(s.yAxis));
    const auto type = static_cast<PlotType>(std::clamp(s.plotType, 0, kPlotTypeCount - 1));
    m_typeButtons[static_cast<int>(type)]->setChecked(true);
    FillSteps(type);
    Arrange(type);
    m_loading = false;
}

void GraphicsTab::StoreSettings() {
    Settings& s = m_settings;
    s.plotType = static_cast<int>(Type());
    s.xMin = ToEngine(m_fromX->text());
    s.xMax = ToEngine(m_toX->text());
    s.yMin = ToEngine(m_fromY->text());
    s.yMax = ToEngine(m_toY->text());
    s.legend = ToEngine(m_legend->text());
    s.title = ToEngine(m_title->text());
    s.xAxis = ToEngine(m_x->text());
    s.yAxis = ToEngine(m_y->text());
}

void GraphicsTab::Activated(const std::string& input) {
    m_input = input;
    const QString caption = FromEngine(FunctionCaption(input));
    m_legend->setText(caption);
    m_title->setText(caption);
    FillSteps(Type());
    TypeClicked(static_cast<int>(Type()));
}

int GraphicsTab::HelpContext() const {
    static constexpr int kContexts[kPlotTypeCount] = {
        kHelpCurvePlot, kHelpContourSetup, kHelpShadingSetup, kHelpSurfaceSetup, kHelpPolarSetup};
    return kContexts[static_cast<int>(Type())];
}

PlotType GraphicsTab::Type() const {
    return static_cast<PlotType>(std::max(m_types->checkedId(), 0));
}

void GraphicsTab::ChooseType(PlotType type) {
    m_typeButtons[static_cast<int>(type)]->setChecked(true);
    TypeClicked(static_cast<int>(type));
}

void GraphicsTab::TypeClicked(int id) {
    if (m_inputSource) {
        m_input = m_inputSource();  // the function may have changed since the tab was opened
    }
    const auto type = static_cast<PlotType>(id);
    FillSteps(type);
    Arrange(type);
    emit TypeChosen(type);
}

void GraphicsTab::FillSteps(PlotType type) {
    const auto t = static_cast<std::size_t>(type);
    const bool wasLoading = m_loading;
    m_loading = true;  // the refill is no edit of the table
    m_stepsYGuard->SetMinimum(PlotTypeData(type).leastStepsY);
    m_stepsX->setText(QString::number(m_settings.stepX[t]));
    m_stepsY->setText(QString::number(m_settings.stepY[t]));
    m_loading = wasLoading;
}

void GraphicsTab::Arrange(PlotType type) {
    using Text = GraphicsLayout::Text;
    const GraphicsLayout l = LayoutFor(type);
    const QString function = FromEngine(FunctionCaption(m_input));
    auto text = [&](Text t, QLineEdit* field) {
        switch (t) {
            case Text::kKeep:
                break;
            case Text::kEmpty:
                field->clear();
                break;
            case Text::kFunction:
                field->setText(function);
                break;
            case Text::kZ:
                field->setText(QStringLiteral("Z"));
                break;
        }
    };
    m_colorButton->setVisible(l.colorButton);
    m_yRange->setEnabled(l.yRangeEnabled);
    m_numCont->setVisible(l.contoursShown);
    m_numContLabel->setVisible(l.contoursShown);
    m_legend->setVisible(l.legendShown);
    m_legendLabel->setVisible(l.legendShown);
    text(l.legend, m_legend);
    text(l.title, m_title);
    m_exaggerate->setVisible(l.exaggerateFieldShown);
    m_exaggerateLabel->setVisible(l.exaggerateLabelShown);
    if (l.exaggerateFromSetup) {
        m_exaggerate->setText(FromEngine(FormatGeneral(m_exaggeration, kExaggerationDigits)));
    }
    m_titleLabel->setText(tr(l.titleLabel));
    m_legendLabel->setText(tr(l.legendLabel));
    m_yLabel->setText(QString::fromLatin1(l.yAxisLabel));
    if (l.restoreAxisNames) {
        if (m_y->text() == QStringLiteral("Z") || m_y->text().isEmpty()) {
            m_y->setText(QStringLiteral("Y"));
        }
        if (m_x->text().isEmpty()) {
            m_x->setText(QStringLiteral("X"));
        }
    }
}

void GraphicsTab::StepChanged(bool y) {
    if (m_loading) {
        return;
    }
    TIntValidate* guard = y ? m_stepsYGuard : m_stepsXGuard;
    if (!guard->IsValid()) {
        QApplication::beep();
        return;
    }
    const auto t = static_cast<std::size_t>(Type());
    (y ? m_settings.stepY : m_settings.stepX)[t] = static_cast<int>(guard->Value());
}

void GraphicsTab::SetComplexMode(bool on) {
    for (int t = 1; t <= 3; ++t) {
        const PlotTypeInfo& info = PlotTypeData(static_cast<PlotType>(t));
        m_typeButtons[t]->setText(QString::fromLatin1(on ? info.complexCaption : info.caption));
    }
    m_typeButtons[0]->setVisible(!on);
    m_typeButtons[4]->setVisible(!on);
    const PlotType moved = ComplexModeType(Type());
    if (on && moved != Type()) {
        m_typeButtons[static_cast<int>(moved)]->setChecked(true);
        if (!m_loading) {
            TypeClicked(static_cast<int>(moved));
        }
    }
}

PlotSetupTexts GraphicsTab::Texts() const {
    PlotSetupTexts t;
    t.fromX = ToEngine(m_fromX->text());
    t.toX = ToEngine(m_toX->text());
    t.stepsX = ToEngine(m_stepsX->text());
    t.fromY = ToEngine(m_fromY->text());
    t.toY = ToEngine(m_toY->text());
    t.stepsY = ToEngine(m_stepsY->text());
    t.contours = ToEngine(m_numCont->text());
    t.exaggeration = ToEngine(m_exaggerate->text());
    return t;
}

void GraphicsTab::FocusField(PlotField field) {
    QLineEdit* target = nullptr;
    switch (field) {
        case PlotField::kNone:
            return;
        case PlotField::kStepsX:
            target = m_stepsX;
            break;
        case PlotField::kFromX:
            target = m_fromX;
            break;
        case PlotField::kToX:
            target = m_toX;
            break;
        case PlotField::kExaggeration:
            target = m_exaggerate;
            break;
        case PlotField::kStepsY:
            target = m_stepsY;
            break;
        case PlotField::kFromY:
            target = m_fromY;
            break;
        case PlotField::kToY:
            target = m_toY;
            break;
        case PlotField::kContours:
            target = m_numCont;
            break;
    }
    target->setFocus();
    target->selectAll();
}

QString GraphicsTab::Legend() const {
    return m_legend->text();
}

QString GraphicsTab::Title() const {
    return m_title->text();
}

QString GraphicsTab::XName() const {
    return m_x->text();
}

QString GraphicsTab::YName() const {
    return m_y->text();
}

void GraphicsTab::SetLegend(const QString& text) {
    m_legend->setText(text);
}

void GraphicsTab::SetTitle(const QString& text) {
    m_title->setText(text);
}

QColor GraphicsTab::TakeChosenColor() {
    if (!m_colorChosen) {
        return {};
    }
    m_colorChosen = false;
    ShowColor();
    return m_color;
}

void GraphicsTab::ChooseColor() {
    const QColor chosen = m_dialogs.GetColor(this, m_color.isValid() ? m_color : QColor(Qt::blue),
                                             tr("Curve colour"));
    if (!chosen.isValid()) {
        return;
    }
    m_color = chosen;
    m_colorChosen = true;
    ShowColor();
}

void GraphicsTab::ShowColor() {
    // The button wears the colour that waits for the next curve.
    if (m_colorChosen) {
        m_colorButton->setStyleSheet(
            QStringLiteral("QPushButton { border-left: 10px solid %1; }").arg(m_color.name()));
    } else {
        m_colorButton->setStyleSheet(QString());
    }
}

}  // namespace kalvo
