// The Units Convertor window: menus, slots, the conversion as the user types, and its
// opening from the main window.
#include "ui/units_window.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "display/format_real.h"
#include "ui/help_contexts.h"
#include "ui/main_window_fixture.h"
#include "ui/real_validate.h"
#include "units/unit_conversion.h"
#include "units/unit_names.h"

namespace kalvo {
namespace {

/// The window as the main window opens it, shown offscreen and active.
class UnitsWindowTest : public ::testing::Test {
  protected:
    void Open(const DisplaySettings& display = {}, int digits = 12) {
        m_display = display;
        m_digits = digits;
        conv = std::make_unique<TfmConv>(display, digits);
        conv->show();
        QApplication::setActiveWindow(conv.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(conv.get()));
    }
    void SetUp() override { Open(); }

    const UnitCategory& Current() const { return *FindUnitCategory(conv->Category()); }
    QLineEdit* Slot(int slot) const {
        return conv->findChild<QLineEdit*>(QStringLiteral("edS%1").arg(slot));
    }
    QLabel* SlotLabel(int slot) const {
        return conv->findChild<QLabel*>(QStringLiteral("lbS%1").arg(slot));
    }
    int UnitNumber(const char* unit) const {
        const int number = FindUnitByName(Current(), unit);
        EXPECT_NE(number, 0) << "no unit " << unit;
        return number;
    }
    QLineEdit* Field(const char* unit) const { return Slot(UnitNumber(unit)); }
    QAction* Item(const char* name) const {
        return conv->findChild<QAction*>(QStringLiteral("mi") + QString::fromLatin1(name));
    }
    QLabel* Label(const char* name) const { return conv->findChild<QLabel*>(name); }

    /// Replaces a field's text by typing, as a user would.
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    /// The texts of the visible fields of the current category.
    QStringList Texts() const {
        QStringList texts;
        for (int slot = 1; slot <= Current().Count(); ++slot) {
            texts << Slot(slot)->text();
        }
        return texts;
    }
    /// What the field of unit `to` must show for `value` typed into unit `from`.
    QString Shown(const char* from, Real value, const char* to) const {
        const std::vector<Real> values = ConvertUnits(Current(), UnitNumber(from), value);
        return QString::fromLatin1(
            FormatReal(ConversionDisplay(m_display), m_digits,
                       values[static_cast<std::size_t>(UnitNumber(to) - 1)]));
    }
    bool Red(QLineEdit* field) const {
        return field->palette().color(QPalette::Base) !=
               Slot(kUnitSlots)->palette().color(QPalette::Base);
    }

