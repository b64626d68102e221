#include "engine/random_source.h"

#include <chrono>
#include <cmath>

namespace kalvo {

Real RandomSource::Draw() {
    // 64 random bits scaled into [0, 1) keep the full extended precision.
    return static_cast<Real>(m_generator()) * 0x1p-64L;
}

Real RandomSource::Uniform() {
    if (!m_seeded) {
        Seed(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }
    return Draw();
}

Real RandomSource::Gaussian(Real mean, Real deviation) {
    Real u = 0;
    Real v = 0;
    Real s = 0;
    do {
        u = 2 * Draw() - 1;
        v = 2 * Draw() - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);
    return mean + deviation * u * std::sqrt(-2 * std::log(s) / s);
}

void RandomSource::Seed(std::uint64_t seed) {
    m_generator.seed(seed);
    m_seeded = true;
}

}  // namespace kalvo
