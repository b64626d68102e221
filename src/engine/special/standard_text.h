#pragma once

#include <string>

#include "engine/real.h"

namespace kalvo {

/// The standard text of an extended value: a sign or a blank, 18 significant digits in
/// scientific form and a four-digit exponent, e.g. " 1.23456789012345678E+0000".
/// The quadrature compares leading characters of it to decide convergence.
std::string StandardRealText(Real value);

}  // namespace kalvo
