#pragma once

#include <optional>

#include <QColor>

#include <qcustomplot.h>

#include "chart/contour_layer.h"

namespace kalvo {

/// The contour layer drawn on the chart: each level's lines in a pen colour of its own,
/// taken from the colour scale by the level's place between the least and the greatest
/// value, and the labels written along their anchor segments, turned by their angle.
class ContourPlottable : public QCPAbstractPlottable {
    Q_OBJECT
  public:
    ContourPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, TContour layer);

    TContour& Layer() { return m_layer; }
    const TContour& Layer() const { return m_layer; }
    /// The pen colour of a level.
    QColor LevelColor(double level) const;
    /// Draws the lines in one dark colour (over a colour shading) instead of per level.
    void SetPlainLines(bool on) { m_plainLines = on; }

    /// The label nearest to a pixel of the chart within `radius` pixels; nothing when none.
    std::optional<std::size_t> LabelNear(QPointF pixel, double radius) const;
    /// Moves the label of the line nearest to the point there, or gives that line a label
    /// when it has none. False when no line is near.
    bool PlaceLabel(double x, double y);
    /// Hides the label nearest to the pixel; false when none is near.
    bool HideLabelNear(QPointF pixel, double radius);
    /// Shows every label, or hides them all when all are shown.
    void ToggleAllLabels();

    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange,
                         QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

  protected:
    void draw(QCPPainter* painter) override;
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

  private:
    void DrawLabel(QCPPainter* painter, const ContourLabel& label, const QFont& font) const;

    TContour m_layer;
    mutable QCPColorGradient m_gradient;  ///< its colour lookup caches and is not const
    bool m_plainLines = false;
};

}  // namespace kalvo
