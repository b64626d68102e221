#include "ui/int_validate.h"

#include <QLineEdit>

namespace kalvo {

namespace {

bool IsSign(QChar c) {
    return c == u'+' || c == u'-';
}

/// 1-based position of the first character that may not stand where it is, or 0.
int OffendingPosition(const QString& text) {
    int lastSign = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsSign(c)) {
            lastSign = i + 1;
        } else if (c < u'0' || c > u'9') {
            return i + 1;
        }
    }
    return lastSign > 1 ? lastSign : 0;
}

}  // namespace

TIntValidate::TIntValidate(long minimum, const QString& caption, QObject* owner, QLineEdit* field,
                           long maximum)
    : FieldValidator(field, caption, owner), m_range(minimum, maximum) {
    // A field that starts with text that is no number: drop characters until it is one.
    QString good = field->text();
    long value = 0;
    while (!good.isEmpty() && !Parse(good, &value)) {
        const int bad = OffendingPosition(good);
        good.remove(bad > 0 ? bad - 1 : good.size() - 1, 1);
    }
    SetLastGood(good);
    if (Parse(good, &value)) {
        m_value = value;
    }
}

bool TIntValidate::Parse(const QString& text, long* value) {
    bool ok = false;
    const long parsed = text.toLong(&ok);
    if (ok && value) {
        *value = parsed;
    }
    return ok;
}

void TIntValidate::SetMinimum(long minimum) {
    m_range.SetMinimum(minimum);
}

void TIntValidate::SetMaximum(long maximum) {
    m_range.SetMaximum(maximum);
}

void TIntValidate::SetValue(long v) {
    m_value = v;
    if (m_range.Contains(v) && !Field()->text().isEmpty()) {
        WriteField(QString::number(v));
        SetLastGood(Field()->text());
        ShowInRange(true);
    }
}

long TIntValidate::Value() {
    long value = 0;
    if (Parse(Field()->text(), &value)) {
        m_value = value;
    }
    return m_value;
}

bool TIntValidate::IsValid() const {
    long value = 0;
    return Parse(Field()->text(), &value) && m_range.Contains(value);
}

void TIntValidate::Check() {
    const QString text = Field()->text();
    if (const int bad = OffendingPosition(text); bad > 0) {
        Refuse(bad);
    } else {
        if (text.size() == 1 && !Parse(text, nullptr) && text != u"-") {
            WriteField(QString());
        }
        SetLastGood(Field()->text());
    }
    long value = 0;
    if (!Parse(Field()->text(), &value)) {
        SetValue(0);
        return;
    }
    m_value = value;
    ShowInRange(m_range.Contains(value));
}

}  // namespace kalvo
