#include "tests/qt/QtTestSupport.h"

#include "resources/Resource.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

QtHost* g_host = nullptr;

// The QApplication is made when the tests start, not when the binary loads: listing the tests
// at build time must not need a display.
class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_qt";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        m_host = std::make_unique<QtHost>();
        g_host = m_host.get();
        SetDialogHost(g_host);
    }

    void TearDown() override
    {
        SetDialogHost(nullptr);
        g_host = nullptr;
        m_host.reset();
        m_app.reset();
    }

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<QtHost> m_host;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QWidget* KeyboardTarget()
{
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

} // namespace

QtHost& Host()
{
    return *g_host;
}

namespace {

int RunWithScript(const std::function<bool(const QtDialogWindow&)>& isScripted, const std::function<int()>& run,
                  const std::function<void(QtDialogWindow&)>& script)
{
    // Timers die with the guard, so a dialog that never ran leaves nothing behind to fire in
    // a later test.
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        QtDialogWindow* window = Host().Innermost();
        if (!window || !isScripted(*window)) {
            ADD_FAILURE() << "the scripted dialog is not the one running";
            return;
        }
        // Not QTest::qWaitForWindowActive: Qt counts a nested dialog as active as soon as its
        // owner is, before it has the keyboard.
        QWidget* frame = window->Frame();
        if (!QTest::qWaitFor([frame] { return QApplication::activeWindow() == frame; }))
            ADD_FAILURE() << "the dialog never became the active window";
        CDialog& dialog = window->Dialog();
        script(*window);
        if (dialog.IsRunning() && !dialog.IsEnding())
            dialog.EndDialog(ScriptLeftOpen);
    });
    QTimer::singleShot(20000, &guard, [] {
        ADD_FAILURE() << "the dialog was still running after 20 s";
        Host().CloseAll();
        // Even a window that failed to end its run must not hang the suite.
        for (QtDialogWindow* window : Host().Running())
            window->Frame()->done(ScriptLeftOpen);
    });
    return run();
}

} // namespace

int RunScripted(CDialog& dialog, const std::function<void(QtDialogWindow&)>& script)
{
    return RunWithScript([&dialog](const QtDialogWindow& window) { return &window.Dialog() == &dialog; },
                         [&dialog] { return dialog.DoModal(); }, script);
}

int RunScriptedBy(int templateId, const std::function<int()>& run,
                  const std::function<void(QtDialogWindow&)>& script)
{
    return RunWithScript([templateId](const QtDialogWindow& window) { return window.Dialog().TemplateId() == templateId; },
                         run, script);
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = KeyboardTarget();
    if (!target) {
        ADD_FAILURE() << "no window has the keyboard";
        return;
    }
    QTest::keyClick(target, key, modifiers);
}

void PressTab()
{
    PressKey(Qt::Key_Tab);
}

void Type(const QString& text)
{
    QWidget* target = KeyboardTarget();
    if (!target) {
        ADD_FAILURE() << "no window has the keyboard";
        return;
    }
    QTest::keyClicks(target, text);
}

void Click(QWidget* widget, Qt::MouseButton button)
{
    if (!widget) {
        ADD_FAILURE() << "no such control";
        return;
    }
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}

void ClickAt(QtDialogWindow& window, QPoint point, Qt::MouseButton button)
{
    QTest::mouseClick(window.Frame(), button, {}, point);
}

void PressCloseBox(QtDialogWindow& window)
{
    window.Frame()->windowHandle()->close();
}

QByteArray TwoColourPng(QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(right);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

void PrintTo(const Notification& notification, std::ostream* out)
{
    *out << "{" << notification.id << ", " << notification.code << ", \"" << notification.text << "\"}";
}

BOOL RecordingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (onInit)
        onInit(*this);
    return TRUE;
}

void RecordingDialog::OnCancel()
{
    if (refuseCancel) {
        ++refusedCancels;
        return;
    }
    CDialog::OnCancel();
}

void RecordingDialog::OnDestroy()
{
    if (destroyLog)
        destroyLog->push_back(TemplateId());
}

template <int Id, int Code>
void RecordingDialog::Record()
{
    std::string text;
    GetItemText(Id, text);
    notifications.push_back({Id, Code, text});
    if (onNotify)
        onNotify(Id, Code);
}

const MessageMapEntry* RecordingDialog::GetMessageMap() const
{
    using D = RecordingDialog;
    static const MessageMapEntry map[] = {
        OnNotify<D>(IDC_GTOT_GAIN, EN_KILLFOCUS, &D::Record<IDC_GTOT_GAIN, EN_KILLFOCUS>),
        OnNotify<D>(IDC_GTOT_TEMPERATURE, EN_KILLFOCUS, &D::Record<IDC_GTOT_TEMPERATURE, EN_KILLFOCUS>),
        OnNotify<D>(IDC_GTOT_GTOT, EN_KILLFOCUS, &D::Record<IDC_GTOT_GTOT, EN_KILLFOCUS>),
        OnNotify<D>(IDC_GTOT_CALC_GAIN, BN_CLICKED, &D::Record<IDC_GTOT_CALC_GAIN, BN_CLICKED>),
        OnNotify<D>(IDC_GTOT_CALC_TEMPERATURE, BN_CLICKED, &D::Record<IDC_GTOT_CALC_TEMPERATURE, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_GHZ, BN_CLICKED, &D::Record<IDC_FREQ_GHZ, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_MHZ, BN_CLICKED, &D::Record<IDC_FREQ_MHZ, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_KHZ, BN_CLICKED, &D::Record<IDC_FREQ_KHZ, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_HZ, BN_CLICKED, &D::Record<IDC_FREQ_HZ, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_KM, BN_CLICKED, &D::Record<IDC_FREQ_KM, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_M, BN_CLICKED, &D::Record<IDC_FREQ_M, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_CM, BN_CLICKED, &D::Record<IDC_FREQ_CM, BN_CLICKED>),
        OnNotify<D>(IDC_FREQ_MM, BN_CLICKED, &D::Record<IDC_FREQ_MM, BN_CLICKED>),
        OnNotify<D>(IDC_PFD_INCLUDE_RX_GAIN, BN_CLICKED, &D::Record<IDC_PFD_INCLUDE_RX_GAIN, BN_CLICKED>),
        OnNotify<D>(IDC_CNI_FIX_CN, BN_CLICKED, &D::Record<IDC_CNI_FIX_CN, BN_CLICKED>),
        OnNotify<D>(IDC_CNI_FIX_IN, BN_CLICKED, &D::Record<IDC_CNI_FIX_IN, BN_CLICKED>),
        OnNotify<D>(500, CBN_SELCHANGE, &D::Record<500, CBN_SELCHANGE>),
        MessageMapEnd,
    };
    return map;
}

OpenWindow::OpenWindow(int templateId) : OpenWindow(templateId, *FindDialogTemplate(templateId))
{
}

OpenWindow::OpenWindow(int templateId, const DialogTemplate& dialogTemplate)
    : dialog(templateId), window(dialog, dialogTemplate, nullptr)
{
    dialog.HostCreate(&window);
}

OpenWindow::~OpenWindow()
{
    window.BeginTeardown();
    dialog.HostDestroy();
}

void OpenWindow::Show()
{
    window.Frame()->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.Frame()));
}
