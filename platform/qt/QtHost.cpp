#include "platform/qt/QtHost.h"

#include "platform/ChartModule.h"
#include "platform/Dialog.h"
#include "platform/qt/QtDialogWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace {

bool HaveApplication()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// A click on a button of the owner that left an edit whose handler then ran a nested dialog:
// the press reaches the button only after the nested run, and its release went to the nested
// dialog. Without this the button would stay drawn pressed; the click itself stays lost.
void ReleaseStrandedButtons(QWidget* owner)
{
    QTimer::singleShot(0, owner, [owner] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            return;
        for (QAbstractButton* button : owner->findChildren<QAbstractButton*>())
            if (button->isDown())
                button->setDown(false);
    });
}

// The keyboard goes back to the dialog beneath once the one above it has closed. A window
// manager would see to that; without one (a bare X server, a kiosk) the keyboard went nowhere,
// and a user working by keyboard alone was stranded until a click. Wayland does not let a
// program activate its own windows, and hands the keyboard back itself.
void GiveKeyboardBack(QWidget* owner)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    if (owner->isVisible() && !owner->isActiveWindow())
        owner->activateWindow();
}

} // namespace

int QtHost::RunModal(CDialog& dialog)
{
    const DialogTemplate* dialogTemplate = dialog.Template();
    if (!dialogTemplate || m_closingAll || !HaveApplication())
        return -1;

    // The dialog running beneath owns this one, so exec() blocks it for as long as this runs.
    QWidget* owner = m_running.empty() ? nullptr : m_running.back()->Frame();
    // A dialog opened from an open chart (its "Save Image..." failed) stands over the chart.
    if (m_chartsOpen > 0 && QApplication::activeModalWidget())
        owner = QApplication::activeModalWidget();
    QtDialogWindow window(dialog, *dialogTemplate, owner);
    if (dialog.HostCreate(&window) == -1)
        return -1;

    // Keeps the stack right however the run is left.
    struct Running {
        QtHost& host;
        Running(QtHost& h, QtDialogWindow* w) : host(h) { host.m_running.push_back(w); }
        ~Running()
        {
            host.m_running.pop_back();
            if (host.m_running.empty())
                host.m_closingAll = false;
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running(*this, &window);

    dialog.HostInit();
    const int result = window.Exec();
    window.BeginTeardown();
    dialog.HostDestroy();
    if (owner) {
        ReleaseStrandedButtons(owner);
        GiveKeyboardBack(owner);
    }
    return result;
}

void QtHost::Beep(unsigned)
{
    if (HaveApplication())
        QApplication::beep();
}

void QtHost::SetClipboardText(const std::string& text)
{
    if (!HaveApplication())
        return;
    // The clipboard the desktop's Copy and Paste use (not the X11 selection of the middle
    // button): the user pastes the values into a report or a terminal with Ctrl+V.
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                          QClipboard::Clipboard);
}

int QtHost::ShowChart(const ChartData& chart)
{
    if (!HaveApplication())
        return -1;
    // The session is going away; there is nothing left to show the chart above.
    if (m_closingAll)
        return 0;
    std::string error;
    const ChartModule* module = ChartModule::Get(error);
    if (!module) {
        qWarning("kortools: %s", error.c_str());
        return -1;
    }
    QWidget* owner = m_running.empty() ? nullptr : m_running.back()->Frame();
    ++m_chartsOpen;
    const int result = module->run(&chart, owner);
    --m_chartsOpen;
    return result;
}

void QtHost::CloseAll()
{
    if (m_running.empty())
        return;
    m_closingAll = true;
    // A menu open over a dialog runs a loop of its own that would keep the dialogs waiting.
    for (QWidget* popup = QApplication::activePopupWidget(); popup;) {
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        if (next == popup)
            break;
        popup = next;
    }
    // A chart window is the module's own, not one of the running dialogs, but it holds their
    // modal loops all the same.
    for (int left = m_chartsOpen; left > 0; --left) {
        QWidget* modal = QApplication::activeModalWidget();
        const bool ours = std::any_of(m_running.begin(), m_running.end(),
                                      [modal](QtDialogWindow* window) { return window->Frame() == modal; });
        if (!modal || ours)
            break;
        modal->close();
    }
    // Counted down from the current size each time: a dialog's handlers run in between.
    for (std::size_t i = m_running.size(); i-- > 0;) {
        if (i >= m_running.size())
            continue;
        CDialog& dialog = m_running[i]->Dialog();
        if (!dialog.IsEnding())
            dialog.CloseBox();
        if (!dialog.IsEnding())
            dialog.EndDialog(IDCANCEL);
    }
}

bool QtHost::SetApplicationIcon(std::span<const std::span<const unsigned char>> pngImages)
{
    QIcon icon;
    for (const std::span<const unsigned char> png : pngImages) {
        QPixmap pixmap;
        if (png.size() <= INT_MAX && pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG"))
            icon.addPixmap(pixmap);
    }
    if (icon.isNull())
        return false;
    SetApplicationIcon(icon);
    return true;
}

void QtHost::SetApplicationIcon(const QIcon& icon)
{
    QApplication::setWindowIcon(icon);
}
