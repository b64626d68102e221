#pragma once

#include <string>

namespace kalvo {

/// Engine error codes; every engine failure is reported as one of these.
enum ErrorCode : int {
    kErrSyntax = 0,
    kErrUndefined = 1,
    kErrStackOverflow = 2,
    kErrExtremumNotFound = 6,
    kErrArgument = 8,
    kErrArgumentNegative = 10,
    kErrOverflow = 11,
    kErrSingularity = 12,
    kErrDivisionByZero = 13,
    kErrTooManyClosing = 16,
    kErrMissingOpening = 17,
    kErrMissingClosing = 18,
    kErrCommaExpected = 20,
    kErrInterval = 21,
    kErrUserBreak = 22,
    kErrChangeNotation = 23,
    kErrOutOfRange = 24,
    kErrMissingArgument = 26,
    kErrUserFunction = 27,
    kErrUnderflow = 28,
};

/// The fixed English message of an engine error code ("Undefined" for unknown codes).
/// Code 27 has no fixed text: see UserFunctionErrorText.
std::string ErrorMessage(int code);

/// The text of error 27: the failure inside a user function's body, cut to 80 characters.
std::string UserFunctionErrorText(int innerCode, int innerPos);

}  // namespace kalvo
