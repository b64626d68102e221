// The Kalvo desktop application.
#include <clocale>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QMessageBox>

#include "frontend/home_folder.h"
#include "ui/dialog_service.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvo"));
    QApplication::setApplicationVersion(QStringLiteral(KALVO_VERSION));
    // The desktop entry and the icon carry the application id; the window icon falls back
    // to the drawing built into the program when no icon theme holds it.
    QApplication::setDesktopFileName(QStringLiteral(KALVO_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(KALVO_APP_ID), QIcon(QStringLiteral(":/icons/" KALVO_APP_ID ".svg"))));
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
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Keep the settings, the history and the constants in <dir>."),
        QStringLiteral("dir"));
    parser.addOption(homeOption);
    parser.process(app);

    kalvo::HomeFolder home;
    const kalvo::FileResult opened =
        kalvo::OpenHomeFolder(kalvo::HomeFolderInputsFromEnvironment(
                                  QFile::encodeName(parser.value(homeOption)).toStdString()),
                              home);
    if (parser.isSet(screenshots)) {
        return kalvo::RenderScreenshots(parser.value(screenshots), home);
    }

    kalvo::QtDialogService dialogs;
    if (!opened) {
        // Kalvo still runs; only its files cannot be kept.
        dialogs.MessageBox(nullptr, kalvo::DialogService::Icon::kError, QStringLiteral("Kalvo"),
                           QString::fromLocal8Bit(opened.message.c_str()));
    }
    kalvo::TfmCalc window(dialogs, home);
    window.show();
    return QApplication::exec();
}
