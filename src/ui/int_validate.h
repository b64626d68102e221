#pragma once

#include "ui/field_validator.h"

namespace kalvo {

/// Guards a field that takes an integer in [minimum, maximum]: refuses characters other
/// than digits and a leading sign, and colours the field red while its value is out of
/// range. Never raises an error.
///
///   auto* guard = new TIntValidate(1, "Rows", this, edRows, 20);
///   if (guard->IsValid()) rows = guard->Value();
class TIntValidate : public FieldValidator {
    Q_OBJECT
  public:
    TIntValidate(long minimum, const QString& caption, QObject* owner, QLineEdit* field,
                 long maximum);

    long Minimum() const { return m_range.min; }
    long Maximum() const { return m_range.max; }
    /// Raising the minimum above the maximum raises the maximum with it.
    void SetMinimum(long minimum);
    /// Lowering the maximum below the minimum lowers the minimum with it.
    void SetMaximum(long maximum);
    /// Stores v and, when it lies in the range and the field is not empty, shows it.
    void SetValue(long v);
    /// The field's number (read again); the last value when the field holds none.
    long Value();
    /// The field holds a number within the range.
    bool IsValid() const;

    /// The field's text parsed as an integer with an optional sign.
    static bool Parse(const QString& text, long* value);

  protected:
    void Check() override;

  private:
    ValidRange<long> m_range;
    long m_value = 0;
};

}  // namespace kalvo
