#pragma once

#include <cstdint>
#include <random>

#include "engine/real.h"

namespace kalvo {

/// Uniform and Gaussian random numbers. The uniform draw seeds the generator from the
/// clock on its first use in a run; the Gaussian draw uses the generator as it stands.
class RandomSource {
  public:
    /// Uniform in [0, 1).
    Real Uniform();
    /// Normally distributed with the given mean and standard deviation (polar method).
    Real Gaussian(Real mean, Real deviation);
    void Seed(std::uint64_t seed);

  private:
    Real Draw();

    std::mt19937_64 m_generator;
    bool m_seeded = false;
};

}  // namespace kalvo
