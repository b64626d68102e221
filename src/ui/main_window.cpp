#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

#include "complex/complex_function_table.h"
#include "display/format_real.h"
#include "engine/function_table.h"
#include "frontend/assistant.h"
#include "frontend/text_insertion.h"
#include "ui/about_tab.h"
#include "ui/comp_message.h"
#include "ui/constants_tab.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/evaluation_scope.h"
#include "ui/greeting.h"
#include "ui/matrix_window.h"
#include "ui/polar_window.h"
#include "ui/set_var_dialog.h"
#include "ui/surface_window.h"
#include "ui/tape_tab.h"
#include "ui/theme_colors.h"
#include "ui/user_funcs_tab.h"
#include "ui/user_vars_tab.h"
#include "ui/variables_tab.h"

namespace kalvo {

namespace {

constexpr int kTimerMs = 10;
constexpr int kAssistantPointSize = 8;

}  // namespace

EvaluationScope::EvaluationScope(TfmCalc& window) : m_window(window) {
    m_window.m_evaluating = true;
    m_window.m_tabs->setEnabled(false);
    m_window.m_break->setEnabled(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

EvaluationScope::~EvaluationScope() {
    QApplication::restoreOverrideCursor();
    m_window.m_break->setEnabled(false);
    m_window.m_tabs->setEnabled(true);
    m_window.m_evaluating = false;
}

namespace {

HomeFolder HomeFromEnvironment() {
    HomeFolder home;
    OpenHomeFolder(HomeFolderInputsFromEnvironment(std::string()), home);
    return home;
}

}  // namespace

TfmCalc::TfmCalc(DialogService& dialogs, QWidget* parent)
    : TfmCalc(dialogs, HomeFromEnvironment(), parent) {}

TfmCalc::TfmCalc(DialogService& dialogs, const HomeFolder& home, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs), m_session(*this), m_home(home) {
    setObjectName("TfmCalc");
    setWindowTitle(QStringLiteral("Kalvo"));
    m_dialogs.SetStartFolder(QFile::decodeName(QByteArray::fromStdString(m_home.folder)));
    m_firstStart =
        !QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(m_home.SettingsFile())));
    m_settings = LoadSettingsFile(m_home.SettingsFile(), m_home);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("PageControl1");
    m_tapeTab = new TapeTab(m_dialogs, this);
    m_aboutTab = new AboutTab(m_dialogs, this);
    m_tabs->addTab(BuildCalculatorTab(), tr("Calculator"));
    m_tabs->addTab(m_tapeTab, tr("Tape"));
    m_constantsTab = new ConstantsTab(
        m_dialogs, m_home.stem, [this](const QString& text) { SetFunc(text); }, this);
    m_tabs->addTab(m_constantsTab, tr("Constants"));
    auto* graphics = new QWidget(this);  // filled by the plot set-up
    graphics->setObjectName("tsGraphics");
    m_tabs->addTab(graphics, tr("Graphics"));
    m_variablesTab = new VariablesTab(m_session, m_dialogs, this);
    m_tabs->addTab(m_variablesTab, tr("Variables"));
    m_userVarsTab = new UserVarsTab(m_session, m_dialogs, m_home.SettingsFile(),
                                    m_settings.variablesFile, this);
    m_tabs->addTab(m_userVarsTab, tr("User Vars"));
    m_userFuncsTab = new UserFuncsTab(m_session, m_dialogs, m_home.SettingsFile(),
                                      m_settings.functionsFile, this);
    m_tabs->addTab(m_userFuncsTab, tr("User Funcs"));
    m_tabs->addTab(m_aboutTab, tr("About"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &TfmCalc::TabChanged);

    m_break = new QPushButton(tr("Break culculation"), this);
    m_break->setObjectName("bbBreak");
    m_break->setEnabled(false);
    connect(m_break, &QPushButton::clicked, this, [this] {
        if (m_evaluating) {
            m_session.State().breakRequested = true;
        }
    });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_break);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTopFields());
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);

    m_setVar = new TSetVar(m_session.GetEngine(), m_dialogs, this);
    m_matrix = new TfmMatrix(*this, m_dialogs, this);  // with its f(A) prompt
    m_polar = new TfmPolar(m_dialogs, m_settings, this);
    m_surface = new TfmSurface(m_dialogs, m_settings, this);
    m_compMess = new TfmCompMess(m_dialogs, this);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &TfmCalc::TimerTick);

    RestoreSettings();
    LoadDataFiles();
    qApp->installEventFilter(this);
    m_edit1->setFocus();
}

