#include "ui/field_validator.h"

#include <QLineEdit>

#include "ui/theme_colors.h"

namespace kalvo {

FieldValidator::FieldValidator(QLineEdit* field, const QString& caption, QObject* owner)
    : QObject(owner),
      m_field(field),
      m_caption(caption.isEmpty() ? field->objectName() : caption),
      m_ownPalette(field->palette()),
      m_lastGood(field->text()) {
    connect(field, &QLineEdit::textChanged, this, &FieldValidator::OnChanged);
}

void FieldValidator::OnChanged() {
    if (m_busy) {
        return;
    }
    m_busy = true;
    Check();
    m_busy = false;
    if (m_previous) {
        m_previous();
    }
}

void FieldValidator::Refuse(int position) {
    WriteField(m_lastGood);
    m_field->setCursorPosition(std::max(position - 1, 0));
}

void FieldValidator::ShowInRange(bool inRange) {
    if (inRange) {
        m_field->setPalette(m_ownPalette);
        return;
    }
    QPalette red = m_ownPalette;
    red.setColor(QPalette::Base, InvalidFieldColor(m_ownPalette));
    m_field->setPalette(red);
}

void FieldValidator::WriteField(const QString& text) {
    const bool wasBusy = m_busy;
    m_busy = true;
    m_field->setText(text);
    m_busy = wasBusy;
}

}  // namespace kalvo
