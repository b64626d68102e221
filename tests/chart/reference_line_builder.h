#pragma once

#include <deque>
#include <vector>

#include "chart/contour_line.h"
#include "chart/segment_sink.h"

namespace kalvo::test {

/// The joining of traced segments done the plain way: every segment is compared with every
/// line of the list in order, and a grown line with every line again. Slow, and obviously
/// what the rules say; the indexed builder must give exactly its lines.
class ReferenceLineBuilder final : public SegmentSink {
  public:
    explicit ReferenceLineBuilder(double tolerance) : m_tolerance(tolerance) {}

    void Add(const ContourPoint& p, const ContourPoint& q, double level, double gradient) override;
    std::vector<ContourLine> Lines() const;

  private:
    struct Line {
        double level;
        std::deque<ContourPoint> points;
        ContourSegment anchor;
        double gradient;
    };
    void Rejoin(Line grown);

    double m_tolerance;
    std::vector<Line> m_list;
};

/// Records segments so that several builders can be fed the same ones.
struct SegmentRecorder final : SegmentSink {
    struct Segment {
        ContourPoint p, q;
        double level, gradient;
    };
    std::vector<Segment> segments;

    void Add(const ContourPoint& p, const ContourPoint& q, double level, double gradient) override {
        segments.push_back({p, q, level, gradient});
    }
    void ReplayInto(SegmentSink& sink) const {
        for (const Segment& s : segments) {
            sink.Add(s.p, s.q, s.level, s.gradient);
        }
    }
};

}  // namespace kalvo::test
