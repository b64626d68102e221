// kalvo-cli: the calculator on the command line, evaluating exactly as the main window.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_data.h"
#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "cli/cli_subcommand.h"
#include "cli/line_reader.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"

namespace {

using kalvo::CalculatorSession;
using kalvo::CliHost;
using kalvo::ResultLine;

volatile std::sig_atomic_t g_evaluating = 0;
volatile std::sig_atomic_t g_breakAsked = 0;

// Ctrl+C during an evaluation breaks that evaluation; anywhere else, or when a break was
// already asked for and the work goes on (a subcommand between evaluations), it ends the
// program, as it would without a handler.
void OnInterrupt(int signal) {
    if (g_evaluating && !g_breakAsked) {
        g_breakAsked = 1;
        CliHost::RequestBreak();
        return;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

bool RunLine(CalculatorSession& session, const std::string& line, bool tape, bool interactive) {
    if (line.empty()) {
        std::cout << '\n';
        if (interactive) {
            std::cout << std::flush;
        }
        return true;
    }
    const std::string input = kalvo::ToLatin1(line);
    CliHost::ResetBreak();
    g_breakAsked = 0;
    g_evaluating = 1;
    ResultLine result = session.Evaluate(input, true);
    g_evaluating = 0;

    std::string text = result.text;
    if (tape && result.kind == ResultLine::Kind::kValue && !result.tapeLine.empty()) {
        text = result.tapeLine;
    }
    std::cout << kalvo::Latin1ToUtf8(text) << '\n';
    if (interactive) {
        std::cout << std::flush;
    }
    return result.kind == ResultLine::Kind::kValue;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = kalvo::ParseCliOptions(args, error);
    if (!options) {
        std::cerr << "kalvo-cli: " << error << "\nTry 'kalvo-cli --help'.\n";
        return 2;
    }
    if (options->help) {
        const kalvo::Subcommand* command = kalvo::FindSubcommand(options->subcommand);
        std::cout << (command != nullptr ? std::string(command->usage) : kalvo::CliUsage());
        return 0;
    }
    if (options->version) {
        std::cout << "kalvo-cli " << KALVO_VERSION << '\n';
        return 0;
    }

    CliHost host;
    host.SetIntegrationPrecision(options->precision);
    CalculatorSession session(host);
    host.Attach(session);
    session.SetNotation(options->notation);
    session.SetDigits(options->digits);
    session.SetBits(options->bits);
    session.GetEngine().State().display.base = options->base;
    session.GetEngine().State().digitSet = CalculatorSession::DigitSetFor(options->base);
    session.SetAngle(options->angle);
    session.GetEngine().State().display.complexForm = options->form;
    session.SetComplexMode(options->complex);

    bool allOk = kalvo::LoadCliData(session, *options, [](const std::string& message) {
        std::cerr << kalvo::Latin1ToUtf8(message) << '\n';
    });

    const bool interactive =
        options->expressions.empty() && isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    if (!options->subcommand.empty()) {
        if (!allOk) {
            return 1;  // a data file the user named did not load
        }
        g_evaluating = 1;
        return kalvo::RunSubcommand(*options, session, std::cout, std::cerr);
    }
    // Nothing shows the history, results or tape lists here: each tape line goes out with
    // its result, so the session keeps none of them however long the input runs.
    session.SetListLimit(0);
    if (!options->expressions.empty()) {
        for (const std::string& expression : options->expressions) {
            allOk = RunLine(session, expression, options->tape, false) && allOk;
        }
        return allOk ? 0 : 1;
    }
    std::ios::sync_with_stdio(false);
    kalvo::LineReader reader(interactive);
    std::string line;
    while (reader.Read("kalvo> ", line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        allOk = RunLine(session, line, options->tape, interactive) && allOk;
    }
    std::cout << std::flush;
    return allOk ? 0 : 1;
}