TfmCalc::~TfmCalc() {
    qApp->removeEventFilter(this);
    // The pages are destroyed after the session; removing them must not call back here.
    disconnect(m_tabs, nullptr, this, nullptr);
}

QWidget* TfmCalc::BuildTopFields() {
    auto* box = new QWidget(this);
    m_edit2 = new QLineEdit(box);
    m_edit2->setObjectName("Edit2");
    m_edit2->setReadOnly(true);
    m_edit2->setFocusPolicy(Qt::ClickFocus);
    QFont resultFont = m_edit2->font();
    resultFont.setPointSizeF(resultFont.pointSizeF() + 2);
    m_edit2->setFont(resultFont);

    m_edit1 = new QLineEdit(box);
    m_edit1->setObjectName("Edit1");
    m_edit1->setPlaceholderText(tr("Type an expression and press Enter"));

    auto makeList = [box](const char* name, const QString& tip) {
        auto* list = new QComboBox(box);
        list->setObjectName(name);
        list->setToolTip(tip);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(0);
        list->setFocusPolicy(Qt::StrongFocus);
        return list;
    };
    m_results = makeList("cbResults", tr("Earlier results"));
    m_history = makeList("cbHistory", tr("Earlier inputs"));
    for (QComboBox* list : {m_results, m_history}) {
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { SetFunc(list->itemText(index)); });
    }

    m_fontSize = new QSpinBox(box);
    m_fontSize->setObjectName("udFontSize");
    m_fontSize->setToolTip(tr("Font size"));
    m_fontSize->setRange(6, 32);
    m_fontSize->setValue(m_edit1->font().pointSize() > 0 ? m_edit1->font().pointSize() : 10);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &TfmCalc::FontSizeChanged);

    m_assistantPanel = new QLabel(box);
    m_assistantPanel->setObjectName("pnAssistant");
    QFont small = m_assistantPanel->font();
    small.setPointSize(kAssistantPointSize);
    m_assistantPanel->setFont(small);
    m_assistantPanel->setFrameShape(QFrame::StyledPanel);
    m_assistantPanel->setAutoFillBackground(true);
    m_assistantPanel->setBackgroundRole(QPalette::ToolTipBase);
    m_assistantPanel->setForegroundRole(QPalette::ToolTipText);
    m_assistantPanel->setFixedWidth(0);
    m_assistantBox = new QCheckBox(tr("Assistant"), box);
    m_assistantBox->setObjectName("chAssistant");
    m_assistantBox->setChecked(true);
    connect(m_assistantBox, &QCheckBox::toggled, this, &TfmCalc::AssistantToggled);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_edit2, 0, 0);
    grid->addWidget(m_results, 0, 1);
    grid->addWidget(m_edit1, 1, 0);
    grid->addWidget(m_history, 1, 1);
    grid->addWidget(m_fontSize, 0, 2, 2, 1, Qt::AlignVCenter);
    auto* assistantRow = new QHBoxLayout;
    assistantRow->addWidget(m_assistantBox);
    assistantRow->addWidget(m_assistantPanel);
    assistantRow->addStretch();
    grid->addLayout(assistantRow, 2, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return box;
}

std::string TfmCalc::InputText() const {
    return m_edit1->text().toLatin1().toStdString();
}

void TfmCalc::ReturnClick() {
    if (m_evaluating) {
        return;  // the engine is not re-entrant: one evaluation at a time
    }
    m_session.State().errorFlag = false;
    if (m_edit1->text().isEmpty()) {
        return;
    }
    ResultLine line;
    {
        EvaluationScope scope(*this);
        line = m_session.Evaluate(InputText(), m_edit1->isModified());
    }
    ShowResult(line);
    m_edit2->setToolTip(QString());
    if (line.kind == ResultLine::Kind::kValue) {
        m_edit1->selectAll();
        ShowExtremumArgument();
    }
    RefreshLists();
}

void TfmCalc::ShowExtremumArgument() {
    // After a minimum or maximum search the argument where it was found is worth knowing:
    // it goes to the result line's tooltip and the assistant panel.
    const std::string input = InputText();
    const char* label = input.find("min") != std::string::npos   ? " Xmin="
                        : input.find("max") != std::string::npos ? " Xmax="
                                                                 : nullptr;
    if (!label) {
        return;
    }
    const EngineState& state = m_session.State();
    const QString text = QString::fromLatin1(
        label + FormatReal(state.display, m_session.Digits(), state.extremumArgument));
    m_edit2->setToolTip(text.trimmed());
    ShowAssistantText(text.trimmed());
}

