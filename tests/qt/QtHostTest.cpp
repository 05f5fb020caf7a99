// The Qt host running real modal dialogs, driven with the keyboard and mouse as a user would.
#include "tests/qt/QtTestSupport.h"

#include "formulas/Propagation.h"
#include "framework/Units.h"
#include "models/KOTLink.h"
#include "models/KOTPath.h"
#include "platform/qt/SessionEnd.h"
#include "resources/Resource.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

Notification Left(int id, const std::string& text = "")
{
    return {id, EN_KILLFOCUS, text};
}

Notification Clicked(int id, const std::string& text = "Calculate")
{
    return {id, BN_CLICKED, text};
}

// The error dialog, closed by its user with Enter, as a leave handler would show it.
int ShowErrorDialog()
{
    RecordingDialog error(IDD_ERRORMSG);
    return RunScripted(error, [](QtDialogWindow&) { PressKey(Qt::Key_Return); });
}

TEST(QtHostFocus, FocusStartsOnTheFirstUsableTabStopOnceTheWindowShows)
{
    RecordingDialog gtot(IDD_TOOL_GTOT);
    RunScripted(gtot, [](QtDialogWindow& window) {
        EXPECT_EQ(QApplication::focusWidget(), window.Control(IDC_GTOT_GAIN));
    });

    // The dialog's own set-up disables the first edit; the focus moves on to the next.
    RecordingDialog locked(IDD_TOOL_GTOT);
    locked.onInit = [](RecordingDialog& dialog) { dialog.EnableItem(IDC_GTOT_GAIN, false); };
    RunScripted(locked, [](QtDialogWindow& window) {
        EXPECT_EQ(QApplication::focusWidget(), window.Control(IDC_GTOT_TEMPERATURE));
    });

    // A dialog that ends while it initialises is never shown.
    RecordingDialog ended(IDD_TOOL_GTOT);
    ended.onInit = [](RecordingDialog& self) { self.EndDialog(IDOK); };
    bool shown = false;
    EXPECT_EQ(RunScripted(ended, [&](QtDialogWindow&) { shown = true; }), IDOK);
    EXPECT_FALSE(shown);
}

TEST(QtHostFocus, TabLeavesEachEditOnceInTemplateOrder)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    RunScripted(dialog, [&](QtDialogWindow& window) {
        Type("42");
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_TEMPERATURE);
        PressTab();
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_GAIN);
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_TEMPERATURE);
    });
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{
                                        Left(IDC_GTOT_GAIN, "42"),
                                        Left(IDC_GTOT_TEMPERATURE),
                                        Left(IDC_GTOT_GTOT),
                                    }));
}

TEST(QtHostFocus, MouseClickLeavesTheEditBeforeTheButtonActs)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    RunScripted(dialog, [&](QtDialogWindow& window) {
        Type("7");
        Click(window.Control(IDC_GTOT_TEMPERATURE));
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_TEMPERATURE);
        Type("300");
        Click(window.Control(IDC_GTOT_CALC_GAIN));
        // The background, a label and the group box take neither the click nor the focus.
        ClickAt(window, QPoint(2, 2));
        Click(window.Control(IDC_GTOT_CALC_GAIN));
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_GAIN);
    });
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{
                                        Left(IDC_GTOT_GAIN, "7"),
                                        Left(IDC_GTOT_TEMPERATURE, "300"),
                                        Clicked(IDC_GTOT_CALC_GAIN),
                                        Clicked(IDC_GTOT_CALC_GAIN),
                                    }));
}

