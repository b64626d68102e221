// Keyboard handling of the main window: the window sees every key before the focused
// control does (Enter, Escape recall, F1, the Ctrl and Alt tables).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

#include "ui/dialog_service.h"
#include "ui/help_contexts.h"
#include "ui/keypad_table.h"
#include "ui/main_window.h"

namespace kalvo {

namespace {

/// The letter or digit of a key code, upper case; '\0' for other keys.
char KeyLetter(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char>('A' + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<char>('0' + (key - Qt::Key_0));
    }
    return '\0';
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

Qt::KeyboardModifiers Held(const QKeyEvent* key) {
    return key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
}

}  // namespace

bool TfmCalc::InCalculatorScope(QWidget* widget) const {
    // Keys typed on the other tab pages keep their usual meaning there (Ctrl+C copies
    // from the tape); the fields above the tabs and the Calculator page take the tables.
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (i != kCalculatorTab && m_tabs->widget(i)->isAncestorOf(widget)) {
            return false;
        }
    }
    return true;
}

bool TfmCalc::TriggerShortcut(QKeyEvent* key, bool alt) {
    const KeypadKey* entry = FindShortcut(KeyLetter(key->key()), alt);
    if (!entry) {
        return false;
    }
    if (auto found = m_keyButtons.find(entry); found != m_keyButtons.end()) {
        if (found->second->isEnabled()) {
            found->second->click();
        }
    } else {
        SetFunc(QString::fromLatin1(entry->insert));
    }
    return true;
}

bool TfmCalc::HandleKey(QWidget* target, QKeyEvent* key) {
    const int code = key->key();
    const Qt::KeyboardModifiers held = Held(key);

    if (IsEnter(code)) {
        if (m_tabs->currentIndex() == kCalculatorTab || target == m_edit1) {
            ReturnClick();
            return true;
        }
        // The fields of the data pages act on Enter themselves; Enter typed into another
        // one-line field of the window is discarded.
        return qobject_cast<QLineEdit*>(target) != nullptr && InCalculatorScope(target);
    }
    if (code == Qt::Key_Escape && m_edit1->text().isEmpty() && m_history->count() > 0) {
        m_edit1->setText(m_history->itemText(0));
        m_edit1->selectAll();
        m_edit1->setFocus();
        return true;
    }
    if (code == Qt::Key_F1) {
        m_dialogs.ShowHelp(this, kHelpCalculator);
        return true;
    }
    if (held == Qt::ControlModifier || held == Qt::AltModifier) {
        if (InCalculatorScope(target) && TriggerShortcut(key, held == Qt::AltModifier)) {
            return true;
        }
        if (target == m_edit2) {
            m_edit1->setFocus();  // the result line hands every key over to the input line
            return true;
        }
        return false;
    }
    if (code == Qt::Key_Delete && held == Qt::NoModifier) {
        for (QComboBox* list : {m_history, m_results}) {
            if (target == list || target == list->view()) {
                DeleteListEntry(list);
                return true;
            }
        }
    }
    if (target == m_edit2) {
        m_edit1->setFocus();
        return true;
    }
    StartTimer(kRefreshAssistant);
    return false;
}

bool TfmCalc::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        return QWidget::eventFilter(watched, event);
    }
    // The list popups are windows of their own but belong to this window's lists.
    const bool listView = widget == m_history->view() || widget == m_results->view();
    if (widget->window() != this && !listView) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Claim the table's Ctrl and Alt keys before any mnemonic or standard shortcut.
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers held = Held(key);
            if ((held == Qt::ControlModifier || held == Qt::AltModifier) &&
                InCalculatorScope(widget) &&
                FindShortcut(KeyLetter(key->key()), held == Qt::AltModifier)) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
            // A key reaches the focused widget first and then, if ignored, its parents:
            // handle it once, where it was aimed.
            if (listView && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
                return HandleKey(widget, static_cast<QKeyEvent*>(event));
            }
            if (!listView && (widget == QApplication::focusWidget() ||
                              (!QApplication::focusWidget() && widget == this))) {
                return HandleKey(widget, static_cast<QKeyEvent*>(event));
            }
            break;
        case QEvent::MouseButtonRelease:
            if (widget == m_edit1) {
                StartTimer(kRefreshAssistant);
            }
            break;
        case QEvent::MouseButtonPress:
            if (widget == m_edit2) {
                m_edit1->setFocus();
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kalvo
