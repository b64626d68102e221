#include "ui/units_screenshots.h"

#include <QApplication>
#include <QLineEdit>

#include "ui/main_window.h"
#include "ui/units_window.h"
#include "units/unit_names.h"

namespace kalvo {

namespace {

/// Types `text` into the field of the unit named `unit` in the current category.
void TypeInto(TfmConv& conv, const char* unit, const QString& text) {
    const int slot = FindUnitByName(*FindUnitCategory(conv.Category()), unit);
    auto* field = conv.findChild<QLineEdit*>(QStringLiteral("edS%1").arg(slot));
    if (field == nullptr) {
        return;
    }
    field->setFocus();
    field->setText(text);
}

bool Save(TfmConv& conv, const QString& path) {
    QApplication::processEvents();
    return conv.grab().save(path);
}

}  // namespace

bool RenderUnitsScreenshots(TfmCalc& window, const QString& dir, const QString& prefix) {
    TfmConv conv(window.Session().State().display, window.Session().Digits(), &window);
    conv.show();
    conv.activateWindow();
    QApplication::processEvents();

    bool ok = true;
    TypeInto(conv, "KM", QStringLiteral("1"));
    ok = Save(conv, dir + "/" + prefix + "units-length.png") && ok;
    conv.UnitsClick(kTemperature);
    TypeInto(conv, "Celsium", QStringLiteral("100"));
    ok = Save(conv, dir + "/" + prefix + "units-temperature.png") && ok;
    conv.close();
    return ok;
}

}  // namespace kalvo
