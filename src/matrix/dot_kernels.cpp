#include "matrix/dot_kernels.h"

namespace kalvo {

void AddRowsTimesColumn(Real* out, std::ptrdiff_t outStride, const Real* rows,
                        std::ptrdiff_t rowStride, const Real* column, std::ptrdiff_t columnStride,
                        int len, int count) {
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        const Real* r0 = rows + k * rowStride;
        const Real* r1 = r0 + rowStride;
        const Real* r2 = r1 + rowStride;
        const Real* r3 = r2 + rowStride;
        Real* o = out + k * outStride;
        Real s0 = o[0];
        Real s1 = o[outStride];
        Real s2 = o[2 * outStride];
        Real s3 = o[3 * outStride];
        const Real* c = column;
        for (int m = 0; m < len; ++m, c += columnStride) {
            const Real shared = *c;
            s0 += r0[m] * shared;
            s1 += r1[m] * shared;
            s2 += r2[m] * shared;
            s3 += r3[m] * shared;
        }
        o[0] = s0;
        o[outStride] = s1;
        o[2 * outStride] = s2;
        o[3 * outStride] = s3;
    }
    for (; k < count; ++k) {
        const Real* r = rows + k * rowStride;
        Real s = out[k * outStride];
        const Real* c = column;
        for (int m = 0; m < len; ++m, c += columnStride) {
            s += r[m] * *c;
        }
        out[k * outStride] = s;
    }
}

void AddRowTimesColumns(Real* out, const Real* row, const Real* columns,
                        std::ptrdiff_t columnStride, int len, int count) {
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        Real s0 = out[k];
        Real s1 = out[k + 1];
        Real s2 = out[k + 2];
        Real s3 = out[k + 3];
        const Real* c = columns + k;
        for (int m = 0; m < len; ++m, c += columnStride) {
            const Real shared = row[m];
            s0 += shared * c[0];
            s1 += shared * c[1];
            s2 += shared * c[2];
            s3 += shared * c[3];
        }
        out[k] = s0;
        out[k + 1] = s1;
        out[k + 2] = s2;
        out[k + 3] = s3;
    }
    for (; k < count; ++k) {
        Real s = out[k];
        const Real* c = columns + k;
        for (int m = 0; m < len; ++m, c += columnStride) {
            s += row[m] * *c;
        }
        out[k] = s;
    }
}

}  // namespace kalvo