void TfmCalc::ShowValueText(const QString& text) {
    QPalette palette = m_edit2->palette();
    palette.setColor(QPalette::Text, ValueColor(palette));
    m_edit2->setPalette(palette);
    m_edit2->setText(text);
    m_edit2->setCursorPosition(0);
}

void TfmCalc::ShowResult(const ResultLine& line) {
    switch (line.kind) {
        case ResultLine::Kind::kUnchanged:
            break;
        case ResultLine::Kind::kValue:
            ShowValueText(FromEngine(line.text));
            break;
        case ResultLine::Kind::kError: {
            QPalette palette = m_edit2->palette();
            palette.setColor(QPalette::Text, ErrorColor(palette));
            m_edit2->setPalette(palette);
            m_edit2->setText(FromEngine(line.text));
            m_edit2->setCursorPosition(0);
            m_edit1->setFocus();
            m_edit1->setSelection(line.selectStart, line.selectLength);
            break;
        }
        case ResultLine::Kind::kFault:
            m_edit2->clear();
            m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                                 FromEngine(line.text));
            break;
    }
}

void TfmCalc::RefreshLists() {
    auto fill = [](QComboBox* list, const std::deque<std::string>& entries) {
        QStringList texts;
        for (const std::string& entry : entries) {
            texts << FromEngine(entry);
        }
        QSignalBlocker block(list);
        list->clear();
        list->addItems(texts);
        list->setCurrentIndex(-1);
    };
    fill(m_history, m_session.History());
    fill(m_results, m_session.Results());
    // The tape memo owns the tape; take the session's new lines over.
    QStringList tape;
    for (const std::string& line : m_session.Tape()) {
        tape << FromEngine(line);
    }
    m_session.ClearTape();
    m_tapeTab->PrependLines(tape);
}

void TfmCalc::SetFunc(const QString& text) {
    EditLine line;
    line.text = InputText();
    line.caret = m_edit1->cursorPosition();
    if (m_edit1->hasSelectedText()) {
        line.selectionStart = m_edit1->selectionStart();
        line.selectionLength = static_cast<int>(m_edit1->selectedText().size());
    }
    const EditLine out = kalvo::SetFunc(line, text.toLatin1().toStdString(), &m_insertionStart);
    // insert() replaces the selection and keeps the edit's undo history.
    m_edit1->insert(text);
    if (m_edit1->text().toLatin1().toStdString() != out.text) {
        m_edit1->setText(FromEngine(out.text));
    }
    m_edit1->setModified(true);
    m_edit1->setCursorPosition(out.caret);
    m_session.State().text = out.text;
    m_edit1->setFocus();
}

void TfmCalc::ClearAll() {
    m_session.ClearAll();
    m_edit1->clear();
    RefreshLists();
}

QString TfmCalc::AssistantCaption() const {
    return m_assistantPanel->text();
}

// EngineHost -----------------------------------------------------------------------------

bool TfmCalc::ShowValuePrompt(int slot) {
    m_setVar->Prepare(slot);
    // The prompt may open in the middle of an evaluation: no hourglass while the user types.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool confirmed = m_dialogs.ExecDialog(*m_setVar) == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    return confirmed;
}

void TfmCalc::EvaluateVariableEdit(int slot) {
    m_variablesTab->EvaluateRow(slot);
}

void TfmCalc::ConstantStored(const NamedConstant& constant, bool created, bool show) {
    m_userVarsTab->ConstantStored(constant, created, show);
}

void TfmCalc::PumpMessages() {
    QCoreApplication::processEvents();
}

