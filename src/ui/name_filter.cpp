#include "ui/name_filter.h"

#include <QLineEdit>

namespace kalvo {

bool IsNameLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsFunctionHeadCharacter(char16_t c) {
    return IsNameLetter(c) || c == u'(' || c == u')' || c == u',';
}

void AttachNameFilter(QLineEdit* field, std::function<bool(char16_t)> allowed) {
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, allowed = std::move(allowed)](const QString& text) {
                         for (qsizetype i = 0; i < text.size(); ++i) {
                             if (!allowed(text[i].unicode())) {
                                 QString kept = text;
                                 kept.remove(i, 1);
                                 field->setText(kept);
                                 field->setCursorPosition(
                                     static_cast<int>(std::min(i == 0 ? 1 : i, kept.size())));
                                 return;
                             }
                         }
                     });
}

}  // namespace kalvo