TEST(QtHostFocus, ProgrammaticChangesNotifyNothing)
{
    RecordingDialog gtot(IDD_TOOL_GTOT);
    RunScripted(gtot, [&](QtDialogWindow&) {
        gtot.SetItemText(IDC_GTOT_GAIN, "1");
        gtot.SetItemText(IDC_GTOT_TEMPERATURE, "2");
        gtot.EnableItem(IDC_GTOT_GTOT, false);
        gtot.EnableItem(IDC_GTOT_GTOT, true);
        gtot.SetItemText(IDC_GTOT_CALC_GAIN, "Again");
    });
    EXPECT_TRUE(gtot.notifications.empty());

    RecordingDialog freq(IDD_TOOL_FREQ);
    RunScripted(freq, [&](QtDialogWindow&) {
        freq.CheckItem(IDC_FREQ_GHZ, true);
        freq.CheckItem(IDC_FREQ_MHZ, true);
        EXPECT_FALSE(freq.IsItemChecked(IDC_FREQ_GHZ));
        // A refresh may leave a group with nothing checked.
        freq.CheckItem(IDC_FREQ_MHZ, false);
        EXPECT_FALSE(freq.IsItemChecked(IDC_FREQ_MHZ));
    });
    EXPECT_TRUE(freq.notifications.empty());
}

// Disabling or hiding the focused control makes Qt move the focus on; that is the dialog's
// own doing, not the user leaving the edit.
TEST(QtHostFocus, TheDialogTakingTheFocusAwayIsNotLeaving)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    RunScripted(dialog, [&](QtDialogWindow& window) {
        Type("1");
        dialog.EnableItem(IDC_GTOT_GAIN, false);
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_TEMPERATURE);
        dialog.ShowItem(IDC_GTOT_TEMPERATURE, false);
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_GTOT);
        dialog.SetFocusItem(IDC_GTOT_CALC_GAIN);
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_GAIN);
        // Only what the keyboard could reach takes the focus.
        EXPECT_FALSE(dialog.SetFocusItem(IDC_GTOT_GAIN));
        EXPECT_FALSE(dialog.SetFocusItem(IDC_GTOT_TEMPERATURE));
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_GAIN);
        EXPECT_TRUE(dialog.notifications.empty());

        // The user leaving an edit is still heard.
        EXPECT_TRUE(dialog.SetFocusItem(IDC_GTOT_GTOT));
        PressTab();
    });
    EXPECT_EQ(dialog.notifications, std::vector<Notification>{Left(IDC_GTOT_GTOT)});
}

// A refused entry in a real tool: the error dialog closes over the edit that Tab had taken the
// focus to, and what the user types next replaces that edit's text. ("10" typed into "0.0" once
// gave "100.0".) A tool opens with the first edit's text selected the same way.
TEST(QtHostFocus, AfterTheErrorDialogTheNextKeysReplaceTheText)
{
    CKOTLink link;
    RunScriptedBy(IDD_TOOL_LINK, [&] { return link.RunDialog(); }, [&](QtDialogWindow& window) {
        ASSERT_EQ(window.GetFocus(), IDC_LINK_FREQUENCY);
        Type("0");
        int errors = 0;
        RunScriptedBy(
            IDD_ERRORMSG,
            [] {
                PressTab();
                return 0;
            },
            [&](QtDialogWindow&) {
                ++errors;
                PressKey(Qt::Key_Return);
            });
        EXPECT_EQ(errors, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.Frame(); }));
        EXPECT_EQ(window.GetFocus(), IDC_LINK_TX_POWER);
        Type("10");
        std::string power;
        window.GetText(IDC_LINK_TX_POWER, power);
        EXPECT_EQ(power, "10");
        PressTab();
        std::string eirp;
        window.GetText(IDC_LINK_EIRP, eirp);
        EXPECT_EQ(eirp, "50.441");
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(link.m_frequency, 12e9);
}

