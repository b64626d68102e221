#pragma once

#include <stdexcept>
#include <string>

namespace kalvo {

/// The one failure of the matrix classes and algorithms: a fixed English message that the
/// matrix window shows as it is.
class EMatrixException : public std::runtime_error {
  public:
    explicit EMatrixException(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr char kIndexOutOfBounds[] = "Index out of bounds";
inline constexpr char kCanNotAdd[] = "Can not add these matrixes";
inline constexpr char kCanNotMultiply[] = "Can not Multiply";
inline constexpr char kOnlySquare[] = "This operation can be applied only to square matrix";
inline constexpr char kInvalidDimensions[] = "Invalid dimensions...";
inline constexpr char kInvalidDimension[] = "Invalid dimension...";
inline constexpr char kCouldNotInverse[] = "Could not inverse this matrix";
inline constexpr char kNoSolution[] = "No solution for this equations";

}  // namespace kalvo