    std::unique_ptr<TfmConv> conv;
    DisplaySettings m_display;
    int m_digits = 12;
};

TEST_F(UnitsWindowTest, StartsWithLengthAndEmptyFields) {
    EXPECT_EQ(conv->windowTitle(), "Units Convertor");
    EXPECT_EQ(conv->Category(), kLength);
    EXPECT_TRUE(Item("Length")->isChecked());
    EXPECT_EQ(Label("lbUnit")->text(), "Length: ");
    // Showing the window enters its first field.
    EXPECT_EQ(Label("lbTo")->text(),
              Slot(1)->hasFocus() ? QString::fromLatin1("A\xB0 to ...") : QString());
    for (int slot = 1; slot <= kUnitSlots; ++slot) {
        EXPECT_EQ(Slot(slot)->text(), "") << slot;
    }
}

TEST_F(UnitsWindowTest, MenusListTheCategoriesInOrderWithTheirTags) {
    auto* bar = conv->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList menus;
    for (QAction* menu : bar->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Units"}));
    QMenu* file = bar->actions().at(0)->menu();
    ASSERT_EQ(file->actions().size(), 1);
    EXPECT_EQ(file->actions().at(0)->text(), "E&xit");

    QMenu* units = bar->actions().at(1)->menu();
    QStringList captions;
    QList<int> tags;
    for (QAction* item : units->actions()) {
        captions << item->text();
        tags << item->data().toInt();
    }
    EXPECT_EQ(captions, (QStringList{"A&cceleration", "&Area", "&Force", "&Length", "&Mass",
                                     "&Temperature", "T&ime", "&Volume", "&Energy"}));
    EXPECT_EQ(tags, (QList<int>{8, 4, 7, 1, 6, 2, 5, 3, 9}));

    Item("Energy")->trigger();
    EXPECT_EQ(conv->Category(), kEnergy);
    int checked = 0;
    for (QAction* item : units->actions()) {
        checked += item->isChecked() ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(Item("Energy")->isChecked());
    EXPECT_EQ(Label("lbUnit")->text(), "Energy: ");
}

TEST_F(UnitsWindowTest, ExitClosesTheWindow) {
    Item("Exit")->trigger();
    EXPECT_FALSE(conv->isVisible());
}

TEST_F(UnitsWindowTest, EachCategoryShowsItsUnitsAndHidesTheOtherSlots) {
    for (const UnitCategory& category : UnitCategories()) {
        SCOPED_TRACE(category.name);
        conv->UnitsClick(category.number);
        EXPECT_EQ(Label("lbUnit")->text(), QString::fromLatin1(category.name) + ": ");
        for (int slot = 1; slot <= kUnitSlots; ++slot) {
            const bool used = slot <= category.Count();
            EXPECT_EQ(Slot(slot)->isVisible(), used) << slot;
            EXPECT_EQ(SlotLabel(slot)->isVisible(), used) << slot;
            if (used) {
                EXPECT_EQ(SlotLabel(slot)->text(), QString::fromLatin1(category.Unit(slot).name));
            }
        }
    }
}

TEST_F(UnitsWindowTest, SlotsStandInTwoColumnsWithTheirLabelsToTheLeft) {
    for (int slot = 1; slot <= kUnitSlots; ++slot) {
        SCOPED_TRACE(slot);
        const QRect edit = Slot(slot)->geometry();
        const QRect label = SlotLabel(slot)->geometry();
        EXPECT_LT(label.right(), edit.left());
        EXPECT_NEAR(label.center().y(), edit.center().y(), 2);
        if (slot != 1 && slot != 11) {
            EXPECT_GT(edit.top(), Slot(slot - 1)->geometry().bottom());
        }
        if (slot > 10) {
            EXPECT_GT(label.left(), Slot(slot - 10)->geometry().right());
            EXPECT_EQ(edit.top(), Slot(slot - 10)->geometry().top());
        }
    }
}

TEST_F(UnitsWindowTest, ValidatorsTakeTheRangesOfTheUnits) {
    for (const UnitCategory& category : UnitCategories()) {
        conv->UnitsClick(category.number);
        for (TRealValidate* validator : conv->findChildren<TRealValidate*>()) {
            const int slot = validator->Field()->objectName().mid(3).toInt();
            SCOPED_TRACE(std::string(category.name) + " slot " + std::to_string(slot));
            if (slot > category.Count()) {
                continue;
            }
            EXPECT_EQ(validator->Minimum(), LeastValue(category, slot));
            EXPECT_EQ(validator->Maximum(), GreatestValue(category, slot));
        }
    }
}

TEST_F(UnitsWindowTest, OneKilometreShowsInEveryOtherUnit) {
    Type(Field("KM"), "1");
    EXPECT_EQ(Field("KM")->text(), "1") << "the typed field is not rewritten";
    for (int slot = 1; slot <= Current().Count(); ++slot) {
        if (slot != UnitNumber("KM")) {
            EXPECT_EQ(Slot(slot)->text(), Shown("KM", 1, Current().Unit(slot).name))
                << Current().Unit(slot).name;
        }
    }
}

TEST_F(UnitsWindowTest, FollowsTheMainWindowsNotationAndDigits) {
    DisplaySettings fix;
    fix.notation = kFix;
    Open(fix, 12);
    Type(Field("KM"), "1");
    EXPECT_EQ(Field("Meter")->text(), "1000.0");
    EXPECT_EQ(Field("Mile")->text(), "0.6213711922");

    Open(fix, 18);
    Type(Field("KM"), "1");
    EXPECT_EQ(Field("Mile")->text(), Shown("KM", 1, "Mile"));
    EXPECT_NE(Field("Mile")->text(), "0.6213711922");
}

TEST_F(UnitsWindowTest, HexadecimalAndSexagesimalMainDisplaysStillShowDecimals) {
    DisplaySettings hex;
    hex.base = kHex;
    hex.notation = kFix;
    Open(hex, 12);
    Type(Field("KM"), "1");
    EXPECT_EQ(Field("Mile")->text(), "0.6213711922");

    DisplaySettings sxg;
    sxg.notation = kSxg;
    Open(sxg, 12);
    conv->UnitsClick(kTime);
    Type(Field("Hour"), "1.5");
    DisplaySettings scn;
    EXPECT_EQ(Field("Minute")->text(), QString::fromLatin1(FormatReal(scn, 12, 90)));
}

TEST_F(UnitsWindowTest, HundredDegreesCelsius) {
    DisplaySettings fix;
    fix.notation = kFix;
    Open(fix, 12);
    conv->UnitsClick(kTemperature);
    Type(Field("Celsium"), "100");
    EXPECT_EQ(Texts(), (QStringList{"100", "212.0", "373.15", "671.67", "80.0"}));
}

TEST_F(UnitsWindowTest, TemperaturesBelowAbsoluteZeroConvertNothing) {
    conv->UnitsClick(kTemperature);
    const struct {
        const char* unit;
        const char* accepted;
        const char* refused;  ///< typed on from the accepted text
    } rows[] = {
        {"Celsium", "-30", "0"},
        {"Celsium", "-273.1", "6"},
        {"Kelvin", "", "-1"},
        {"Rankine", "-0.", "5"},
        {"R\xE9"
         "aumur",
         "-218.5", "3"},
        {"Farhenheit", "-459.6", "8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.unit) + " " + row.accepted + row.refused);
        Type(Field("Kelvin"), "500");  // something to keep
        Type(Field(row.unit), row.accepted);
        const QStringList before = Texts();
        QTest::keyClicks(Field(row.unit), row.refused);
        QStringList after = Texts();
        EXPECT_EQ(after[UnitNumber(row.unit) - 1], QString(row.accepted) + row.refused);
        after[UnitNumber(row.unit) - 1] = before[UnitNumber(row.unit) - 1];
        EXPECT_EQ(after, before);
        EXPECT_TRUE(Red(Field(row.unit)));
    }
    Type(Field("Celsium"), "-273.15");
    EXPECT_FALSE(Red(Field("Celsium")));
    EXPECT_EQ(Field("Kelvin")->text(), Shown("Celsium", -273.15L, "Kelvin"));
}

TEST_F(UnitsWindowTest, NegativeLengthsConvert) {
    Type(Field("Mile"), "-2");
    EXPECT_EQ(Field("Meter")->text(), Shown("Mile", -2, "Meter"));
    EXPECT_FALSE(Red(Field("Mile")));
}

TEST_F(UnitsWindowTest, NegativeTimesAndEmptiedFieldsConvertNothing) {
    conv->UnitsClick(kTime);
    Type(Field("Hour"), "2");
    const QStringList converted = Texts();
    Type(Field("Day"), "-1");
    QStringList after = Texts();
    EXPECT_EQ(after[UnitNumber("Day") - 1], "-1");
    after[UnitNumber("Day") - 1] = converted[UnitNumber("Day") - 1];
    EXPECT_EQ(after, converted);

    Type(Field("Hour"), "3");
    const QStringList three = Texts();
    Field("Hour")->selectAll();
    QTest::keyClick(Field("Hour"), Qt::Key_Delete);
    after = Texts();
    EXPECT_EQ(after[UnitNumber("Hour") - 1], "");
    after[UnitNumber("Hour") - 1] = "3";
    EXPECT_EQ(after, three);
}

TEST_F(UnitsWindowTest, RefusedCharactersLeaveTheOtherFieldsAsTheyAre) {
    Type(Field("Foot"), "12");
    const QStringList before = Texts();
    QTest::keyClicks(Field("Foot"), "x");
    EXPECT_EQ(Texts(), before);
}

TEST_F(UnitsWindowTest, TheWindowsOwnWritesConvertNothing) {
    QSignalSpy meterChanges(Field("Meter"), &QLineEdit::textChanged);
    Type(Field("KM"), "12");
    // One write per keystroke; a conversion started by a write would write the typed field
    // back as well, in the window's own format.
    EXPECT_EQ(meterChanges.count(), 2);
    EXPECT_EQ(Field("KM")->text(), "12") << Texts().join(" ").toStdString();
}

TEST_F(UnitsWindowTest, ChangingTheCategoryClearsTheFields) {
    Type(Field("KM"), "-1");
    conv->UnitsClick(kVolume);
    EXPECT_EQ(Texts().join(QString()), "");
    // A red field of the old category does not stay red.
    conv->UnitsClick(kTemperature);
    Type(Field("Kelvin"), "-5");
    ASSERT_TRUE(Red(Field("Kelvin")));
    conv->UnitsClick(kLength);
    EXPECT_EQ(Texts().join(QString()), "");
    for (int slot = 1; slot <= Current().Count(); ++slot) {
        EXPECT_FALSE(Red(Slot(slot))) << slot;
    }
}

TEST_F(UnitsWindowTest, HintNamesTheFieldEnteredAndFollowsTheCategory) {
    Field("Nautical Mile")->setFocus();
    EXPECT_EQ(Label("lbTo")->text(), "Nautical Mile to ...");
    const int slot = UnitNumber("Nautical Mile");
    conv->UnitsClick(kVolume);
    EXPECT_EQ(Label("lbTo")->text(), QString::fromLatin1(Current().Unit(slot).name) + " to ...");
    conv->UnitsClick(kAcceleration);  // the focused slot is hidden now
    for (int s = 1; s <= Current().Count(); ++s) {
        if (Slot(s)->hasFocus()) {
            EXPECT_EQ(Label("lbTo")->text(),
                      QString::fromLatin1(Current().Unit(s).name) + " to ...");
        }
    }
    conv->findChild<QMenuBar*>()->setFocus();
    conv->UnitsClick(kMass);
    EXPECT_EQ(Label("lbTo")->text(), "");
    EXPECT_LE(QStringLiteral("Kilogram force to ...").size(), 22);
}

TEST_F(MainWindowTest, UnitConvertorOpensAFreshWindowEachTime) {
    Choice("rgNotation", 1)->click();  // Fix
    int opened = 0;
    dialogs.onDialog = [&](QDialog& dialog) {
        ++opened;
        auto* conv = dynamic_cast<TfmConv*>(&dialog);
        EXPECT_NE(conv, nullptr);
        if (conv == nullptr) {
            return int(QDialog::Rejected);
        }
        EXPECT_EQ(conv->windowTitle(), "Units Convertor");
        EXPECT_EQ(conv->Category(), kLength);
        const UnitCategory& length = *FindUnitCategory(kLength);
        for (int slot = 1; slot <= kUnitSlots; ++slot) {
            EXPECT_EQ(conv->findChild<QLineEdit*>(QStringLiteral("edS%1").arg(slot))->text(), "");
        }
        auto* km =
            conv->findChild<QLineEdit*>(QStringLiteral("edS%1").arg(FindUnitByName(length, "KM")));
        auto* mile = conv->findChild<QLineEdit*>(
            QStringLiteral("edS%1").arg(FindUnitByName(length, "Mile")));
        km->setText("1");
        DisplaySettings shown = window->Session().State().display;
        const std::vector<Real> values = ConvertUnits(length, FindUnitByName(length, "KM"), 1);
        EXPECT_EQ(mile->text().toStdString(),
                  FormatReal(shown, window->Session().Digits(),
                             values[static_cast<std::size_t>(FindUnitByName(length, "Mile") - 1)]));
        conv->UnitsClick(kTemperature);
        conv->show();
        QApplication::setActiveWindow(conv);
        if (QTest::qWaitForWindowActive(conv)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        }
        conv->hide();
        return int(QDialog::Rejected);
    };
    Button("bbConvertor")->click();
    Button("bbConvertor")->click();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{kHelpUnitConverter, kHelpUnitConverter}))
        << "F1 opens the converter's page";
    EXPECT_TRUE(Button("bbConvertor")->isEnabled());
    Find<QCheckBox>("chHint")->setChecked(true);
    EXPECT_EQ(Button("bbConvertor")->toolTip(), "Unit Convertor");
}

}  // namespace
}  // namespace kalvo
