#include "plot/plot_request.h"

#include <algorithm>
#include <cctype>

namespace kalvo {

std::optional<RangeTexts> SplitRangeText(const std::string& text) {
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos || text.find(',', second + 1) != std::string::npos) {
        return std::nullopt;
    }
    return RangeTexts{text.substr(0, first), text.substr(first + 1, second - first - 1),
                      text.substr(second + 1)};
}

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
    const auto dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') {
        return std::nullopt;
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "png") {
        return PictureFormat::kPng;
    }
    if (ext == "bmp") {
        return PictureFormat::kBmp;
    }
    if (ext == "svg") {
        return PictureFormat::kSvg;
    }
    if (ext == "pdf") {
        return PictureFormat::kPdf;
    }
    return std::nullopt;
}

std::optional<PlotRequest> MakePlotRequest(const PlotRequestOptions& o, std::string& error) {
    static constexpr const char* kTypes[kPlotTypeCount] = {"curve", "contour", "shade", "surface",
                                                           "polar"};
    PlotRequest request;
    request.text = o.text;
    const auto* type = std::find(std::begin(kTypes), std::end(kTypes), o.type);
    if (type == std::end(kTypes)) {
        error = "--type takes curve, contour, shade, surface or polar";
        return std::nullopt;
    }
    request.type = static_cast<PlotType>(type - std::begin(kTypes));
    if (o.text.empty()) {
        error = "--plot takes the expression to plot";
        return std::nullopt;
    }
    if (o.out.empty()) {
        error = "--plot needs --out FILE";
        return std::nullopt;
    }
    const std::optional<PictureFormat> format = PictureFormatOf(o.out);
    // The surface and polar charts draw pictures only, no vector drawings.
    const bool bitmapOnly = request.type == PlotType::kSurface || request.type == PlotType::kPolar;
    if (!format ||
        (bitmapOnly && *format != PictureFormat::kPng && *format != PictureFormat::kBmp)) {
        error = !format                              ? "--out must end in .png, .bmp, .svg or .pdf"
                : request.type == PlotType::kSurface ? "a surface is written as .png or .bmp"
                                                     : "a polar plot is written as .png or .bmp";
        return std::nullopt;
    }
    request.format = *format;
    request.out = o.out;

    const std::optional<RangeTexts> x = SplitRangeText(o.x);
    if (!x) {
        error = "--x takes FROM,TO,N";
        return std::nullopt;
    }
    PlotSetupTexts& f = request.fields;
    f.fromX = x->from;
    f.toX = x->to;
    f.stepsX = x->count;
    if (SamplesGrid(request.type)) {
        const std::optional<RangeTexts> y = SplitRangeText(o.y);
        if (!y) {
            error = "--y takes FROM,TO,M";
            return std::nullopt;
        }
        f.fromY = y->from;
        f.toY = y->to;
        f.stepsY = y->count;
    } else if (!o.y.empty()) {
        error = "--y is for contour, shade and surface plots";
        return std::nullopt;
    }
    if (!o.levels.empty()) {
        if (request.type != PlotType::kContour) {
            error = "--levels is for contour plots";
            return std::nullopt;
        }
        f.contours = o.levels;
    }
    const PlotSetupCheck check = CheckPlotSetup(f, request.type);
    if (!check.ok) {
        error = check.message.empty() ? "an empty coordinate" : check.message;
        return std::nullopt;
    }
    return request;
}

}  // namespace kalvo
