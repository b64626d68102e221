// The Kalvo desktop application.
#include <clocale>

#include <QApplication>
#include <QCommandLineParser>

#include "ui/dialog_service.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvo"));
    QApplication::setApplicationVersion(QStringLiteral(KALVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kalvo"));
    // Qt adopts the user's locale; numbers are always written with a "." here.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kalvo scientific calculator"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Render the main window and the dialogs into PNG files in <dir> and exit."),
        QStringLiteral("dir"));
    parser.addOption(screenshots);
    parser.process(app);
    if (parser.isSet(screenshots)) {
        return kalvo::RenderScreenshots(parser.value(screenshots));
    }

    kalvo::QtDialogService dialogs;
    kalvo::TfmCalc window(dialogs);
    window.show();
    return QApplication::exec();
}
