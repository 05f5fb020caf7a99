// How a dialog behaves under the user's hands: focus, keys, closing, nested runs. Played
// through the scripted host, which moves the focus and notifies the way the platform does.
#include "framework/ErrorSink.h"
#include "platform/Dialog.h"
#include "resources/Resource.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using K = ControlKind;
enum : int { Locked = 10, EditA, EditB, RadioX, RadioY, RadioZ, Check, List, Apply, Hidden, Logo };

const ControlTemplate Controls[] = {
    {IDC_STATIC, K::Label, "Value:", 5, 5, 30, 8, 0},
    {Locked, K::Edit, "", 40, 5, 60, 12, CF_DISABLED},
    {EditA, K::Edit, "", 40, 20, 60, 12, 0},
    {EditB, K::Edit, "", 40, 35, 60, 12, 0}, // no leave handler
    {RadioX, K::RadioButton, "X", 5, 50, 30, 10, CF_GROUP},
    {RadioY, K::RadioButton, "Y", 5, 60, 30, 10, 0},
    {RadioZ, K::RadioButton, "Z", 5, 70, 30, 10, 0},
    {Check, K::CheckBox, "Check", 40, 50, 50, 10, 0},
    {List, K::DropDownList, "", 40, 65, 60, 40, 0},
    {Apply, K::PushButton, "Apply", 110, 5, 50, 14, 0},
    {Hidden, K::PushButton, "Hidden", 110, 20, 50, 14, CF_HIDDEN},
    {IDCANCEL, K::PushButton, "Close", 110, 80, 50, 14, CF_DEFAULT},
    {Logo, K::Picture, "", 5, 85, 40, 10, 0},
};
constexpr int TestTemplate = 9001;
const DialogTemplate Described{TestTemplate, "Test", 170, 100, "Segoe UI", 8, DS_VISIBLE | DS_SYSMENU, Controls};

// Logs every notification it gets; tests hang extra behaviour on the leave and Apply handlers.
class RecordingDialog : public CDialog {
public:
    RecordingDialog() : CDialog(Described) {}

    std::vector<std::string> log;
    std::vector<int> focusWhileLeaving;
    std::function<void()> onLeaveA, onApply;
    bool refuseCreate = false;

protected:
    int OnCreate() override { return refuseCreate ? -1 : 0; }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CheckItem(RadioY, true);
        AddListEntry(List, "one");
        AddListEntry(List, "two");
        return TRUE;
    }
    const MessageMapEntry* GetMessageMap() const override
    {
        static const MessageMapEntry map[] = {
            OnNotify<RecordingDialog>(EditA, EN_KILLFOCUS, &RecordingDialog::LeaveA),
            OnNotify<RecordingDialog>(Apply, BN_CLICKED, &RecordingDialog::ClickApply),
            OnNotify<RecordingDialog>(RadioZ, BN_CLICKED, &RecordingDialog::ClickZ),
            OnNotify<RecordingDialog>(Check, BN_CLICKED, &RecordingDialog::ClickCheck),
            OnNotify<RecordingDialog>(List, CBN_SELCHANGE, &RecordingDialog::SelectList),
            MessageMapEnd,
        };
        return map;
    }

private:
    void LeaveA()
    {
        log.push_back("leave A");
        focusWhileLeaving.push_back(GetFocusItem());
        if (onLeaveA)
            onLeaveA();
    }
    void ClickApply()
    {
        log.push_back("Apply");
        if (onApply)
            onApply();
    }
    void ClickZ() { log.push_back("Z"); }
    void ClickCheck() { log.push_back("Check"); }
    void SelectList() { log.push_back("List " + std::to_string(GetListSelection(List))); }
};

using Log = std::vector<std::string>;

TEST(Dialog, FocusStartsOnFirstEnabledStopAndTabWalksTheStopsInCreationOrder)
{
    ScriptedHost host;
    std::vector<int> forward, backward;
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        forward.push_back(d.Focus());
        for (int i = 0; i < 7; ++i) {
            d.PressTab();
            forward.push_back(d.Focus());
        }
        for (int i = 0; i < 7; ++i) {
            d.PressShiftTab();
            backward.push_back(d.Focus());
        }
    });
    RecordingDialog dialog;
    dialog.DoModal();
    // Locked is disabled and Hidden hidden; the radio group is one stop, entered at its checked
    // button.
    EXPECT_EQ(forward, (std::vector<int>{EditA, EditB, RadioY, Check, List, Apply, IDCANCEL, EditA}));
    EXPECT_EQ(backward, (std::vector<int>{IDCANCEL, Apply, List, Check, RadioY, EditB, EditA}));
    EXPECT_EQ(dialog.log, (Log{"leave A", "leave A"})); // left once each way round
}

