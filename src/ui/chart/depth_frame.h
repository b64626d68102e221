#pragma once

#include <qcustomplot.h>

namespace kalvo {

/// The depth of the 3D view: the plot area repeated behind itself, shifted by the depth
/// up and to the right, with its corners joined to the front one.
class DepthFrame : public QCPLayerable {
    Q_OBJECT
  public:
    DepthFrame(QCustomPlot* plot, QCPAxisRect* rect);
    void SetDepth(int depth) { m_depth = depth; }
    int Depth() const { return m_depth; }

  protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

  private:
    QCPAxisRect* m_rect;
    int m_depth = 0;
};

}  // namespace kalvo
