#pragma once

#include <string>
#include <vector>

namespace kalvo {

/// A point of the contour map in the grid's X and Y coordinates.
struct ContourPoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const ContourPoint&, const ContourPoint&) = default;
};

/// A straight piece from `p` to `q`.
struct ContourSegment {
    ContourPoint p;
    ContourPoint q;

    friend bool operator==(const ContourSegment&, const ContourSegment&) = default;
};

/// One contour line: a chain of points at one level. The label anchor is the segment of the
/// line that was traced in the cell with the least squared gradient |grad z|^2, where the
/// surface is flattest and a label disturbs the picture least; `gradient` is that measure.
struct ContourLine {
    double level = 0;
    std::vector<ContourPoint> points;  ///< at least two; front() is the start, back() the finish
    ContourSegment anchor;
    double gradient = 0;

    friend bool operator==(const ContourLine&, const ContourLine&) = default;
};

/// The label of one contour line, as data for the chart to draw.
struct ContourLabel {
    std::size_t line = 0;   ///< index into the layer's lines
    ContourSegment anchor;  ///< the line's label anchor segment
    ContourPoint position;  ///< where the label stands; the anchor's midpoint at first
    double angle = 0;       ///< degrees, the anchor's direction; -90 for a vertical anchor
    std::string text;       ///< the line's level
    bool visible = true;
};

}  // namespace kalvo
