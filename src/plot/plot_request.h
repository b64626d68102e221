#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/plot_setup.h"

namespace kalvo {

/// "FROM,TO,N" split at its two commas; nothing when it has not exactly two.
struct RangeTexts {
    std::string from;
    std::string to;
    std::string count;
};
std::optional<RangeTexts> SplitRangeText(const std::string& text);

/// The picture formats a plot is written in, chosen by the file's extension.
enum class PictureFormat { kPng, kBmp, kSvg, kPdf };
/// The format of a file name's extension (any case); nothing for another extension.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

/// A plot asked for on the command line:
/// --plot EXPR --type curve|contour|shade|surface|polar --x FROM,TO,N [--y FROM,TO,M]
/// [--levels K] --out FILE.
struct PlotRequest {
    std::string text;  ///< the expression as given (UTF-8)
    PlotType type = PlotType::kCurve;
    PlotSetupTexts fields;  ///< the set-up's fields as the Graphics tab would hold them
    std::string out;
    PictureFormat format = PictureFormat::kPng;
};

struct PlotRequestOptions {
    std::string text;
    std::string type;
    std::string x;
    std::string y;       ///< empty when not given
    std::string levels;  ///< empty when not given
    std::string out;
};

/// Checks the options and the set-up as the OK button does. On failure `error` holds the
/// message (a usage error or the set-up's message).
std::optional<PlotRequest> MakePlotRequest(const PlotRequestOptions& options, std::string& error);

}  // namespace kalvo
