#pragma once

namespace kalvo {

class TfmCalc;

/// Disables the tabbed area and shows the hourglass for the duration of one
/// evaluation; the destructor undoes both on every path, exceptions included.
class EvaluationScope {
  public:
    explicit EvaluationScope(TfmCalc& window);
    ~EvaluationScope();
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

  private:
    TfmCalc& m_window;
};

}  // namespace kalvo
