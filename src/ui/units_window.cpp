#include "ui/units_window.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/engine_text.h"
#include "ui/real_validate.h"
#include "units/unit_conversion.h"

namespace kalvo {

namespace {

constexpr int kSlotsPerColumn = kUnitSlots / 2;
constexpr int kHintLength = 22;  // a 15-character name and " to ..."

}  // namespace

TfmConv::TfmConv(const DisplaySettings& display, int digits, QWidget* parent)
    : QDialog(parent), m_display(display), m_digits(digits) {
    setObjectName("TfmConv");
    setWindowTitle(tr("Units Convertor"));
    setModal(true);
    FormCreate();
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        if (m_showHelp) {
            m_showHelp();
        }
    });
}

void TfmConv::FormCreate() {
    const QScopedValueRollback<bool> busy(m_busy, true);
    m_lbUnit = new QLabel(this);
    m_lbUnit->setObjectName("lbUnit");
    QFont heading = m_lbUnit->font();
    heading.setBold(true);
    m_lbUnit->setFont(heading);
    m_lbTo = new QLabel(this);
    m_lbTo->setObjectName("lbTo");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (int slot = 1; slot <= kUnitSlots; ++slot) {
        Slot& s = m_slots[static_cast<std::size_t>(slot - 1)];
        s.label = new QLabel(this);
        s.label->setObjectName(QStringLiteral("lbS%1").arg(slot));
        s.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        s.edit = new QLineEdit(this);
        s.edit->setObjectName(QStringLiteral("edS%1").arg(slot));
        s.edit->setMinimumWidth(s.edit->fontMetrics().averageCharWidth() * 20);
        s.label->setBuddy(s.edit);
        s.edit->installEventFilter(this);
        s.validator = new TRealValidate(s.edit, QString(), this, 0, 0);
        s.validator->SetChangeHandler([this, slot] { edSChange(slot); });

        const int row = (slot - 1) % kSlotsPerColumn;
        const int column = slot <= kSlotsPerColumn ? 0 : 2;
        grid->addWidget(s.label, row, column);
        grid->addWidget(s.edit, row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 16);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMenus());
    layout->addWidget(m_lbUnit);
    layout->addLayout(grid);
    layout->addWidget(m_lbTo);
    layout->addStretch(1);

    UnitsClick(kLength);
}

QMenuBar* TfmConv::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu");
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName("mnFile");
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName("miExit");
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    QMenu* units = bar->addMenu(tr("&Units"));
    units->setObjectName("mnUnits");
    m_units = new QActionGroup(this);
    m_units->setExclusive(true);
    for (const UnitCategory& category : UnitCategories()) {
        QAction* item = units->addAction(QString::fromLatin1(category.caption));
        item->setObjectName(QStringLiteral("mi") + QString::fromLatin1(category.name));
        item->setData(category.number);
        item->setCheckable(true);
        m_units->addAction(item);
        const int number = category.number;
        connect(item, &QAction::triggered, this, [this, number] { UnitsClick(number); });
    }
    return bar;
}

void TfmConv::UnitsClick(int number) {
    const UnitCategory* category = FindUnitCategory(number);
    if (category == nullptr) {
        return;
    }
    const QScopedValueRollback<bool> busy(m_busy, true);
    for (QAction* item : m_units->actions()) {
        if (item->data().toInt() == number) {
            item->setChecked(true);
        }
    }
    // The heading shows the menu text as the menu does, without its accelerator mark.
    m_lbUnit->setText(QString::fromLatin1(category->name) + QStringLiteral(": "));
    m_category = category;
    for (int slot = 1; slot <= kUnitSlots; ++slot) {
        Slot& s = m_slots[static_cast<std::size_t>(slot - 1)];
        const bool used = category->HasUnit(slot);
        s.validator->SetMaximum(used ? GreatestValue(*category, slot) : 0);
        s.validator->SetMinimum(used ? LeastValue(*category, slot) : 0);
        s.label->setText(used ? FromEngine(category->Unit(slot).name) : QString());
        s.label->setVisible(used);
        // Passing through 0, which every unit takes, resets the validator's value, so that
        // the emptied field drops the colour of an earlier value out of range.
        s.edit->setText(QStringLiteral("0"));
        s.edit->clear();
        s.edit->setVisible(used);
    }
    m_lbTo->clear();
    for (int slot = 1; slot <= category->Count(); ++slot) {
        if (m_slots[static_cast<std::size_t>(slot - 1)].edit->hasFocus()) {
            edSEnter(slot);
        }
    }
}

bool TfmConv::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int slot = 1; slot <= kUnitSlots; ++slot) {
            if (watched == m_slots[static_cast<std::size_t>(slot - 1)].edit) {
                edSEnter(slot);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmConv::edSEnter(int slot) {
    if (!m_category->HasUnit(slot)) {
        return;
    }
    const QString name = FromEngine(m_category->Unit(slot).name);
    m_lbTo->setText((name + QStringLiteral(" to ...")).left(kHintLength));
}

void TfmConv::edSChange(int slot) {
    if (m_busy || !m_category->HasUnit(slot)) {
        return;
    }
    Slot& source = m_slots[static_cast<std::size_t>(slot - 1)];
    if (!source.validator->IsValid()) {
        return;  // refused text leaves the other fields as they are
    }
    const QScopedValueRollback<bool> busy(m_busy, true);
    const std::vector<std::string> texts =
        ConversionTexts(*m_category, slot, source.validator->Value(), m_display, m_digits);
    for (int b = 1; b <= m_category->Count(); ++b) {
        if (b != slot) {
            m_slots[static_cast<std::size_t>(b - 1)].edit->setText(
                FromEngine(texts[static_cast<std::size_t>(b - 1)]));
        }
    }
}

}  // namespace kalvo