// Each way of closing applies the focused edit exactly once, even when applying it shows the
// error dialog (which itself takes the focus from that edit).
TEST(QtHostClosing, EveryCloseAppliesTheFocusedEditOnce)
{
    struct Row {
        const char* how;
        std::function<void(QtDialogWindow&)> close;
    };
    const Row rows[] = {
        {"Enter", [](QtDialogWindow&) { PressKey(Qt::Key_Return); }},
        {"keypad Enter", [](QtDialogWindow&) { PressKey(Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Escape", [](QtDialogWindow&) { PressKey(Qt::Key_Escape); }},
        {"close box", [](QtDialogWindow& window) { PressCloseBox(window); }},
        {"click on Close",
         [](QtDialogWindow& window) {
             // The error dialog takes the click; the button must not stay pressed, and a
             // second click closes without applying again.
             auto* close = static_cast<QAbstractButton*>(window.Control(IDCANCEL));
             Click(close);
             QTest::qWait(0);
             EXPECT_FALSE(close->isDown());
             Click(close);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        RecordingDialog dialog(IDD_TOOL_GTOT);
        int errorDialogs = 0;
        dialog.onNotify = [&](int, int) { errorDialogs += ShowErrorDialog() == IDOK; };
        const int result = RunScripted(dialog, [&](QtDialogWindow& window) {
            Type("-5");
            row.close(window);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.notifications, std::vector<Notification>{Left(IDC_GTOT_GAIN, "-5")});
        EXPECT_EQ(errorDialogs, 1);
    }
}

TEST(QtHostClosing, EnterPressesAFocusedButtonElseTheDefaultOne)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    const int result = RunScripted(dialog, [&](QtDialogWindow& window) {
        window.Control(IDC_GTOT_CALC_GAIN)->setFocus();
        PressKey(Qt::Key_Return);
        EXPECT_FALSE(dialog.IsEnding());
        window.Control(IDC_GTOT_TEMPERATURE)->setFocus();
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{
                                        Left(IDC_GTOT_GAIN),
                                        Clicked(IDC_GTOT_CALC_GAIN),
                                        Left(IDC_GTOT_TEMPERATURE),
                                    }));
}

TEST(QtHostKeys, F1AsksForHelpAndTheBackgroundOffersTheWindowMenu)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    dialog.AppendSystemMenu(0x10, "&About KorTools...");
    dialog.AppendSystemMenu(0, "");
    dialog.AppendSystemMenu(0x20, "&Other");

    QStringList entries;
    const auto chooseOther = [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "no menu is open";
            return;
        }
        QAction* other = nullptr;
        for (QAction* action : menu->actions()) {
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == QStringLiteral("&Other"))
                other = action;
        }
        if (other)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(other).center());
        else
            menu->close();
    };

    bool menuOverButton = false;
    RunScripted(dialog, [&](QtDialogWindow& window) {
        PressKey(Qt::Key_F1);
        EXPECT_FALSE(dialog.IsEnding());

        QTimer::singleShot(0, [&] {
            // The menu takes the focus from the edit only for a moment: that is not leaving it.
            EXPECT_TRUE(dialog.notifications.empty());
            chooseOther();
        });
        ClickAt(window, QPoint(3, 3), Qt::RightButton);

        // A push button is not background.
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuOverButton = true;
                popup->close();
            }
        });
        Click(window.Control(IDC_GTOT_CALC_GAIN), Qt::RightButton);
        QTest::qWait(10);
    });
    EXPECT_EQ(dialog.helpPresses, 1);
    EXPECT_EQ(entries, (QStringList{"&About KorTools...", "-", "&Other"}));
    EXPECT_EQ(dialog.sysCommands, std::vector<int>{0x20});
    EXPECT_FALSE(menuOverButton);
}