bool TfmCalc::ConfirmBreak() {
    QApplication::restoreOverrideCursor();
    const bool yes = m_dialogs.Question(this, tr("Kalvo"),
                                        QStringLiteral("Do you realy wont break calculation?"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!yes) {
        m_session.State().breakRequested = false;  // ask again only after the next click
    }
    return yes;
}

void TfmCalc::IntegralProgress(const std::string& text) {
    ShowValueText(FromEngine(text));
    m_edit2->repaint();
}

int TfmCalc::IntegrationPrecision() const {
    return m_precision->value();
}

// Assistant, greeting and timer ------------------------------------------------------------

void TfmCalc::StartTimer(TimerPurpose purpose) {
    m_timerPurpose = purpose;
    m_timer.start();
}

void TfmCalc::TimerTick() {
    if (m_timerPurpose == kGreeting) {
        const double day = m_greetingTime.msecsSinceStartOfDay() / 86400000.0;
        ShowAssistantText(FromEngine(GreetingText(day)));
    } else {
        RefreshAssistant();
    }
    m_timer.stop();
}

void TfmCalc::RefreshAssistant() {
    if (!m_assistantBox->isChecked()) {
        return;
    }
    static const std::array<std::string_view, kFunctionCount> realNames = [] {
        std::array<std::string_view, kFunctionCount> result{};
        for (int i = 0; i < kFunctionCount; ++i) {
            result[static_cast<std::size_t>(i)] =
                RealFunctionTable()[static_cast<std::size_t>(i)].name;
        }
        return result;
    }();
    const auto& names = m_session.ComplexMode() ? ComplexRowNames() : realNames;
    const std::string word = WordAtCaret(InputText(), m_edit1->cursorPosition());
    ShowAssistantRow(AssistantRow(word, names));
}

void TfmCalc::ShowAssistantRow(int row) {
    if (m_edit1->text().isEmpty()) {
        m_assistantPanel->setFixedWidth(0);
        m_assistantPanel->clear();
        return;
    }
    if (row < 0 || row == kFnE || row >= kHelpRowCount) {
        return;  // keeps what it shows
    }
    const auto& help = m_session.ComplexMode() ? ComplexHelpTable() : RealHelpTable();
    const std::string text =
        AssistantText(help[static_cast<std::size_t>(row)], m_session.AngleUnit());
    ShowAssistantText(FromEngine(text));
}

void TfmCalc::ShowAssistantText(const QString& text) {
    const QFontMetrics metrics(m_assistantPanel->font());
    m_assistantPanel->setFixedWidth(metrics.horizontalAdvance(text + QStringLiteral("     ")));
    m_assistantPanel->setText(u' ' + text + u' ');
    m_assistantPanel->setVisible(m_assistantBox->isChecked());
}

void TfmCalc::AssistantToggled(bool on) {
    m_assistantPanel->setVisible(on);
    m_assistantRow = -1;
    m_assistantPanel->clear();
    m_assistantPanel->setFixedWidth(0);
    if (on) {
        ShowAssistantRow(-1);
    }
    if (isVisible()) {
        m_edit1->setFocus();
    }
}

void TfmCalc::FontSizeChanged(int points) {
    for (QWidget* field : std::initializer_list<QWidget*>{m_edit1, m_history, m_results}) {
        QFont font = field->font();
        font.setPointSize(points);
        field->setFont(font);
    }
    QFont resultFont = m_edit2->font();
    resultFont.setPointSize(points + 2);
    m_edit2->setFont(resultFont);
}

void TfmCalc::TabChanged(int index) {
    m_session.State().text = InputText();
    if (index == kCalculatorTab && m_edit1->isEnabled()) {
        m_edit1->setFocus();
    } else if (index == kTapeTab && m_tapeTab->PrintButton()->isEnabled()) {
        m_tapeTab->PrintButton()->setFocus();
    } else if (index == kConstantsTab) {
        m_constantsTab->FindField()->setFocus();
    } else if (index == kVariablesTab) {
        m_variablesTab->ExpressionField(kSlotX)->setFocus();
    }
}

void TfmCalc::DeleteListEntry(QComboBox* list) {
    const bool open = list->view()->isVisible();
    const int index = open ? list->view()->currentIndex().row() : list->currentIndex();
    if (index < 0) {
        return;
    }
    if (list == m_history) {
        m_session.DeleteHistoryEntry(static_cast<std::size_t>(index));
    } else {
        m_session.DeleteResultsEntry(static_cast<std::size_t>(index));
    }
    list->removeItem(index);
}

// Window events ----------------------------------------------------------------------------

void TfmCalc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ShowStarted();
    // The first show greets; a later one greets again (with the first greeting's time of
    // day) only when more than a day has passed since the last greeting.
    const QDate today = QDate::currentDate();
    if (!m_greeted) {
        m_greeted = true;
        m_greetingTime = QTime::currentTime();
        m_greetingDate = today;
        StartTimer(kGreeting);
    } else if (GreetAgain(m_greetingDate.toJulianDay(), today.toJulianDay())) {
        m_greetingDate = today;
        StartTimer(kGreeting);
    }
}

void TfmCalc::closeEvent(QCloseEvent* event) {
    if (m_evaluating) {
        // Closing in the middle of a computation asks to break it first.
        m_session.State().breakRequested = true;
        event->ignore();
        return;
    }
    SaveOnClose();
    QWidget::closeEvent(event);
}

void TfmCalc::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The drop-downs open as wide as the fields they lie under.
    m_history->view()->setMinimumWidth(m_edit1->width());
    m_results->view()->setMinimumWidth(m_edit2->width());
}

}  // namespace kalvo
