// The Kalvo desktop application.
#include <clocale>
#include <iostream>
#include <string_view>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QMessageBox>

#include "cli/cli_data.h"
#include "cli/cli_host.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/home_folder.h"
#include "plot/plot_request.h"
#include "ui/dialog_service.h"
#include "ui/main_window.h"
#include "ui/plot_renderer.h"
#include "ui/screenshots.h"

namespace {

/// An option among the raw arguments, before Qt reads them: whether it stands there,
/// alone or as "option=value", and the value of its last occurrence (as the option
/// parser takes it), "" when it has none.
struct RawArgument {
    bool given = false;
    std::string_view value;
};

RawArgument RawOption(int argc, char** argv, std::string_view option) {
    RawArgument found;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word(argv[i]);
        if (word == option) {
            found = {true, i + 1 < argc ? std::string_view(argv[i + 1]) : std::string_view()};
        } else if (word.starts_with(option) && word[option.size()] == '=') {
            found = {true, word.substr(option.size() + 1)};
        }
    }
    return found;
}

/// kalvo --plot: the plot is rendered through the plot windows into the --out file.
int RunPlot(const QCommandLineParser& parser, const QList<QCommandLineOption>& o,
            const kalvo::HomeFolder& home) {
    auto value = [&](int i) { return parser.value(o[i]).toStdString(); };
    std::string error;
    const auto request =
        kalvo::MakePlotRequest({value(0), value(1), value(2), value(3), value(4), value(5)}, error);
    if (!request) {
        std::cerr << "kalvo: " << error << '\n';
        return 2;
    }
    if (value(6) != "rad" && value(6) != "deg") {
        std::cerr << "kalvo: --angle takes rad or deg\n";
        return 2;
    }
    kalvo::CliOptions options;
    options.home = home.folder;
    options.complex = parser.isSet(o[7]);
    options.angle = options.complex || value(6) == "rad" ? 0 : 1;
    kalvo::CliHost host;
    kalvo::CalculatorSession session(host);
    host.Attach(session);
    session.SetAngle(options.angle);
    session.SetComplexMode(options.complex);
    if (!kalvo::LoadCliData(session, options, [](const std::string& message) {
            std::cerr << kalvo::Latin1ToUtf8(message) << '\n';
        })) {
        return 1;
    }
    return kalvo::RenderPlot(session, *request, std::cerr);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A plot for a script needs no display; a surface needs the display's OpenGL where
    // there is one.
    const bool surface = RawOption(argc, argv, "--type").value == "surface";
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (RawOption(argc, argv, "--plot").given && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !(surface && display)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
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
    const QCommandLineOption plot(
        QStringLiteral("plot"),
        QStringLiteral("Render a plot of <expression> into the --out file and exit."),
        QStringLiteral("expression"));
    const QCommandLineOption type(QStringLiteral("type"),
                                  QStringLiteral("curve, contour, shade, surface or polar."),
                                  QStringLiteral("type"), QStringLiteral("curve"));
    const QCommandLineOption x(QStringLiteral("x"), QStringLiteral("X range and points."),
                               QStringLiteral("from,to,n"));
    const QCommandLineOption y(QStringLiteral("y"), QStringLiteral("Y range and points."),
                               QStringLiteral("from,to,m"));
    const QCommandLineOption levels(
        QStringLiteral("levels"), QStringLiteral("Number of contour levels."), QStringLiteral("k"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("Picture file: .png, .bmp, .svg or .pdf."),
                                 QStringLiteral("file"));
    const QCommandLineOption angle(QStringLiteral("angle"),
                                   QStringLiteral("Angle unit of a plot: rad or deg."),
                                   QStringLiteral("unit"), QStringLiteral("deg"));
    const QCommandLineOption complex(QStringLiteral("complex"),
                                     QStringLiteral("Plot |f(X+Yi)| in complex mode."));
    parser.addOptions({plot, type, x, y, levels, out, angle, complex});
    parser.process(app);

    kalvo::HomeFolder home;
    const kalvo::FileResult opened =
        kalvo::OpenHomeFolder(kalvo::HomeFolderInputsFromEnvironment(
                                  QFile::encodeName(parser.value(homeOption)).toStdString()),
                              home);
    if (parser.isSet(screenshots)) {
        return kalvo::RenderScreenshots(parser.value(screenshots), home);
    }

    if (parser.isSet(plot)) {
        return RunPlot(parser, {plot, type, x, y, levels, out, angle, complex}, home);
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