TEST(QtHostRadio, GroupsAreExclusiveAndEachIsOneTabStop)
{
    RecordingDialog dialog(IDD_TOOL_FREQ);
    dialog.onInit = [](RecordingDialog& self) {
        self.CheckItem(IDC_FREQ_GHZ, true);
        self.CheckItem(IDC_FREQ_KM, true);
    };
    RunScripted(dialog, [&](QtDialogWindow& window) {
        // The radio buttons lie under their "Units" group box, which must let the click through.
        Click(window.Control(IDC_FREQ_MHZ));
        EXPECT_TRUE(dialog.IsItemChecked(IDC_FREQ_MHZ));
        EXPECT_FALSE(dialog.IsItemChecked(IDC_FREQ_GHZ));
        EXPECT_TRUE(dialog.IsItemChecked(IDC_FREQ_KM));

        window.Control(IDC_FREQ_TO_FREQUENCY)->setFocus();
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_FREQ_MHZ);
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_FREQ_KM);
        // The arrow keys move within the group and choose as they go, wrapping at its end.
        PressKey(Qt::Key_Up);
        EXPECT_EQ(window.GetFocus(), IDC_FREQ_MM);
        EXPECT_TRUE(dialog.IsItemChecked(IDC_FREQ_MM));
        EXPECT_FALSE(dialog.IsItemChecked(IDC_FREQ_KM));
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDCANCEL);
        PressKey(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(window.GetFocus(), IDC_FREQ_MM);
    });
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{
                                        Clicked(IDC_FREQ_MHZ, "MHz"),
                                        Clicked(IDC_FREQ_MM, "mm"),
                                    }));
}

// The C/(N+I) tool's "Fixed" pair is one tab stop, as every radio group: Tab enters it at its
// checked button, or its first when none is, and the arrow keys move within it, choosing as a
// click would.
TEST(QtHostRadio, TheFixedPairIsOneStopAndTheArrowsChooseWithinIt)
{
    const auto tabRound = [](QtDialogWindow& window, int fixedStop) {
        const std::vector<int> stops = {IDC_CNI_IN,  IDC_CNI_CI,   IDC_CNI_CNI, IDC_CNI_CALC_WANTED, IDC_CNI_CALC_INTERFERING,
                                        IDOK,        fixedStop,    IDC_CNI_CN};
        std::vector<int> seen;
        for (std::size_t k = 0; k < stops.size(); ++k) {
            PressTab();
            seen.push_back(window.GetFocus());
        }
        EXPECT_EQ(seen, stops);
    };
    RecordingDialog dialog(IDD_TOOL_CTONI);
    RunScripted(dialog, [&](QtDialogWindow& window) {
        EXPECT_EQ(window.GetFocus(), IDC_CNI_CN);
        {
            SCOPED_TRACE("none checked");
            tabRound(window, IDC_CNI_FIX_CN);
        }
        for (int k = 0; k < 7; ++k)
            PressTab();
        ASSERT_EQ(window.GetFocus(), IDC_CNI_FIX_CN);
        PressKey(Qt::Key_Down);
        EXPECT_EQ(window.GetFocus(), IDC_CNI_FIX_IN);
        EXPECT_TRUE(dialog.IsItemChecked(IDC_CNI_FIX_IN));
        EXPECT_FALSE(dialog.IsItemChecked(IDC_CNI_FIX_CN));
        PressKey(Qt::Key_Up);
        EXPECT_EQ(window.GetFocus(), IDC_CNI_FIX_CN);
        EXPECT_TRUE(dialog.IsItemChecked(IDC_CNI_FIX_CN));
        EXPECT_FALSE(dialog.IsItemChecked(IDC_CNI_FIX_IN));
        PressKey(Qt::Key_Right);
        EXPECT_TRUE(dialog.IsItemChecked(IDC_CNI_FIX_IN));

        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_CNI_CN);
        {
            SCOPED_TRACE("one checked by the keys");
            tabRound(window, IDC_CNI_FIX_IN);
        }
        dialog.CheckItem(IDC_CNI_FIX_CN, true);
        EXPECT_FALSE(dialog.IsItemChecked(IDC_CNI_FIX_IN));
        {
            SCOPED_TRACE("one checked by the dialog");
            tabRound(window, IDC_CNI_FIX_CN);
        }
        // The mouse still chooses either.
        Click(window.Control(IDC_CNI_FIX_IN));
        EXPECT_TRUE(dialog.IsItemChecked(IDC_CNI_FIX_IN));
        EXPECT_EQ(window.GetFocus(), IDC_CNI_FIX_IN);
    });
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{
                                        Clicked(IDC_CNI_FIX_IN, ""),
                                        Clicked(IDC_CNI_FIX_CN, ""),
                                        Clicked(IDC_CNI_FIX_IN, ""),
                                        Clicked(IDC_CNI_FIX_IN, ""),
                                    }));
}

