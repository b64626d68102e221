#include "ui/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QImageWriter>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "plot/data_grid_text.h"
#include "ui/chart_icons.h"
#include "ui/data_editor.h"
#include "ui/dialog_service.h"
#include "ui/window_placement.h"

namespace kalvo {

namespace {

/// The picture's size when the window has not been laid out on screen.
const QSize kDefaultPictureSize(640, 480);

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

ChartWindow::ChartWindow(DialogService& dialogs, WindowPlacement& placement, const char* objectName,
                         const QString& caption, int helpContext, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_dialogs(dialogs),
      m_placement(placement),
      m_helpContext(helpContext),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(objectName);
    setWindowTitle(caption);
    ApplyPlacement(*this, placement);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::BuildCommands(std::span<const ChartCommand> commands, QWidget* chart) {
    m_chart = chart;
    auto* menuBar = new QMenuBar(this);
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName("ToolBar");
    toolBar->setIconSize(QSize(20, 20));
    std::map<QString, QMenu*> menus;
    auto* popup = new QMenu(this);
    popup->setObjectName("pmSaveAs");

    for (const ChartCommand& command : commands) {
        const ChartCommandId id = command.id;
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("ac") + Text(command.name));
        action->setText(Text(command.menuText ? command.menuText : command.hint));
        if (command.shortcut) {
            action->setShortcut(QKeySequence(Text(command.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        m_actions[id] = action;
        addAction(action);  // the shortcut works whether or not the action is in a menu

        if (command.menu && command.menuText) {
            QMenu*& menu = menus[Text(command.menu)];
            if (!menu) {
                menu = menuBar->addMenu(Text(command.menu));
            }
            menu->addAction(action);
        }
        if (command.popupText) {
            QAction* item = popup->addAction(Text(command.popupText));
            item->setObjectName(QStringLiteral("pm") + Text(command.name));
            connect(item, &QAction::triggered, this, [this, id] { Run(id); });
        }
        if (command.hint) {
            action->setToolTip(Text(command.hint));
            m_buttons.push_back(id);
            toolBar->addAction(action);
            auto* toolButton = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
            toolButton->setObjectName(QStringLiteral("sb") + Text(command.name));
            if (id == ChartCommandId::kSaveAs) {
                toolButton->setMenu(popup);
                toolButton->setPopupMode(QToolButton::InstantPopup);
            }
        }
    }

    UpdateIcons();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(chart, 1);
}

QAction* ChartWindow::Action(ChartCommandId id) const {
    auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void ChartWindow::Run(ChartCommandId id) {
    switch (id) {
        case ChartCommandId::kPrint:
            Print();
            break;
        case ChartCommandId::kPrinterSetup:
            PrinterSetup();
            break;
        case ChartCommandId::kSaveAs:
            // From the keyboard: the pop-up opens below the button.
            if (auto* button = findChild<QToolButton*>(QStringLiteral("sbSaveAs"));
                button && button->isVisible()) {
                button->showMenu();
            }
            break;
        case ChartCommandId::kSaveBmp:
            SaveAs("BMP");
            break;
        case ChartCommandId::kSavePng:
            SaveAs("PNG");
            break;
        case ChartCommandId::kLegend:
            ToggleLegend();
            break;
        case ChartCommandId::kCopy:
            Copy();
            break;
        case ChartCommandId::kPaste:
            Paste();
            break;
        case ChartCommandId::kEditData:
            EditData();
            break;
        case ChartCommandId::kProperties:
            EditProperties();
            break;
        case ChartCommandId::kExit:
            close();
            break;
        case ChartCommandId::kHelp:
            m_dialogs.ShowHelp(this, m_helpContext);
            break;
        default:
            RunOwn(id);
            break;
    }
}

void ChartWindow::Message(const QString& text) {
    m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(), text);
}

QImage ChartWindow::Picture(QString& error) {
    const QSize size = m_chart && m_chart->isVisible() ? m_chart->size() : kDefaultPictureSize;
    return RenderChart(size, error);
}

bool ChartWindow::SavePicture(const QString& path, QString* error) {
    QString problem;
    const QString suffix = QFileInfo(path).suffix().toLower();
    QImage picture;
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp")) {
        problem = tr("Pictures are saved as PNG or BMP files: %1").arg(path);
    } else if (picture = Picture(problem); !picture.isNull()) {
        // Written beside the target and renamed, so a failed write leaves an existing file.
        QSaveFile file(path);
        QImageWriter writer(&file, suffix.toLatin1());
        if (!file.open(QIODevice::WriteOnly) ||
            !writer.write(picture.convertToFormat(QImage::Format_RGB32)) || !file.commit()) {
            problem = QStringLiteral("Can't create file ") + path;
        }
    }
    if (error) {
        *error = problem;
    }
    return problem.isEmpty();
}

void ChartWindow::SaveAs(const char* format) {
    const QString kind = QString::fromLatin1(format);
    const QString path =
        m_dialogs.GetSaveFileName(this, QStringLiteral("Save to file as ") + kind,
                                  QStringLiteral("%1 files (*.%1)").arg(kind), kind);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!SavePicture(path, &error)) {
        Message(error);
    }
}

void ChartWindow::Print() {
    QString error;
    const QImage picture = Picture(error);
    if (picture.isNull()) {
        Message(error);
        return;
    }
    if (!m_dialogs.ExecPrintDialog(this, *m_printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        Message(tr("The printer cannot be used"));
        return;
    }
    const QRect page = painter.viewport();
    QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(
        QRect(QPoint(page.left() + (page.width() - fitted.width()) / 2, page.top()), fitted),
        picture);
    painter.end();
}

void ChartWindow::PrinterSetup() {
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.setObjectName("dlgPrinterSetup");
    m_dialogs.ExecDialog(dialog);
}

void ChartWindow::Copy() {
    QString error;
    const QImage picture = Picture(error);
    if (picture.isNull()) {
        Message(error);
        return;
    }
    QApplication::clipboard()->setImage(picture);
}

void ChartWindow::Paste() {
    // Beyond the reader's limit the rest of a huge text need not be converted.
    const DataGridTextResult read =
        ReadDataGridText(QApplication::clipboard()
                             ->text()
                             .left(static_cast<qsizetype>(kMaxDataGridTextBytes) + 1)
                             .toStdString());
    if (!read.Ok()) {
        Message(QString::fromStdString(read.error));
        return;
    }
    ReplaceGrid(read.grid);
}

void ChartWindow::EditData() {
    DataEditor editor(m_grid, this);
    if (m_dialogs.ExecDialog(editor) == QDialog::Accepted) {
        ReplaceGrid(editor.Grid());
    }
}

void ChartWindow::ReplaceGrid(DataGrid grid) {
    m_grid = std::move(grid);
    GridReplaced();
    Redraw();
}

void ChartWindow::SaveSettings() {
    m_placement = PlacementOf(*this);
    StoreSettings();
}

void ChartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit Shown();
}

void ChartWindow::UpdateIcons() {
    const QColor ink = palette().color(QPalette::WindowText);
    for (ChartCommandId id : m_buttons) {
        Action(id)->setIcon(ChartCommandIcon(id, ink));
    }
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        UpdateIcons();  // the icons are drawn in the palette's text colour
    }
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    SaveSettings();
    QWidget::closeEvent(event);
}

}  // namespace kalvo
