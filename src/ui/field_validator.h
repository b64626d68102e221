#pragma once

#include <functional>

#include <QObject>
#include <QPalette>
#include <QString>

class QLineEdit;

namespace kalvo {

/// A validator's range, kept so that minimum <= maximum: raising the minimum above the
/// maximum raises the maximum to it, and lowering the maximum lowers the minimum.
template <typename T>
struct ValidRange {
    T min;
    T max;

    ValidRange(T minimum, T maximum) : min(minimum), max(maximum < minimum ? minimum : maximum) {}
    void SetMinimum(T minimum) {
        min = minimum;
        max = max < minimum ? minimum : max;
    }
    void SetMaximum(T maximum) {
        max = maximum;
        min = maximum < min ? maximum : min;
    }
    bool Contains(T v) const { return v >= min && v <= max; }
};

/// Common part of the numeric field guards: the guarded field, its display name, its own
/// colours, the last text that passed the character check and the change handler the
/// field had before (called after the guard's own work on every change).
class FieldValidator : public QObject {
    Q_OBJECT
  public:
    FieldValidator(QLineEdit* field, const QString& caption, QObject* owner);

    QLineEdit* Field() const { return m_field; }
    /// The name used in messages about the field; its object name when none was given.
    const QString& Caption() const { return m_caption; }
    const QString& LastGoodText() const { return m_lastGood; }
    /// The handler that runs after the guard's work on every change of the field.
    void SetChangeHandler(std::function<void()> handler) { m_previous = std::move(handler); }

  protected:
    /// The guard's own work for a change of the field's text.
    virtual void Check() = 0;

    void SetLastGood(const QString& text) { m_lastGood = text; }
    /// Puts the last good text back and the caret before 1-based position `position`.
    void Refuse(int position);
    /// Red background when out of range, the field's own colours otherwise.
    void ShowInRange(bool inRange);
    /// Changes the field's text without running the guard again.
    void WriteField(const QString& text);

  private:
    void OnChanged();

    QLineEdit* m_field;
    QString m_caption;
    QPalette m_ownPalette;
    QString m_lastGood;
    std::function<void()> m_previous;
    bool m_busy = false;
};

}  // namespace kalvo
