// The Qt Widgets host: runs every dialog of the program as a real modal window.
#pragma once

#include "platform/DialogHost.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class QIcon;
class QtDialogWindow;

class QtHost final : public DialogHost {
public:
    QtHost() = default;
    ~QtHost() override = default;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Needs the QApplication to exist; -1 without one.
    int RunModal(CDialog& dialog) override;
    void Beep(unsigned type) override;
    // Without an application object there is no clipboard to put it on, and nothing happens.
    void SetClipboardText(const std::string& text) override;
    // Loads the chart module on first use, so that start-up does not pay for the charting
    // library; -1 when it cannot be loaded (the reason goes to the log) or without an
    // application object.
    int ShowChart(const ChartData& chart) override;

    // Ends every running dialog from the innermost outwards, each as its close box would; one
    // that stays open after that is ended anyway. Until the last of them has returned, no new
    // dialog starts (a leave handler's error dialog, say): the session is going away.
    void CloseAll();

    // The running dialogs' windows, the innermost last.
    const std::vector<QtDialogWindow*>& Running() const { return m_running; }
    // The innermost running dialog's window, or null.
    QtDialogWindow* Innermost() const { return m_running.empty() ? nullptr : m_running.back(); }

    // The icon every window of the program shows, built from PNG images of several sizes.
    // Images that do not decode are skipped; false when none did (the icon is then unchanged).
    static bool SetApplicationIcon(std::span<const std::span<const unsigned char>> pngImages);
    static void SetApplicationIcon(const QIcon& icon);

private:
    std::vector<QtDialogWindow*> m_running;
    bool m_closingAll = false;
    int m_chartsOpen = 0;
};
