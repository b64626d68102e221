#pragma once

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>

#include <string>

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

/// The widgets of a tab that lists named entries: a name and an expression field over a
/// list with a column of buttons beside it (User Vars, User Funcs).
struct NameListWidgets {
    QLineEdit* name = nullptr;
    QLineEdit* expression = nullptr;
    QListWidget* list = nullptr;
    QVBoxLayout* buttons = nullptr;
};

struct NameListTexts {
    QString caption;
    const char* nameField;
    QString nameLabel;
    const char* expressionField;
    QString expressionLabel;
    const char* list;
};

/// Lays out such a tab: caption, "name = expression" fields, and the list with an empty
/// button column.
NameListWidgets BuildNameListTab(QWidget* tab, const NameListTexts& texts);

/// The buttons "&Add/Modify", "&Delete", "&Save", "&Load" and "Save &As" of a name-list
/// tab, named prefix + "Add", "Delete", "Save", "Load", "SaveAs"; Enter in either field
/// also adds.
template <typename Tab>
void AddNameListButtons(const NameListWidgets& widgets, Tab* tab, const std::string& prefix) {
    for (QLineEdit* field : {widgets.name, widgets.expression}) {
        QObject::connect(field, &QLineEdit::returnPressed, tab, [tab] { tab->AddModify(); });
    }
    auto add = [&](const char* suffix, const QString& text, auto handler) {
        const std::string name = prefix + suffix;
        AddButton(widgets.buttons, tab, name.c_str(), text, handler);
    };
    add("Add", Tab::tr("&Add/Modify"), [tab] { tab->AddModify(); });
    add("Delete", Tab::tr("&Delete"), [tab] { tab->DeleteSelected(); });
    add("Save", Tab::tr("&Save"), [tab] { tab->Save(); });
    add("Load", Tab::tr("&Load"), [tab] { tab->Load(); });
    add("SaveAs", Tab::tr("Save &As"), [tab] { tab->SaveAs(); });
    widgets.buttons->addStretch();
}

}  // namespace kalvo
