#pragma once

#include <cstddef>

#include "engine/real.h"

namespace kalvo {

// Inner loops of the elimination kernels in dot-product form. An extended value costs a
// slow 80-bit load or store each time it crosses memory, so these keep four sums in
// registers and load the shared factor once for all four. Each sum starts from the value
// in `out` and adds its products in the order of m, which rounds exactly as adding the
// same products one elimination step at a time would.

/// out[k·outStride] += Σ_{m<len} rows[k·rowStride + m] · column[m·columnStride], k < count.
void AddRowsTimesColumn(Real* out, std::ptrdiff_t outStride, const Real* rows,
                        std::ptrdiff_t rowStride, const Real* column, std::ptrdiff_t columnStride,
                        int len, int count);

/// out[k] += Σ_{m<len} row[m] · columns[m·columnStride + k], k < count.
void AddRowTimesColumns(Real* out, const Real* row, const Real* columns,
                        std::ptrdiff_t columnStride, int len, int count);

}  // namespace kalvo
