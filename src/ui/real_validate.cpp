#include "ui/real_validate.h"

#include <QLineEdit>

#include "frontend/real_field.h"

namespace kalvo {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

TRealValidate::TRealValidate(QLineEdit* field, const QString& caption, QObject* owner, Real minimum,
                             Real maximum)
    : FieldValidator(field, caption, owner), m_range(minimum, maximum) {
    Parse(field->text(), &m_value);
}

int TRealValidate::OffendingPosition(const QString& text) {
    const int n = static_cast<int>(text.size());
    int i = 0;
    // Mantissa: an optional sign and digits.
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    while (i < n && IsDigit(text[i])) {
        ++i;
    }
    // Fraction: "." and digits, no sign.
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
        }
    }
    // Exponent: "e" or "E", an optional sign and digits.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            ++i;
        }
        while (i < n && IsDigit(text[i])) {
            ++i;
        }
    }
    return i < n ? i + 1 : 0;
}

bool TRealValidate::Parse(const QString& text, Real* value) {
    return ParseRealField(text.toLatin1().toStdString(), value);
}

void TRealValidate::SetMinimum(Real minimum) {
    m_range.SetMinimum(minimum);
}

void TRealValidate::SetMaximum(Real maximum) {
    m_range.SetMaximum(maximum);
}

Real TRealValidate::Value() {
    Parse(Field()->text(), &m_value);
    return m_value;
}

bool TRealValidate::IsValid() const {
    Real value = 0;
    return Parse(Field()->text(), &value) && m_range.Contains(value);
}

void TRealValidate::Check() {
    const QString text = Field()->text();
    if (text.size() > LastGoodText().size()) {
        if (const int bad = OffendingPosition(text); bad > 0) {
            Refuse(bad);
            return;
        }
        SetLastGood(text);
    } else {
        if (text.size() == 1 && !Parse(text, nullptr) && text != u".") {
            WriteField(QString());
        }
        SetLastGood(Field()->text());
    }
    Real value = 0;
    if (Parse(Field()->text(), &value)) {
        m_value = value;
    }
    ShowInRange(m_range.Contains(m_value));
}

}  // namespace kalvo