TEST(Dialog, LeavingAnEditNotifiesOnceAfterTheFocusHasMoved)
{
    ScriptedHost host;
    RecordingDialog dialog;
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.TypeInto(EditA, "12");
        d.TypeInto(EditA, "13"); // still in the same edit
        EXPECT_TRUE(dialog.log.empty());
        d.Click(RadioZ);
        EXPECT_EQ(d.Text(EditA), "13");
        EXPECT_TRUE(d.Checked(RadioZ));
        EXPECT_FALSE(d.Checked(RadioY));
        d.Click(Check);
        d.Choose(List, 1);
        EXPECT_EQ(d.Text(List), "two");
        // What the program does itself is never reported back to it.
        d.TypeInto(EditA, "14");
        dialog.SetItemText(EditA, "15");
        dialog.CheckItem(Check, false);
        dialog.SetListSelection(List, 0);
        dialog.SetFocusItem(Apply);
        EXPECT_EQ(d.Focus(), Apply);
        // Nothing reacts to a control the user cannot reach.
        d.Click(Locked);
        d.Click(Hidden);
        d.Click(IDC_STATIC);
        d.Click(999);
        EXPECT_EQ(d.Focus(), Apply);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"leave A", "Z", "Check", "List 1"}));
    EXPECT_EQ(dialog.focusWhileLeaving, std::vector<int>{RadioZ});
}

TEST(Dialog, EnterEscapeAndCloseBoxApplyTheFocusedEditOnceBeforeClosing)
{
    const std::function<void(ScriptedDialog&)> closers[] = {
        [](ScriptedDialog& d) { d.PressEnter(); },
        [](ScriptedDialog& d) { d.PressEscape(); },
        [](ScriptedDialog& d) { d.CloseBox(); },
    };
    for (int closer = 0; closer < 3; ++closer) {
        SCOPED_TRACE(closer);
        ScriptedHost host;
        RecordingDialog dialog;
        dialog.onLeaveA = [&] { EXPECT_FALSE(dialog.IsEnding()); };
        host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
            d.TypeInto(EditA, "7");
            closers[closer](d);
            EXPECT_TRUE(d.Ended());
            d.Click(Apply); // the window is gone
        });
        // An edit without a leave handler has nothing to apply.
        host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
            d.TypeInto(EditB, "7");
            dialog.log.clear();
            closers[closer](d);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.log, Log{"leave A"});
        dialog.log.clear();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(dialog.log.empty());
    }
}

TEST(Dialog, EnterPressesAFocusedPushButtonAndAHandlerMayEndTheRunItself)
{
    ScriptedHost host;
    RecordingDialog dialog;
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.Click(Apply);
        d.PressEnter();
        EXPECT_FALSE(d.Ended());
        dialog.onLeaveA = [&] { dialog.EndDialog(IDOK); };
        d.TypeInto(EditA, "1");
        d.PressEscape(); // the leave handler ends the run first; Cancel is not pressed after it
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.log, (Log{"leave A", "Apply", "Apply", "leave A"}));
}

TEST(Dialog, ErrorShownWhileLeavingAnEditDoesNotLeaveItAgain)
{
    ScriptedHost host;
    RecordingDialog dialog;
    dialog.onLeaveA = [] { ErrorSink().ShowError(); };
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.TypeInto(EditA, "bad");
        d.PressEnter();
    });
    // A script for the error dialog keeps it open long enough to look beneath it.
    host.OnDialog(IDD_ERRORMSG, [&](ScriptedDialog& error) {
        EXPECT_EQ(host.Depth(), 2);
        EXPECT_EQ(dialog.GetFocusItem(), -1); // the keyboard is in the error dialog
        error.Click(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, Log{"leave A"});
    EXPECT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{TestTemplate, IDD_ERRORMSG}));
    EXPECT_FALSE(host.OwnerWasDisabled(0));
    EXPECT_TRUE(host.OwnerWasDisabled(1));
}

// One handler for several controls, told which one fired: both edits share a leave handler,
// the radio buttons a click handler over their id range.
class SharedHandlerDialog : public CDialog {
public:
    SharedHandlerDialog() : CDialog(Described) {}

    std::vector<std::string> log;

protected:
    const MessageMapEntry* GetMessageMap() const override
    {
        static constexpr int Edits[] = {EditA, EditB};
        static const MessageMapEntry map[] = {
            OnNotifyEach<SharedHandlerDialog>(Edits, EN_KILLFOCUS, &SharedHandlerDialog::Leave),
            OnNotifyRange<SharedHandlerDialog>(RadioX, RadioZ, BN_CLICKED, &SharedHandlerDialog::Choose),
            OnNotify<SharedHandlerDialog>(Apply, BN_CLICKED, &SharedHandlerDialog::ClickApply),
            MessageMapEnd,
        };
        return map;
    }

private:
    void Leave(int id)
    {
        std::string text;
        GetItemText(id, text);
        log.push_back("leave " + std::to_string(id) + " " + text);
        if (text == "bad")
            ErrorSink().ShowError();
    }
    void Choose(int id) { log.push_back("radio " + std::to_string(id)); }
    void ClickApply() { log.push_back("Apply"); }
};

