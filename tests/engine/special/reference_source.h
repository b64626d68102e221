#pragma once

// Reference values in these tests were computed once, outside the project, with
// mpmath 1.2.1 at mp.dps = 30 (Debian python3-mpmath) and are printed to 25 digits.

namespace kalvo {

/// Relative distance of got from reference.
inline long double RelativeError(long double got, long double reference) {
    long double difference = got - reference;
    if (difference < 0) {
        difference = -difference;
    }
    return reference == 0 ? difference : difference / (reference < 0 ? -reference : reference);
}

}  // namespace kalvo
