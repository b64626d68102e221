#include "ui/tab_layout.h"

namespace kalvo {

QLabel* AddTabCaption(QBoxLayout* layout, QWidget* tab, const QString& text) {
    auto* caption = new QLabel(text, tab);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    return caption;
}

}  // namespace kalvo
