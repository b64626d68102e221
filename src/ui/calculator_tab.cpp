// The Calculator tab of the main window: the keypad built from the keypad table, the
// mode switches and the buttons around them.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "complex/complex_function_table.h"
#include "engine/function_table.h"
#include "frontend/text_insertion.h"
#include "ui/comp_message.h"
#include "ui/dialog_service.h"
#include "ui/evaluation_scope.h"
#include "ui/help_contexts.h"
#include "ui/keypad_table.h"
#include "ui/main_window.h"
#include "ui/matrix_window.h"
#include "ui/set_var_dialog.h"
#include "ui/tape_tab.h"
#include "ui/units_window.h"

namespace kalvo {

namespace {

constexpr char kHintProperty[] = "kalvoHint";
constexpr int kDigitsLimit = 22;  ///< widest display in base dec and hex

QPushButton* MakeButton(const QString& caption, const char* name, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setProperty(kHintProperty, hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QWidget* TfmCalc::BuildKeypad(int group) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    for (const KeypadKey& key : KeypadKeys()) {
        if (static_cast<int>(key.group) != group) {
            continue;
        }
        auto* button = new QToolButton(box);
        button->setObjectName(key.objectName);
        button->setText(QString::fromUtf8(key.caption));
        button->setProperty(kHintProperty, QString::fromLatin1(key.hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setMinimumSize(button->fontMetrics().horizontalAdvance(u'M') * 3,
                               button->fontMetrics().height() + 10);
        if (key.action == KeyAction::kEvaluate) {
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        }
        const KeypadKey* entry = &key;
        connect(button, &QToolButton::clicked, this, [this, entry] { KeyClicked(*entry); });
        grid->addWidget(button, key.gridRow, key.gridColumn);
        m_keyButtons[entry] = button;
    }
    return box;
}

QGroupBox* TfmCalc::MakeRadioGroup(const char* name, const QString& title, const QStringList& items,
                                   int checked, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(name);
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setChecked(i == checked);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addStretch();
    return box;
}

QWidget* TfmCalc::BuildModeSwitches() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(MakeRadioGroup("rgNotation", tr("Notatation"), {"Scn", "Fix", "Eng", "Sxg"}, 0,
                                  m_notation));
    m_baseBox = MakeRadioGroup("rgBase", tr("Base"), {"dec", "hex", "bin "}, 0, m_base);
    row->addWidget(m_baseBox);
    m_complexFormBox =
        MakeRadioGroup("rgComplexForm", tr("Complex"), {"Polar", "Rect"}, 1, m_complexForm);
    m_complexFormBox->setVisible(false);
    row->addWidget(m_complexFormBox);
    row->addWidget(MakeRadioGroup("rgAngle", tr("Angle"), {"Rad", "Deg"}, 0, m_angle));
    row->addWidget(MakeRadioGroup("rgReal", QString(), {"Real", "Comp"}, 0, m_real));

    connect(m_notation, &QButtonGroup::idClicked, this, [this](int index) {
        m_realNotation = -1;  // a notation chosen in complex mode stays after it
        NotationClicked(index);
    });
    connect(m_base, &QButtonGroup::idClicked, this, &TfmCalc::BaseClicked);
    connect(m_angle, &QButtonGroup::idClicked, this, &TfmCalc::AngleClicked);
    connect(m_complexForm, &QButtonGroup::idClicked, this, &TfmCalc::ComplexFormClicked);
    connect(m_real, &QButtonGroup::idClicked, this, [this](int id) { SetComplexMode(id == 1); });

    // Digits and integration precision, each shown in a read-only box beside its arrows.
    auto* spins = new QGridLayout;
    m_digitsLabel = new QLabel(tr("Digits"), box);
    m_digitsLabel->setObjectName("lbDigits");
    m_digits = new QSpinBox(box);
    m_digits->setObjectName("udDigits");
    m_digits->setRange(0, 21);
    m_digits->setValue(8);
    m_digits->findChild<QLineEdit*>()->setReadOnly(true);
    connect(m_digits, &QSpinBox::valueChanged, this, &TfmCalc::DigitsChanged);
    auto* precisionLabel = new QLabel(tr("Precision"), box);
    m_precision = new QSpinBox(box);
    m_precision->setObjectName("udPrecision");
    m_precision->setRange(1, 20);
    m_precision->setValue(9);
    m_precision->findChild<QLineEdit*>()->setReadOnly(true);
    m_precision->setToolTip(tr("Digits after the point that successive integral estimates share"));
    spins->addWidget(m_digitsLabel, 0, 0);
    spins->addWidget(m_digits, 0, 1);
    spins->addWidget(precisionLabel, 1, 0);
    spins->addWidget(m_precision, 1, 1);

    m_hintBox = new QCheckBox(tr("Show help"), box);
    m_hintBox->setObjectName("chHint");
    m_hintBox->setChecked(true);
    connect(m_hintBox, &QCheckBox::toggled, this, [this] {
        ApplyHints();
        if (isVisible()) {
            m_edit1->setFocus();
        }
    });
    spins->addWidget(m_hintBox, 2, 0, 1, 2);
    spins->setRowStretch(3, 1);
    row->addLayout(spins);
    row->addStretch();
    return box;
}

QWidget* TfmCalc::BuildCalculatorTab() {
    auto* page = new QWidget(this);
    page->setObjectName("tsCalculator");

    auto* keypads = new QHBoxLayout;
    keypads->addWidget(BuildKeypad(static_cast<int>(KeyGroup::kFunctions)), 3);
    keypads->addSpacing(8);
    keypads->addWidget(BuildKeypad(static_cast<int>(KeyGroup::kDigits)), 2);

    auto* variables = new QHBoxLayout;
    variables->addWidget(BuildKeypad(static_cast<int>(KeyGroup::kVariables)), 1);
    m_evalBox = new QCheckBox(tr("Evaluate"), page);
    m_evalBox->setObjectName("cbEval");
    m_evalBox->setChecked(true);
    m_evalBox->setToolTip(tr("A variable button asks for the variable's value"));
    variables->addWidget(m_evalBox);

    auto* clearAll = MakeButton(tr("Clear All"), "bbClearAll",
                                tr("Clear the lists, the variables and the input line"), page);
    auto* copy = MakeButton(tr("Copy"), "sbCopy", tr("Copy from Edit Line to Clipboard"), page);
    auto* paste = MakeButton(tr("Paste"), "sbPaste", tr("Paste from Clipboard to Edit Line"), page);
    auto* convertor = MakeButton(tr("Unit Convertor"), "bbConvertor", tr("Unit Convertor"), page);
    auto* matrix = MakeButton(tr("Matrix Operations"), "bbMatrix", QString(), page);
    auto* plots = MakeButton(tr("Show plots"), "bbShowPlots", QString(), page);
    auto* help = MakeButton(tr("Help"), "bbHelp", QString(), page);
    auto* exit = MakeButton(tr("Exit"), "bbExit", tr("Close Kalvo"), page);
    // The window behind this button comes with the plot components.
    for (QPushButton* later : {plots}) {
        later->setEnabled(false);
    }
    connect(matrix, &QPushButton::clicked, this, [this] {
        m_matrix->show();
        m_matrix->raise();
        m_matrix->activateWindow();
    });
    connect(clearAll, &QPushButton::clicked, this, &TfmCalc::ClearAll);
    connect(convertor, &QPushButton::clicked, this, [this] {
        TfmConv conv(m_session.State().display, m_session.Digits(), this);
        conv.SetHelp([this, &conv] { m_dialogs.ShowHelp(&conv, kHelpUnitConverter); });
        m_dialogs.ExecDialog(conv);
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        const QString text = m_edit1->hasSelectedText() ? m_edit1->selectedText() : m_edit1->text();
        QApplication::clipboard()->setText(text);
        m_edit1->setFocus();
    });
    connect(paste, &QPushButton::clicked, this, [this] {
        const QString text = QApplication::clipboard()->text();
        if (!text.isEmpty()) {
            SetFunc(text);
        }
    });
    connect(help, &QPushButton::clicked, this,
            [this] { m_dialogs.ShowHelp(this, kHelpCalculator); });
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* actions = new QGridLayout;
    actions->addWidget(clearAll, 0, 0);
    actions->addWidget(copy, 0, 1);
    actions->addWidget(paste, 0, 2);
    actions->addWidget(help, 0, 3);
    actions->addWidget(convertor, 1, 0);
    actions->addWidget(matrix, 1, 1);
    actions->addWidget(plots, 1, 2);
    actions->addWidget(exit, 1, 3);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(keypads, 1);
    layout->addLayout(variables);
    layout->addWidget(BuildModeSwitches());
    layout->addLayout(actions);
    return page;
}

void TfmCalc::ApplyHints() {
    const bool on = m_hintBox->isChecked();
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant hint = widget->property(kHintProperty);
        if (hint.isValid()) {
            widget->setToolTip(on ? hint.toString() : QString());
        }
    }
}

// Keypad -----------------------------------------------------------------------------------

std::string TfmCalc::FunctionText(int row) const {
    // Complex mode has its own table (comp where the real one has log, LnGamma for gamma).
    const auto& table = m_session.ComplexMode() ? ComplexFunctionTable() : RealFunctionTable();
    const FunctionEntry& entry = table[static_cast<std::size_t>(row)];
    return ButtonText(std::string(entry.name), entry.argumentCount);
}

void TfmCalc::KeyClicked(const KeypadKey& key) {
    switch (key.action) {
        case KeyAction::kInsert:
            SetFunc(QString::fromLatin1(key.insert));
            break;
        case KeyAction::kFunction:
            SetFunc(QString::fromLatin1(FunctionText(key.row)));
            m_assistantRow = key.row;
            if (m_assistantBox->isChecked()) {
                ShowAssistantRow(key.row);
            }
            break;
        case KeyAction::kVariable:
            VariableClicked(key.row);
            break;
        case KeyAction::kEvaluate:
            QApplication::setOverrideCursor(Qt::WaitCursor);
            ReturnClick();
            QApplication::restoreOverrideCursor();
            m_edit1->setFocus();
            break;
    }
}

void TfmCalc::VariableClicked(int slot) {
    if (!m_evalBox->isChecked()) {
        SetFunc(QString(QChar::fromLatin1(EngineState::Letter(slot))));
        return;
    }
    if (m_session.GetEngine().PromptVariable(slot) && m_setVar->EvaluateAfter()) {
        ReturnClick();
    }
    m_session.State().errorFlag = false;
}

// Mode switches ----------------------------------------------------------------------------

void TfmCalc::ShowAnswerOfMode(const ResultLine& line) {
    // The session shows the answer of the current mode (the last complex answer in
    // complex mode).
    ShowResult(line);
}

void TfmCalc::NotationClicked(int index) {
    const int minimum = m_digits->minimum();
    const int maximum = m_digits->maximum();
    const ResultLine line = m_session.SetNotation(index);
    UpdateDigitsSpin();
    if (index == kSxg && m_session.NumberBase() != kBin) {
        // The sexagesimal notation has no width rule of its own: the spin keeps its range.
        const QSignalBlocker block(m_digits);
        m_digits->setRange(minimum, maximum);
    }
    ShowAnswerOfMode(line);
}

void TfmCalc::BaseClicked(int index) {
    if (m_evaluating || index == m_session.NumberBase()) {
        return;
    }
    ResultLine evaluated;
    ResultLine line;
    {
        EvaluationScope scope(*this);
        line = m_session.SetBase(index, InputText(), m_edit1->isModified(), &evaluated);
    }
    ShowResult(evaluated);
    UpdateDigitsSpin();
    if (index != kBin) {
        const QSignalBlocker block(m_digits);
        m_digits->setMaximum(kDigitsLimit);
    }
    // The switch's line replaces an error message but leaves its span selected.
    if (line.kind == ResultLine::Kind::kValue) {
        ShowValueText(QString::fromLatin1(line.text));
    } else {
        ShowResult(line);
    }
    RefreshLists();
}

void TfmCalc::AngleClicked(int index) {
    m_session.SetAngle(index);
}

void TfmCalc::ComplexFormClicked(int index) {
    ShowResult(m_session.SetComplexForm(index, InputText()));
    RefreshLists();
}

void TfmCalc::UpdateDigitsSpin() {
    const QSignalBlocker block(m_digits);
    if (m_session.NumberBase() == kBin) {
        // Widths below 7 snap to 7, so the spin must be able to step there.
        m_digits->setRange(0, 32);
        m_digits->setValue(m_session.Bits());
        m_digitsLabel->setText(tr("Bits"));
    } else {
        m_digits->setRange(m_session.DigitsMin(), m_session.DigitsMax());
        m_digits->setValue(m_session.Digits());
        m_digitsLabel->setText(tr("Digits"));
    }
}

void TfmCalc::DigitsChanged(int position) {
    ResultLine shown;
    const int snapped = m_session.SetDigitsPosition(position, &shown);
    const QSignalBlocker block(m_digits);
    if (snapped != position) {
        m_digits->setValue(snapped);
    }
    if (m_session.NumberBase() != kBin) {
        // Once the user moves the spin, every notation may use the widest display.
        m_digits->setMaximum(kDigitsLimit);
    }
    ShowAnswerOfMode(shown);
}

void TfmCalc::SetChoiceVisible(QButtonGroup* group, int index, bool visible) {
    QAbstractButton* choice = group->button(index);
    if (!visible && choice->isChecked()) {
        // The mode that disappears falls back to the first choice.
        group->button(0)->setChecked(true);
        if (group == m_base) {
            m_session.State().display.base = kDec;
            m_session.State().digitSet = CalculatorSession::DigitSetFor(kDec);
        } else if (group == m_angle) {
            m_session.SetAngle(0);
        }
    }
    choice->setVisible(visible);
}

void TfmCalc::SetComplexMode(bool on) {
    if (on == m_session.ComplexMode() && m_real->checkedId() == (on ? 1 : 0)) {
        return;
    }
    m_real->button(on ? 1 : 0)->setChecked(true);
    if (on) {
        // Complex mode computes in radians and has no sexagesimal notation; what it takes
        // away comes back with real mode.
        m_realAngle = m_session.AngleUnit();
        m_realNotation = m_session.Notation() == kSxg ? kSxg : -1;
    }
    if (on && !m_compShown && m_showComp) {
        m_compShown = true;
        m_compMess->SetShowAgain(true);
        m_dialogs.ExecDialog(*m_compMess);
        m_showComp = m_compMess->ShowAgain();
    }
    SetChoiceVisible(m_base, kHex, !on);
    SetChoiceVisible(m_base, kBin, !on);
    SetChoiceVisible(m_angle, 1, !on);
    SetChoiceVisible(m_notation, kSxg, !on);

    auto button = [this](const char* name) { return m_keyButtons.at(FindKey(name)); };
    QAbstractButton* log = button("sbLog");
    log->setText(on ? QStringLiteral("comp") : QStringLiteral("log"));
    log->setProperty(kHintProperty, on ? tr("Complex number of (..,..)") : tr("Logarithm (..)"));
    QAbstractButton* gamma = button("sbGamma");
    gamma->setText(on ? QStringLiteral("Ln(G)") : QString::fromUtf8("\u0393"));
    ApplyHints();

    m_session.SetComplexMode(on);
    m_complexFormBox->setVisible(on);
    m_baseBox->setVisible(!on);
    for (const auto& [key, widget] : m_keyButtons) {
        if (key->realOnly) {
            widget->setEnabled(!on);
        }
    }
    if (!on) {
        m_angle->button(m_realAngle)->setChecked(true);
        m_session.SetAngle(m_realAngle);
        if (m_realNotation >= 0) {
            m_notation->button(m_realNotation)->setChecked(true);
            m_realNotation = -1;
        }
    }
    UpdateDigitsSpin();
    NotationClicked(std::max(m_notation->checkedId(), 0));
}

int TfmCalc::RealModeAngle() const {
    return m_session.ComplexMode() ? m_realAngle : m_session.AngleUnit();
}

int TfmCalc::RealModeNotation() const {
    return m_session.ComplexMode() && m_realNotation >= 0 ? m_realNotation : m_session.Notation();
}

}  // namespace kalvo