// "Include Receive Gain (for EPFD Calculation):" stands left of its box; its text takes the
// click as the box does, and Space toggles it as any check box.
TEST(QtHostCheckBox, TextOnTheLeftTogglesOnAClickAnywhereAndOnSpace)
{
    RecordingDialog dialog(IDD_TOOL_PFD);
    std::vector<bool> checked;
    RunScripted(dialog, [&](QtDialogWindow& window) {
        QWidget* box = window.Control(IDC_PFD_INCLUDE_RX_GAIN);
        const int middle = box->height() / 2;
        for (const QPoint at : {QPoint(2, middle), box->rect().center(), QPoint(box->width() - middle, middle)}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, at);
            checked.push_back(dialog.IsItemChecked(IDC_PFD_INCLUDE_RX_GAIN));
        }
        EXPECT_EQ(window.GetFocus(), IDC_PFD_INCLUDE_RX_GAIN);
        PressKey(Qt::Key_Space);
        checked.push_back(dialog.IsItemChecked(IDC_PFD_INCLUDE_RX_GAIN));
    });
    EXPECT_EQ(checked, (std::vector<bool>{true, false, true, false}));
    const Notification click = Clicked(IDC_PFD_INCLUDE_RX_GAIN, "Include Receive Gain (for EPFD Calculation):");
    EXPECT_EQ(dialog.notifications, std::vector<Notification>(4, click));
}

