#pragma once

#include <cstdint>
#include <vector>

#include "chart/contour_line.h"
#include "chart/end_point_index.h"
#include "chart/handle_table.h"
#include "chart/point_chain.h"
#include "chart/segment_sink.h"

namespace kalvo {

/// Joins traced segments into contour lines, one list for the lines of all levels.
///
/// For each segment (P, Q):
/// - a segment whose ends lie within the tolerance of each other is dropped;
/// - the segment is compared with the lines in list order. A line whose two ends share an x
///   (or a y) that the segment's two ends share too, with both segment ends inside the line's
///   range on the other coordinate, ends included, covers the segment: it is dropped, so
///   that an edge shared by two cells is traced once. Otherwise, when (start, P),
///   (start, Q), (finish, P) or (finish, Q), in this order, coincide, the line takes the
///   segment's other end at that end of its chain;
/// - a line that grew is taken out of the list and compared with the lines from the start
///   again, ends against ends in the same order; the line in the list absorbs it, keeping
///   its own level and direction, without repeating the coinciding point. A grown line that
///   joins nothing goes to the end of the list; a segment that touches no line becomes a new
///   line there.
/// A line keeps as label anchor the segment with the least gradient measure of its pieces.
///
/// The first line in list order that covers or meets the segment decides. Instead of
/// scanning the list, the lines are found through an index of their end points, and of the
/// lines whose ends lie on one vertical or horizontal; list order is kept as a position per
/// line.
class ContourLineBuilder final : public SegmentSink {
  public:
    explicit ContourLineBuilder(double tolerance);

    void Add(const ContourPoint& p, const ContourPoint& q, double level, double gradient) override;

    /// The lines in list order, once all segments are in; the builder is spent afterwards.
    std::vector<ContourLine> TakeLines();

  private:
    /// Which ends of a line and of a piece coincide: line start or finish, piece first or
    /// second end; or that the line covers the piece.
    enum class Join { kNone, kStartFirst, kStartSecond, kFinishFirst, kFinishSecond, kCovered };
    struct Match {
        std::uint32_t id;
        Join join;
    };

    /// Whether a line is listed in one of the axis tables, and under which coordinate.
    struct AxisEntry {
        bool listed = false;
        double coordinate = 0;
    };

    struct Line {
        double level = 0;
        ContourPoint start;
        ContourPoint finish;
        PointChain chain;
        ContourSegment anchor;
        double gradient = 0;
        std::uint32_t position = 0;  ///< index in m_order
        bool inList = true;
        AxisEntry vertical;  ///< in m_vertical: both ends have that x
        AxisEntry horizontal;
    };

    using Found = EndPointIndex::Found;
    using Candidates = EndPointIndex::FoundList;

    /// The first line in list order among the candidates for which `test` gives a join.
    Match FirstInList(const Found* first, const Found* last, auto&& test) const;
    Join FindJoin(const Line& line, const ContourPoint& first, const ContourPoint& second) const;
    void NewLine(const ContourPoint& p, const ContourPoint& q, double level, double gradient,
                 std::uint64_t keyP, std::uint64_t keyQ);
    void TakeOut(std::uint32_t id);
    void Append(std::uint32_t id);
    /// The line `into` takes the points of `piece` at the ends `join` names. The piece's
    /// meeting end must have no index entry left.
    void Absorb(std::uint32_t into, std::uint32_t piece, Join join);
    void UpdateAxes(std::uint32_t id);
    void LeaveAxes(std::uint32_t id);
    static void UpdateAxis(HandleTable& table, AxisEntry& entry, bool member, double coordinate,
                           std::uint32_t id);

    double m_tolerance;
    std::vector<Line> m_lines;           ///< by id
    std::vector<std::uint32_t> m_order;  ///< list order: ids, kGone where a line was taken out
    std::size_t m_inList = 0;            ///< lines in the list
    EndPointIndex m_ends;                ///< handle = 2 * id + (0 start, 1 finish)
    HandleTable m_vertical;              ///< ids of lines whose ends share an x, by that x
    HandleTable m_horizontal;            ///< ids of lines whose ends share a y, by that y
    /// Line ends near the segment's P, then those near Q, then the lines that may cover it.
    Candidates m_near;
    std::vector<std::uint32_t> m_freeIds;  ///< ids of absorbed lines, whose memory new lines reuse
};

}  // namespace kalvo
