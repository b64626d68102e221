#pragma once

#include "engine/real.h"
#include "ui/field_validator.h"

namespace kalvo {

/// Guards a field that takes a real number in [minimum, maximum]: while the user types,
/// characters that break the pattern sign, digits, "." digits, "e" sign digits are
/// refused; the field turns red while its value is out of range. Never raises an error.
///
///   auto* guard = new TRealValidate(edXMin, "X min", this, -1e6L, 1e6L);
class TRealValidate : public FieldValidator {
    Q_OBJECT
  public:
    TRealValidate(QLineEdit* field, const QString& caption, QObject* owner, Real minimum,
                  Real maximum);

    Real Minimum() const { return m_range.min; }
    Real Maximum() const { return m_range.max; }
    void SetMinimum(Real minimum);
    void SetMaximum(Real maximum);
    /// The field's number (read again); the last value when the field holds none.
    Real Value();
    bool IsValid() const;

    /// A complete real number in the "." notation with an optional exponent.
    static bool Parse(const QString& text, Real* value);
    /// 1-based position of the first character that breaks the number pattern, or 0.
    static int OffendingPosition(const QString& text);

  protected:
    void Check() override;

  private:
    ValidRange<Real> m_range;
    Real m_value = 0;
};

}  // namespace kalvo