// Whether a template asks to be shown on creation or leaves that to its run (the C/(N+I) tool,
// the About box), the window is shown once, at its run, already at its size and with the focus
// on its first tab stop.
TEST(QtHostShowing, EveryDialogShowsOnceAtItsRunWithTheFocusOnItsFirstTabStop)
{
    struct Watch final : QObject {
        std::vector<QEvent::Type> events;
        QWidget* focusOnShow = nullptr;
        QSize sizeOnShow;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            const QEvent::Type type = event->type();
            if (type == QEvent::Show || type == QEvent::Hide) {
                events.push_back(type);
                if (type == QEvent::Show) {
                    auto* frame = static_cast<QWidget*>(watched);
                    focusOnShow = frame->focusWidget();
                    sizeOnShow = frame->size();
                }
            }
            return false;
        }
    };
    const int templates[] = {IDD_ABOUTBOX,  IDD_KORTOOLS_DIALOG, IDD_ERRORMSG,  IDD_TOOL_CTONI,  IDD_TOOL_PATH,
                             IDD_TOOL_DB,   IDD_TOOL_FREQ,       IDD_TOOL_GAIN, IDD_TOOL_T3DB,   IDD_TOOL_LINK,
                             IDD_TOOL_TEMP, IDD_TOOL_FOV1,       IDD_TOOL_FOV2, IDD_TOOL_SPREAD, IDD_TOOL_PFD,
                             IDD_TOOL_GTOT, IDD_TOOL_OFFAXIS};
    for (const int templateId : templates) {
        SCOPED_TRACE(templateId);
        const DialogTemplate& dialogTemplate = *FindDialogTemplate(templateId);
        int first = -1;
        for (const ControlTemplate& control : dialogTemplate.controls) {
            if (control.id != IDC_STATIC && IsTabStop(control) && !(control.flags & (CF_DISABLED | CF_HIDDEN))) {
                first = control.id;
                break;
            }
        }
        ASSERT_NE(first, -1);

        Watch watch;
        RecordingDialog dialog(templateId);
        dialog.onInit = [&](RecordingDialog&) {
            QWidget* frame = Host().Innermost()->Frame();
            EXPECT_FALSE(frame->isVisible()) << "shown before its initialisation ended";
            frame->installEventFilter(&watch);
        };
        QSize templateSize;
        const int result = RunScripted(dialog, [&](QtDialogWindow& window) {
            templateSize = window.Units().ToPixels(dialogTemplate);
            EXPECT_EQ(window.GetFocus(), first);
            EXPECT_EQ(QApplication::focusWidget(), window.Control(first));
            EXPECT_EQ(watch.focusOnShow, window.Control(first));
            EXPECT_EQ(watch.events, std::vector<QEvent::Type>{QEvent::Show});
            PressKey(Qt::Key_Escape);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(watch.sizeOnShow, templateSize);
        EXPECT_EQ(watch.events, (std::vector<QEvent::Type>{QEvent::Show, QEvent::Hide}));
    }
}

TEST(QtHostNesting, NestedDialogBlocksItsOwnerUntilItEnds)
{
    RecordingDialog owner(IDD_TOOL_GTOT);
    QWidget* ownerFrame = nullptr;
    int nestedResult = 0;
    owner.onNotify = [&](int id, int) {
        if (id != IDC_GTOT_CALC_GAIN)
            return;
        RecordingDialog nested(IDD_ERRORMSG);
        nestedResult = RunScripted(nested, [&](QtDialogWindow& window) {
            EXPECT_EQ(window.Frame()->parentWidget(), ownerFrame);
            EXPECT_EQ(Host().Running().size(), 2u);
            Click(Host().Running().front()->Control(IDC_GTOT_CALC_TEMPERATURE));
            EXPECT_EQ(owner.notifications.size(), 2u) << "the owner took a click";
            PressKey(Qt::Key_Escape);
        });
    };
    RunScripted(owner, [&](QtDialogWindow& window) {
        ownerFrame = window.Frame();
        Click(window.Control(IDC_GTOT_CALC_GAIN));
        Click(window.Control(IDC_GTOT_CALC_TEMPERATURE));
    });
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(owner.notifications, (std::vector<Notification>{
                                       Left(IDC_GTOT_GAIN),
                                       Clicked(IDC_GTOT_CALC_GAIN),
                                       Clicked(IDC_GTOT_CALC_TEMPERATURE),
                                   }));
}

// A tool that opens another tool over a model of its own, as the link budget opens the path
// tool over its path: the real dialog runs modally above the one whose button opened it.
TEST(QtHostNesting, ASubToolRunsItsRealDialogAboveTheButtonThatOpenedIt)
{
    RecordingDialog owner(IDD_TOOL_GTOT);
    QtDialogWindow* ownerWindow = nullptr;
    int runResult = 0;
    bool continued = false;
    double distance = 0;
    double loss = 0;
    owner.onNotify = [&](int id, int) {
        if (id != IDC_GTOT_CALC_GAIN)
            return;
        CKOTPath path(40000, 12e9, UnitGHz);
        runResult = RunScriptedBy(IDD_TOOL_PATH, [&] { return path.RunDialog(); }, [&](QtDialogWindow& tool) {
            // The owner is blocked beneath it and its buttons take no click.
            EXPECT_EQ(tool.Frame()->parentWidget(), ownerWindow->Frame());
            EXPECT_EQ(QApplication::activeModalWidget(), tool.Frame());
            EXPECT_FALSE(ownerWindow->Frame()->isActiveWindow());
            Click(ownerWindow->Control(IDC_GTOT_CALC_TEMPERATURE));
            EXPECT_EQ(owner.notifications.size(), 2u) << "the owner took a click";

            // The tool has the keyboard, at its first usable stop: the link's frequency is locked.
            EXPECT_EQ(QApplication::activeWindow(), tool.Frame());
            EXPECT_FALSE(tool.IsEnabled(IDC_PATH_FREQUENCY));
            EXPECT_EQ(tool.GetFocus(), IDC_PATH_DISTANCE);
            PressKey(Qt::Key_A, Qt::ControlModifier);
            Type("2000");
            Click(tool.Control(IDC_PATH_CALC_LOSS));
            PressKey(Qt::Key_Escape);
        });
        // The handler goes on once the tool is closed, with what the user did there.
        continued = true;
        distance = path.m_distance;
        loss = path.m_loss;
    };
    RunScripted(owner, [&](QtDialogWindow& window) {
        ownerWindow = &window;
        QWidget* button = window.Control(IDC_GTOT_CALC_GAIN);
        Click(button);
        ASSERT_TRUE(continued);
        EXPECT_EQ(Host().Running().size(), 1u);
        // The host hands the keyboard back to the window beneath, with no window manager to
        // do it (offscreen there is none).
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.Frame(); }));
        EXPECT_EQ(QApplication::focusWidget(), button);
        EXPECT_EQ(window.GetFocus(), IDC_GTOT_CALC_GAIN);
        // The owner takes clicks again.
        Click(window.Control(IDC_GTOT_CALC_TEMPERATURE));
    });
    EXPECT_EQ(runResult, 1);
    EXPECT_DOUBLE_EQ(distance, 2000);
    EXPECT_DOUBLE_EQ(loss, FreeSpaceLoss(2000, 12e9));
    EXPECT_EQ(owner.notifications, (std::vector<Notification>{
                                       Left(IDC_GTOT_GAIN),
                                       Clicked(IDC_GTOT_CALC_GAIN),
                                       Clicked(IDC_GTOT_CALC_TEMPERATURE),
                                   }));
}

