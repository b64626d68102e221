#include "ui/chart/contour_plottable.h"

#include <cmath>

#include "display/format_general.h"

namespace kalvo {

namespace {

constexpr int kLevelDigits = 12;

QCPRange Span(const std::vector<double>& values, bool& found) {
    found = values.size() >= 2;
    if (!found) {
        return {};
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

}  // namespace

ContourPlottable::ContourPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, TContour layer)
    : QCPAbstractPlottable(keyAxis, valueAxis),
      m_layer(std::move(layer)),
      m_gradient(QCPColorGradient::gpJet) {
    setName(QString::fromStdString(m_layer.Description()));
    setPen(QPen(Qt::black));
}

QColor ContourPlottable::LevelColor(double level) const {
    const double low = m_layer.StoredMinimum();
    const double high = m_layer.StoredMaximum();
    const double t = high > low ? (level - low) / (high - low) : 0;
    // The darker end of the scale keeps lines visible on the white plot area.
    return QColor::fromRgb(m_gradient.color(std::clamp(t, 0.0, 1.0), QCPRange(0, 1))).darker(115);
}

double ContourPlottable::selectTest(const QPointF&, bool, QVariant*) const {
    return -1;
}

QCPRange ContourPlottable::getKeyRange(bool& foundRange, QCP::SignDomain) const {
    return Span(m_layer.Grid().x, foundRange);
}

QCPRange ContourPlottable::getValueRange(bool& foundRange, QCP::SignDomain, const QCPRange&) const {
    return Span(m_layer.Grid().y, foundRange);
}

void ContourPlottable::draw(QCPPainter* painter) {
    if (!mKeyAxis || !mValueAxis) {
        return;
    }
    applyDefaultAntialiasingHint(painter);
    QPolygonF polyline;
    for (const ContourLine& line : m_layer.Lines()) {
        polyline.clear();
        polyline.reserve(static_cast<int>(line.points.size()));
        for (const ContourPoint& p : line.points) {
            polyline << coordsToPixels(p.x, p.y);
        }
        painter->setPen(QPen(m_plainLines ? QColor(40, 40, 40) : LevelColor(line.level), 1.2));
        painter->drawPolyline(polyline);
    }
    QFont font(QString::fromStdString(m_layer.LabelFontFamily()), m_layer.LabelFontSize());
    for (const ContourLabel& label : m_layer.Labels()) {
        if (label.visible) {
            DrawLabel(painter, label, font);
        }
    }
}

void ContourPlottable::DrawLabel(QCPPainter* painter, const ContourLabel& label,
                                 const QFont& font) const {
    // The angle on the screen follows the anchor as drawn, whatever the axes' scales.
    const QPointF p = coordsToPixels(label.anchor.p.x, label.anchor.p.y);
    const QPointF q = coordsToPixels(label.anchor.q.x, label.anchor.q.y);
    double degrees = std::atan2(q.y() - p.y(), q.x() - p.x()) * 180 / M_PI;
    if (degrees > 90) {
        degrees -= 180;  // never upside down
    } else if (degrees < -90) {
        degrees += 180;
    }
    const QString text = QString::fromStdString(label.text);
    const QFontMetricsF metrics(font);
    const QRectF box(-metrics.horizontalAdvance(text) / 2 - 2, -metrics.height() / 2,
                     metrics.horizontalAdvance(text) + 4, metrics.height());
    painter->save();
    painter->translate(coordsToPixels(label.position.x, label.position.y));
    painter->rotate(degrees);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 210));
    painter->drawRect(box);
    painter->setFont(font);
    painter->setPen(m_plainLines ? QColor(20, 20, 20)
                                 : LevelColor(m_layer.Lines()[label.line].level).darker(130));
    painter->drawText(box, Qt::AlignCenter, text);
    painter->restore();
}

void ContourPlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
    applyDefaultAntialiasingHint(painter);
    for (int k = 0; k < 3; ++k) {
        painter->setPen(QPen(QColor::fromRgb(m_gradient.color(k / 2.0, QCPRange(0, 1))), 1.4));
        const double inset = k * rect.height() / 6;
        painter->drawEllipse(rect.adjusted(inset * 1.5, inset, -inset * 1.5, -inset));
    }
}

std::optional<std::size_t> ContourPlottable::LabelNear(QPointF pixel, double radius) const {
    std::optional<std::size_t> nearest;
    double best = radius;
    const std::vector<ContourLabel>& labels = m_layer.Labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QPointF at = coordsToPixels(labels[i].position.x, labels[i].position.y);
        const double d = std::hypot(at.x() - pixel.x(), at.y() - pixel.y());
        if (d <= best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

bool ContourPlottable::PlaceLabel(double x, double y) {
    const std::optional<TContour::NearestLine> line = m_layer.FindNearestLine(x, y);
    if (!line) {
        return false;
    }
    std::vector<ContourLabel>& labels = m_layer.EditableLabels();
    for (ContourLabel& label : labels) {
        if (label.line == line->index) {
            label.position = {x, y};
            label.visible = true;
            return true;
        }
    }
    const ContourLine& traced = m_layer.Lines()[line->index];
    ContourLabel label;
    label.line = line->index;
    label.anchor = traced.anchor;
    label.position = {x, y};
    const double dx = traced.anchor.q.x - traced.anchor.p.x;
    label.angle =
        dx == 0 ? -90 : std::atan((traced.anchor.q.y - traced.anchor.p.y) / dx) * 180 / M_PI;
    label.text = FormatGeneral(traced.level, kLevelDigits);
    labels.push_back(label);
    return true;
}

bool ContourPlottable::HideLabelNear(QPointF pixel, double radius) {
    const std::optional<std::size_t> index = LabelNear(pixel, radius);
    if (!index) {
        return false;
    }
    m_layer.EditableLabels()[*index].visible = false;
    return true;
}

void ContourPlottable::ToggleAllLabels() {
    std::vector<ContourLabel>& labels = m_layer.EditableLabels();
    const bool allShown =
        std::all_of(labels.begin(), labels.end(), [](const ContourLabel& l) { return l.visible; });
    for (ContourLabel& label : labels) {
        label.visible = !allShown;
    }
}

}  // namespace kalvo