TEST(Dialog, OneHandlerServesAListOrARangeOfControlsAndHearsWhichFired)
{
    ScriptedHost host;
    SharedHandlerDialog dialog;
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.TypeInto(EditA, "1");
        d.TypeInto(EditB, "2");
        d.Click(RadioX);
        d.Click(RadioZ);
        d.Click(Check); // in no row
        d.Click(Apply);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"leave 11 1", "leave 12 2", "radio 13", "radio 15", "Apply"}));
}

// The error dialog of a refused entry takes the focus from the edit the user has just moved
// to. That edit is not applied behind the user's back; it is applied when the user leaves it.
TEST(Dialog, NoOtherEditIsLeftWhileALeaveHandlerRuns)
{
    ScriptedHost host;
    SharedHandlerDialog dialog;
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.TypeInto(EditA, "bad");
        d.TypeInto(EditB, "new"); // leaves A: the error dialog opens and closes
        EXPECT_EQ(d.Focus(), EditB);
        EXPECT_EQ(dialog.log, (Log{"leave 11 bad"}));
        d.PressTab();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"leave 11 bad", "leave 12 new"}));
    EXPECT_EQ(host.ErrorsShown().size(), 1u);
}

TEST(Dialog, NestedRunsTakeTheirScriptsInOrderAndCloseAtOnceWithoutOne)
{
    ScriptedHost host;
    RecordingDialog outer, inner;
    std::vector<int> innerResults;
    outer.onApply = [&] { innerResults.push_back(inner.DoModal()); };
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        d.TypeInto(EditA, "1");
        d.Click(Apply);
        EXPECT_EQ(host.Depth(), 1);
        EXPECT_EQ(d.Focus(), Apply); // back where it was
        d.Click(Apply);
        d.Click(Apply);
    });
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        EXPECT_EQ(host.Depth(), 2);
        d.Click(IDCANCEL);
    });
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) { d.Click(Apply); });
    EXPECT_EQ(host.PendingScripts(TestTemplate), 3u);
    outer.DoModal();
    EXPECT_EQ(innerResults, (std::vector<int>{IDCANCEL, IDCANCEL, IDCANCEL}));
    EXPECT_EQ(outer.log, (Log{"leave A", "Apply", "Apply", "Apply"}));
    // The second nested run found no script and closed without a word to its dialog.
    EXPECT_EQ(inner.log, (Log{"leave A", "leave A", "Apply"}));
    EXPECT_EQ(host.PendingScripts(TestTemplate), 0u);
    EXPECT_EQ(host.DialogsRun().size(), 4u);
    for (std::size_t run = 1; run < 4; ++run)
        EXPECT_TRUE(host.OwnerWasDisabled(run)) << run;
    EXPECT_EQ(host.Depth(), 0);
}

TEST(Dialog, AWindowAnswersMissingForWhatItDoesNotHave)
{
    ScriptedHost host;
    RecordingDialog dialog;
    const unsigned char png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0};
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    host.OnDialog(TestTemplate, [&](ScriptedDialog& d) {
        std::string text = "untouched";
        EXPECT_FALSE(dialog.HasControl(999));
        EXPECT_FALSE(dialog.HasControl(IDC_STATIC));
        EXPECT_FALSE(dialog.GetItemText(999, text));
        EXPECT_EQ(text, "untouched");
        EXPECT_FALSE(dialog.CheckItem(EditA, true));
        EXPECT_FALSE(dialog.AddListEntry(EditA, "x"));
        EXPECT_EQ(dialog.GetListSelection(999), -1);
        EXPECT_FALSE(dialog.SetListSelection(List, 2));
        EXPECT_EQ(d.Selection(List), -1);
        EXPECT_FALSE(dialog.SetItemPicture(Logo, gif, sizeof gif));
        EXPECT_FALSE(dialog.SetItemPicture(Apply, png, sizeof png));
        EXPECT_TRUE(d.Picture(Logo).empty());
        EXPECT_TRUE(dialog.SetItemPicture(Logo, png, sizeof png));
        EXPECT_EQ(d.Picture(Logo).size(), sizeof png);
        // The focused control going away hands the focus on without a word.
        EXPECT_EQ(d.Focus(), EditA);
        dialog.EnableItem(EditA, false);
        EXPECT_EQ(d.Focus(), EditB);
        dialog.ShowItem(EditB, false);
        EXPECT_EQ(d.Focus(), RadioY);
    });
    dialog.DoModal();
    EXPECT_TRUE(dialog.log.empty());

    // A dialog that refuses to be created never runs: no run is counted.
    dialog.refuseCreate = true;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(host.DialogsRun().size(), 1u);
    EXPECT_FALSE(dialog.HasControl(EditA)); // not running any more
}

TEST(Dialog, AScriptNoRunTookFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedHost host;
            host.OnDialog(IDD_ERRORMSG, [](ScriptedDialog&) {});
            host.OnDialog(IDD_ERRORMSG, [](ScriptedDialog&) {});
            RecordingDialog dialog;
            host.OnDialog(TestTemplate, [](ScriptedDialog& d) { d.PressEscape(); });
            dialog.DoModal();
        },
        "dialog 123 never ran: 2 scripts left");
}

} // namespace
