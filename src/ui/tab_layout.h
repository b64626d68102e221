#pragma once

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace kalvo {

/// The bold caption at the top of a data tab ("Predefine variables", ...).
QLabel* AddTabCaption(QBoxLayout* layout, QWidget* tab, const QString& text);

/// A push button with an objectName, added to the layout and connected to the handler
/// (a member function of the tab or a callable).
template <typename Tab, typename Handler>
QPushButton* AddButton(QBoxLayout* layout, Tab* tab, const char* name, const QString& text,
                       Handler handler) {
    auto* button = new QPushButton(text, tab);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, tab, handler);
    layout->addWidget(button);
    return button;
}

}  // namespace kalvo
