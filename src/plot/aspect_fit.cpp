#include "plot/aspect_fit.h"

#include <algorithm>
#include <cmath>

namespace kalvo {

PixelSize FitAspect(PixelSize available, double xSpan, double ySpan, double exaggeration) {
    if (!(exaggeration > 0) || !(xSpan > 0) || !(ySpan > 0) || !std::isfinite(exaggeration) ||
        !std::isfinite(xSpan) || !std::isfinite(ySpan) || available.width <= 0 ||
        available.height <= 0) {
        return available;
    }
    // Height the full width asks for; when it does not fit, the height limits the width.
    const double height = exaggeration * available.width * ySpan / xSpan;
    if (height <= available.height) {
        return {available.width, std::max(1, static_cast<int>(std::lround(height)))};
    }
    const double width = available.height * xSpan / (exaggeration * ySpan);
    return {std::max(1, static_cast<int>(std::lround(width))), available.height};
}

}  // namespace kalvo
