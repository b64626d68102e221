#pragma once

namespace kalvo {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

/// The largest plot area within `available` whose vertical scale is `exaggeration` times
/// its horizontal one (pixels per Y unit over pixels per X unit) for the spans shown.
/// An exaggeration of 0 (or spans that are not positive) fills the whole area.
///
///   FitAspect({400, 400}, 20, 10, 1) == PixelSize{400, 200}
PixelSize FitAspect(PixelSize available, double xSpan, double ySpan, double exaggeration);

}  // namespace kalvo
