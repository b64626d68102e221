// kalvo-cli matrix: the matrix window's operations on matrices read from text files.
#include "cli/matrix_command.h"

#include <iostream>
#include <istream>
#include <ostream>

#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/file_result.h"
#include "frontend/text_file.h"
#include "matrix/matrix_calculator.h"
#include "matrix/matrix_text.h"

namespace kalvo {

namespace {

constexpr char kUsage[] =
    "Usage: kalvo-cli matrix OP A [B] [--r EXPR] [--n EXPR] [--f TEXT]\n"
    "Computes with matrices as the Matrix window does. OP is one of:\n"
    "  solve   X in A*X = B, with the first column of B    add   A + B\n"
    "  mul     A * B                                       sub   A - B\n"
    "  inv     the inverse of A                            det   the determinant of A\n"
    "  pow     A to the power n (--n EXPR, a whole number)\n"
    "  scale   r * A (--r EXPR)\n"
    "  f       a function of each element (--f TEXT, where (A) stands for the element,\n"
    "          as in --f '1/(A)')\n"
    "A and B are text files, or - for standard input (once): one row per line, the\n"
    "fields separated by tabs, commas or blanks, each field an expression (pi/2).\n"
    "Prints the result one row per line, the cells separated by a tab, in the short\n"
    "7-digit format; f prints each cell as the calculator displays it (--digits,\n"
    "--notation) or Error where the function fails there. solve prints one value per\n"
    "line. A failure prints the reason on standard error and exits with 1.\n";

/// Standard input up to one byte more than `limit`.
std::string ReadStandardInput(std::size_t limit) {
    std::string content;
    char buffer[65536];
    while (content.size() <= limit && std::cin.read(buffer, sizeof buffer).gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
    }
    return content;
}

/// Reads one operand; false after a message on `err`.
bool ReadOperand(const std::string& path, CellTexts& cells, std::ostream& err) {
    const MatrixTextLimits limits;
    std::string content;
    if (path == "-") {
        content = ReadStandardInput(limits.bytes);
    } else if (ReadStatus status = ReadFileBytes(path, content); status != ReadStatus::kOk) {
        err << (status == ReadStatus::kCannotOpen ? kCantOpenFile : kCantReadFile) << path << '\n';
        return false;
    }
    const std::string name = path == "-" ? "standard input" : path;
    const MatrixTextResult text = ReadMatrixText(ToLatin1(content), limits);
    if (!text.ok) {
        err << name << ": " << text.error << '\n';
        return false;
    }
    if (text.rows.empty()) {
        err << name << ": no matrix\n";
        return false;
    }
    for (std::size_t i = 1; i < text.rows.size(); ++i) {
        if (text.rows[i].size() != text.rows[0].size()) {
            err << name << ": row " << i + 1 << " has " << text.rows[i].size()
                << (text.rows[i].size() == 1 ? " field" : " fields") << ", row 1 has "
                << text.rows[0].size() << '\n';
            return false;
        }
    }
    cells = text.rows;
    return true;
}

int UsageError(std::ostream& err, const std::string& message) {
    err << "kalvo-cli matrix: " << message << '\n';
    return 2;
}

/// Checks a prompt value given as an option; false after a message.
bool TakeOption(const std::optional<std::string>& value, const char* option,
                PromptCheck (MatrixCalculator::*check)(const std::string&),
                MatrixCalculator& calculator, std::ostream& err, Real* result) {
    const PromptCheck checked = (calculator.*check)(ToLatin1(*value));
    if (!checked.ok) {
        err << option << ": " << Latin1ToUtf8(checked.message) << '\n';
        return false;
    }
    if (result != nullptr) {
        *result = checked.value;
    }
    return true;
}

int RunMatrix(const SubcommandContext& context) {
    std::string error;
    const auto args = ParseSubcommandArgs(context.args, {"--r", "--n", "--f"}, {}, error);
    if (!args) {
        return UsageError(context.err, error);
    }
    if (args->words.empty()) {
        return UsageError(context.err, "no operation given");
    }
    const MatrixOperationInfo* info = nullptr;
    for (const MatrixOperationInfo& candidate : MatrixOperations()) {
        if (args->words[0] == candidate.cliName) {
            info = &candidate;
        }
    }
    if (info == nullptr) {
        return UsageError(context.err, "unknown operation " + args->words[0]);
    }
    const std::size_t operands = info->usesB ? 2 : 1;
    if (args->words.size() != operands + 1) {
        return UsageError(context.err,
                          std::string(info->cliName) + " takes " +
                              (operands == 2 ? "two matrices, A and B" : "one matrix, A"));
    }
    if (operands == 2 && args->words[1] == "-" && args->words[2] == "-") {
        return UsageError(context.err, "standard input can be read only once");
    }
    const struct {
        const char* option;
        MatrixOperation operation;
    } options[] = {{"--r", MatrixOperation::kScale},
                   {"--n", MatrixOperation::kPower},
                   {"--f", MatrixOperation::kFunction}};
    for (const auto& option : options) {
        if (args->Has(option.option) != (info->operation == option.operation)) {
            return UsageError(
                context.err,
                args->Has(option.option)
                    ? std::string(option.option) + " does not belong to " + info->cliName
                    : std::string(info->cliName) + " needs " + option.option);
        }
    }

    MatrixCalculator calculator(context.session);
    calculator.SetOperation(info->operation);
    OperationParameters& parameters = calculator.Parameters();
    Real value = 0;
    if (args->Has("--r")) {
        if (!TakeOption(args->Value("--r"), "--r", &MatrixCalculator::CheckScale, calculator,
                        context.err, &parameters.r)) {
            return 1;
        }
    }
    if (args->Has("--n")) {
        if (!TakeOption(args->Value("--n"), "--n", &MatrixCalculator::CheckPower, calculator,
                        context.err, &value)) {
            return 1;
        }
        parameters.n = static_cast<int>(value);
    }
    if (args->Has("--f")) {
        if (!TakeOption(args->Value("--f"), "--f", &MatrixCalculator::CheckFunction, calculator,
                        context.err, nullptr)) {
            return 1;
        }
        parameters.f = ToLatin1(*args->Value("--f"));
    }

    CellTexts a;
    CellTexts b;
    if (!ReadOperand(args->words[1], a, context.err) ||
        (operands == 2 && !ReadOperand(args->words[2], b, context.err))) {
        return 1;
    }
    const MatrixOutcome outcome = calculator.Compute(a, b);
    if (outcome.kind != MatrixOutcome::Kind::kDone) {
        context.err << Latin1ToUtf8(outcome.message) << '\n';
        return 1;
    }
    for (const auto& row : outcome.c) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            context.out << (j > 0 ? "\t" : "") << Latin1ToUtf8(row[j]);
        }
        context.out << '\n';
    }
    return 0;
}

}  // namespace

Subcommand MatrixCommand() {
    return {"matrix", "solve, add, multiply, invert, ... matrices read from text files", kUsage,
            &RunMatrix};
}

}  // namespace kalvo
