#include "ui/tab_layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kalvo {

QLabel* AddTabCaption(QBoxLayout* layout, QWidget* tab, const QString& text) {
    auto* caption = new QLabel(text, tab);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    return caption;
}

NameListWidgets BuildNameListTab(QWidget* tab, const NameListTexts& texts) {
    NameListWidgets widgets;
    auto* layout = new QVBoxLayout(tab);
    AddTabCaption(layout, tab, texts.caption);

    auto* fields = new QGridLayout;
    widgets.name = new QLineEdit(tab);
    widgets.name->setObjectName(texts.nameField);
    widgets.expression = new QLineEdit(tab);
    widgets.expression->setObjectName(texts.expressionField);
    fields->addWidget(new QLabel(texts.nameLabel, tab), 0, 0);
    fields->addWidget(new QLabel(texts.expressionLabel, tab), 0, 2);
    fields->addWidget(widgets.name, 1, 0);
    fields->addWidget(new QLabel(QStringLiteral("="), tab), 1, 1);
    fields->addWidget(widgets.expression, 1, 2);
    fields->setColumnStretch(2, 1);
    layout->addLayout(fields);

    widgets.list = new QListWidget(tab);
    widgets.list->setObjectName(texts.list);
    widgets.buttons = new QVBoxLayout;
    auto* body = new QHBoxLayout;
    body->addWidget(widgets.list, 1);
    body->addLayout(widgets.buttons);
    layout->addLayout(body, 1);
    return widgets;
}

}  // namespace kalvo
