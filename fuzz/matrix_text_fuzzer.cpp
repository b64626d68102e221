// The matrix text reader (pasted, typed or saved grids): read the bytes, and check that
// the grid copied to the clipboard reads back the same.
#include <cstddef>
#include <cstdint>

#include "fuzz_session.h"
#include "matrix/matrix_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kalvo::MatrixTextLimits limits;
    const kalvo::MatrixTextResult read = kalvo::ReadMatrixText(kalvo::FuzzText(data, size));
    if (!read.ok) {
        kalvo::FuzzCheck(!read.error.empty(), "a refused text says why");
        return 0;
    }
    kalvo::FuzzCheck(static_cast<int>(read.rows.size()) <= limits.rows, "at most the row limit");
    for (const auto& row : read.rows) {
        kalvo::FuzzCheck(static_cast<int>(row.size()) <= limits.fields, "at most the field limit");
    }
    const kalvo::MatrixTextResult again = kalvo::ReadMatrixText(kalvo::ClipboardText(read.rows));
    kalvo::FuzzCheck(again.ok && again.rows == read.rows, "the clipboard text reads back the same");
    return 0;
}
