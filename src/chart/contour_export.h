#pragma once

#include <iosfwd>
#include <vector>

#include "chart/contour_line.h"

namespace kalvo {

/// Writes one text line per contour line, in list order: the level in the general
/// 12-digit form, a tab, the number of points, a tab and the points as "x,y" separated by
/// blanks, coordinates with 9 significant digits:
///
///     0.5	3	1,0.5 1.25,0.75 1.5,1
void WriteContourText(std::ostream& out, const std::vector<ContourLine>& lines);

/// Writes the lines as a GeoJSON FeatureCollection: one LineString feature per line, with
/// the level as the property "level", one feature per text line.
void WriteContourGeoJson(std::ostream& out, const std::vector<ContourLine>& lines);

}  // namespace kalvo