TEST(QtHostSessionEnd, CloseAllEndsEveryDialogInnermostFirst)
{
    std::vector<int> destroyed;
    RecordingDialog owner(IDD_TOOL_GTOT);
    owner.destroyLog = &destroyed;
    owner.refuseCancel = true;
    int nestedResult = 0;
    int laterResult = 0;
    owner.onNotify = [&](int id, int) {
        if (id != IDC_GTOT_CALC_GAIN)
            return;
        RecordingDialog nested(IDD_ERRORMSG);
        nested.destroyLog = &destroyed;
        nestedResult = RunScripted(nested, [](QtDialogWindow&) { Host().CloseAll(); });
        // While the session ends, nothing new opens.
        RecordingDialog later(IDD_ERRORMSG);
        laterResult = later.DoModal();
    };
    const int ownerResult = RunScripted(owner, [&](QtDialogWindow& window) {
        // A dialog that refuses its close box stays open.
        PressCloseBox(window);
        EXPECT_EQ(owner.refusedCancels, 1);
        EXPECT_TRUE(window.Frame()->isVisible());
        Click(window.Control(IDC_GTOT_CALC_GAIN));
    });
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(laterResult, -1);
    // The owner refused again and was ended anyway.
    EXPECT_EQ(owner.refusedCancels, 2);
    EXPECT_EQ(ownerResult, IDCANCEL);
    EXPECT_EQ(destroyed, (std::vector<int>{IDD_ERRORMSG, IDD_TOOL_GTOT}));

    // Once every dialog is gone, dialogs run again.
    RecordingDialog next(IDD_ERRORMSG);
    EXPECT_EQ(RunScripted(next, [](QtDialogWindow&) { PressKey(Qt::Key_Escape); }), IDCANCEL);
}

TEST(QtHostSessionEnd, TerminationSignalClosesTheDialogApplyingWhatWasTyped)
{
    InstallSessionEndHandlers(Host());
    RecordingDialog dialog(IDD_TOOL_GTOT);
    const int result = RunScripted(dialog, [&](QtDialogWindow&) {
        Type("12");
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnding(); }, 5000));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.notifications, std::vector<Notification>{Left(IDC_GTOT_GAIN, "12")});
}

} // namespace
