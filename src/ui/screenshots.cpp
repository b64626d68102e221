#include "ui/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include "ui/comp_message.h"
#include "ui/constants_tab.h"
#include "ui/dialog_service.h"
#include "ui/help_contexts.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/matrix_screenshots.h"
#include "ui/plot_screenshots.h"
#include "ui/set_var_dialog.h"
#include "ui/silent_dialogs.h"
#include "ui/units_screenshots.h"
#include "ui/user_funcs_tab.h"
#include "ui/variables_tab.h"

namespace kalvo {

namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x28));
    dark.setColor(QPalette::ToolTipText, QColor(0xf0, 0xf0, 0xd0));
    dark.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    return dark;
}

bool Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    return widget.grab().save(path);
}

bool RenderSet(const QString& dir, const QString& prefix, const HomeFolder& home) {
    SilentDialogs dialogs;
    TfmCalc window(dialogs, home);
    window.resize(window.sizeHint().expandedTo(QSize(860, 620)));
    window.show();
    QEventLoop wait;  // lets the greeting's timer fire
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();

    auto* input = window.findChild<QLineEdit*>("Edit1");
    for (const char* text : {"2^10 + sin(30)", "(X=3)*4", "(mass=2.5)*4"}) {
        input->setText(QString::fromLatin1(text));
        input->setModified(true);
        window.ReturnClick();
    }
    // Something to show on the data pages.
    window.findChild<QLineEdit*>("edVar1")->setText(QStringLiteral("3"));
    window.findChild<QLineEdit*>("edVar2")->setText(QStringLiteral("X^2 + 1"));
    window.findChild<QLineEdit*>("edVar3")->setText(QStringLiteral("sqrt(Y)/2"));
    window.Variables().CalculateAll();
    window.findChild<QLineEdit*>("edUserFuncName")->setText(QStringLiteral("hyp(a,b)"));
    window.findChild<QLineEdit*>("edUserFuncBody")
        ->setText(QStringLiteral("sqrt(a^2+b^2);hypotenuse"));
    window.UserFuncs().AddModify();
    window.findChild<QLineEdit*>("edFind")->setText(QStringLiteral("me"));
    window.Constants().Search(QStringLiteral("me"));
    input->setText(QStringLiteral("sqrt(2) * Y"));
    input->setModified(true);
    input->setCursorPosition(3);

    bool ok = true;
    auto* tabs = window.findChild<QTabWidget*>("PageControl1");
    const char* names[] = {"calculator", "tape",      "constants",  "graphics",
                           "variables",  "user-vars", "user-funcs", "about"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        ok = Save(window, dir + "/" + prefix + "main-" + names[i] + ".png") && ok;
    }
    tabs->setCurrentIndex(0);
    window.SetShowComp(false);
    window.SetComplexMode(true);
    ok = Save(window, dir + "/" + prefix + "main-calculator-complex.png") && ok;
    window.SetComplexMode(false);

    input->setText(QStringLiteral("1 + 2)"));
    input->setModified(true);
    window.ReturnClick();
    ok = Save(window, dir + "/" + prefix + "main-error.png") && ok;

    TSetVar& prompt = window.ValuePrompt();
    prompt.Prepare(kSlotY);
    prompt.show();
    ok = Save(prompt, dir + "/" + prefix + "dialog-set-variable.png") && ok;
    prompt.findChild<QLineEdit*>("edExpression")->setText(QStringLiteral("2 * (3"));
    prompt.findChild<QPushButton*>("bbOK")->click();
    ok = Save(prompt, dir + "/" + prefix + "dialog-set-variable-error.png") && ok;
    prompt.hide();

    TfmCompMess& notice = window.CompMessage();
    notice.show();
    ok = Save(notice, dir + "/" + prefix + "dialog-complex-numbers.png") && ok;
    notice.hide();

    ok = RenderUnitsScreenshots(window, dir, prefix) && ok;
    ok = RenderMatrixScreenshots(window, dir, prefix) && ok;
    ok = RenderPlotScreenshots(window, dialogs, dir, prefix) && ok;
    window.close();

    // The manual must be there: a picture of its "not installed" page is no picture of it.
    HelpWindow help;
    ok = help.HasPages() && ok;
    for (int context : {kHelpCalculator, kHelpVariables, kHelpConstants, kHelpTape}) {
        help.ShowContext(context);
        ok = Save(help, dir + "/" + prefix + QStringLiteral("help-%1.png").arg(context)) && ok;
    }
    help.ShowContext(kHelpContents);
    ok = Save(help, dir + "/" + prefix + "help-contents.png") && ok;
    help.SearchField()->setText(QStringLiteral("integral"));
    help.Search(help.SearchField()->text());
    ok = Save(help, dir + "/" + prefix + "help-search.png") && ok;
    help.close();
    return ok;
}

}  // namespace

int RenderScreenshots(const QString& dir, const HomeFolder& home) {
    if (!QDir().mkpath(dir)) {
        return 1;
    }
    const QPalette light = QApplication::palette();
    bool ok = RenderSet(dir, QString(), home);
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (fusion) {
        QApplication::setStyle(fusion);
    }
    QApplication::setPalette(DarkPalette());
    ok = RenderSet(dir, QStringLiteral("dark-"), home) && ok;
    QApplication::setPalette(light);
    return ok ? 0 : 1;
}

}  // namespace kalvo
