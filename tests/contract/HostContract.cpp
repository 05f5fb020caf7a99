// The host contract: how focus, keys, clicks, lists, closing and nested runs reach a dialog,
// whichever host runs it.
#include "tests/contract/HostContract.h"

#include "platform/Dialog.h"
#include "platform/DialogHost.h"
#include "platform/Win.h"

#include <string>
#include <vector>

namespace {

using K = ControlKind;
enum : int { EditA = 10, EditB, EditC, RadioA1, RadioA2, RadioB1, RadioB2, Check, List, Apply, Fixed1, Fixed2, LeftCheck };

// Two edits with leave handlers and one without, a pair of radio buttons without text that Tab
// passes by (one group, beside the edits' rows), two radio groups side by side (the second
// starts at its flag, not at a control of another kind), a check box, one with its text on the
// left, a list, a push button, a default OK and a Cancel. The group box comes last, above the
// radio buttons it frames.
const ControlTemplate Controls[] = {
    {IDC_STATIC, K::Label, "First:", 5, 7, 30, 8, 0},
    {EditA, K::Edit, "", 40, 5, 60, 12, 0},
    {IDC_STATIC, K::Label, "Second:", 5, 22, 30, 8, 0},
    {EditB, K::Edit, "", 40, 20, 60, 12, 0},
    {IDC_STATIC, K::Label, "Third:", 5, 37, 30, 8, 0},
    {EditC, K::Edit, "", 40, 35, 60, 12, 0},
    {Fixed1, K::RadioButton, "", 165, 21, 10, 10, CF_NOTABSTOP},
    {Fixed2, K::RadioButton, "", 165, 36, 10, 10, CF_NOTABSTOP},
    {RadioA1, K::RadioButton, "A1", 10, 60, 30, 10, CF_GROUP},
    {RadioA2, K::RadioButton, "A2", 10, 72, 30, 10, 0},
    {RadioB1, K::RadioButton, "B1", 50, 60, 30, 10, CF_GROUP},
    {RadioB2, K::RadioButton, "B2", 50, 72, 30, 10, 0},
    {Check, K::CheckBox, "Check", 110, 60, 50, 10, 0},
    {LeftCheck, K::CheckBox, "Left:", 5, 88, 60, 10, CF_LEFTTEXT},
    {List, K::DropDownList, "", 110, 75, 70, 50, 0},
    {Apply, K::PushButton, "Apply", 110, 5, 50, 14, 0},
    {IDOK, K::PushButton, "OK", 70, 100, 50, 14, CF_DEFAULT},
    {IDCANCEL, K::PushButton, "Cancel", 130, 100, 50, 14, 0},
    {IDC_STATIC, K::GroupBox, "Units", 5, 50, 85, 36, 0},
};
const DialogTemplate Described{9101, "Contract", 190, 120, "Segoe UI", 8, DS_VISIBLE | DS_SYSMENU, Controls};

const char* Name(int id)
{
    switch (id) {
    case EditA: return "A";
    case EditB: return "B";
    case EditC: return "C";
    case RadioA1: return "A1";
    case RadioA2: return "A2";
    case RadioB1: return "B1";
    case RadioB2: return "B2";
    case Check: return "Check";
    case Apply: return "Apply";
    case Fixed1: return "Fixed1";
    case Fixed2: return "Fixed2";
    case LeftCheck: return "Left";
    default: return "?";
    }
}

using Log = std::vector<std::string>;

// Writes down every notification, as the user's story reads it: "leave A 12", "click Apply".
class ContractDialog : public CDialog {
public:
    ContractDialog() : CDialog(Described) {}

    Log log;
    // Where the focus was while each edit was being left.
    std::vector<int> focusWhileLeaving;
    // Runs inside OnInitDialog, after the list is filled and before the focus is placed.
    std::function<void(ContractDialog&)> onInit;
    std::function<void(int)> onLeave;
    std::function<void()> onCommand;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* entry : {"one", "two", "three"})
            AddListEntry(List, entry);
        if (onInit)
            onInit(*this);
        return TRUE;
    }

    void OnSysCommand(int command) override
    {
        log.push_back("command " + std::to_string(command));
        if (onCommand)
            onCommand();
    }

    void OnCancel() override
    {
        log.push_back("Cancel");
        CDialog::OnCancel();
    }

    const MessageMapEntry* GetMessageMap() const override
    {
        using D = ContractDialog;
        static constexpr int Leaving[] = {EditA, EditB};
        static constexpr int Others[] = {Fixed1, Fixed2, LeftCheck};
        static const MessageMapEntry map[] = {
            OnNotifyEach<D>(Leaving, EN_KILLFOCUS, &D::Leave),
            OnNotifyRange<D>(RadioA1, Check, BN_CLICKED, &D::Clicked),
            OnNotifyEach<D>(Others, BN_CLICKED, &D::Clicked),
            OnNotify<D>(Apply, BN_CLICKED, &D::Clicked),
            OnNotify<D>(IDOK, BN_CLICKED, &D::Ok),
            OnNotify<D>(List, CBN_SELCHANGE, &D::Selected),
            MessageMapEnd,
        };
        return map;
    }

private:
    void Leave(int id)
    {
        std::string text;
        GetItemText(id, text);
        log.push_back(std::string("leave ") + Name(id) + (text.empty() ? "" : " " + text));
        focusWhileLeaving.push_back(GetFocusItem());
        if (onLeave)
            onLeave(id);
    }
    void Clicked(int id) { log.push_back(std::string("click ") + Name(id)); }
    void Ok()
    {
        log.push_back("OK");
        EndDialog(IDOK);
    }
    void Selected() { log.push_back("select " + std::to_string(GetListSelection(List))); }
};

TEST_P(HostContract, FocusStartsOnTheFirstEnabledVisibleTabStop)
{
    struct Row {
        const char* how;
        std::function<void(ContractDialog&)> init;
        int focus;
    };
    const Row rows[] = {
        {"as created", nullptr, EditA},
        {"first edit disabled", [](ContractDialog& d) { d.EnableItem(EditA, false); }, EditB},
        {"every edit hidden or disabled",
         [](ContractDialog& d) {
             d.ShowItem(EditA, false);
             d.EnableItem(EditB, false);
             d.ShowItem(EditC, false);
         },
         RadioA1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        ContractDialog dialog;
        dialog.onInit = row.init;
        int focus = 0;
        const int result = User().Run(dialog, [&] {
            focus = User().Focus();
            User().PressEscape();
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(focus, row.focus);
    }
}

TEST_P(HostContract, TabLeavesEachEditOnceInCreationOrder)
{
    ContractDialog dialog;
    dialog.onInit = [](ContractDialog& d) { d.CheckItem(RadioB2, true); };
    std::vector<int> stops;
    User().Run(dialog, [&] {
        User().TypeInto(EditA, "1");
        for (int i = 0; i < 11; ++i) {
            User().PressTab();
            stops.push_back(User().Focus());
        }
        User().PressEscape();
    });
    // A radio group is one stop, entered at its checked button, else at its first; the pair
    // marked so is none.
    EXPECT_EQ(stops, (std::vector<int>{EditB, EditC, RadioA1, RadioB2, Check, LeftCheck, List, Apply, IDOK, IDCANCEL,
                                       EditA}));
    EXPECT_EQ(dialog.log, (Log{"leave A 1", "leave B", "leave A 1", "Cancel"}));
    // By the time an edit hears it was left, the focus is where the user took it.
    EXPECT_EQ(dialog.focusWhileLeaving, (std::vector<int>{EditB, EditC, EditA}));
}

TEST_P(HostContract, AClickLeavesTheFocusedEditBeforeTheControlActs)
{
    ContractDialog dialog;
    User().Run(dialog, [&] {
        User().TypeInto(EditA, "5");
        User().Click(Apply);
        EXPECT_EQ(User().Focus(), Apply);
        User().TypeInto(EditB, "6");
        User().Click(Check);
        EXPECT_TRUE(User().Checked(Check));
        User().TypeInto(EditC, "7"); // no leave handler
        User().Click(RadioA2);
        EXPECT_EQ(User().Focus(), RadioA2);
        User().Click(EditA); // an edit only takes the focus
        EXPECT_EQ(User().Focus(), EditA);
        EXPECT_EQ(User().Text(EditC), "7");
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, (Log{"leave A 5", "click Apply", "leave B 6", "click Check", "click A2", "leave A 5", "Cancel"}));
    EXPECT_EQ(dialog.focusWhileLeaving, (std::vector<int>{Apply, Check, EditA}));
}

TEST_P(HostContract, TheDialogsOwnChangesNeverNotify)
{
    ContractDialog dialog;
    dialog.onInit = [](ContractDialog& d) { d.CheckItem(RadioA1, true); };
    User().Run(dialog, [&] {
        User().TypeInto(EditA, "2");
        dialog.SetItemText(EditA, "3");
        dialog.CheckItem(Check, true);
        EXPECT_TRUE(dialog.SetListSelection(List, 2));
        EXPECT_EQ(User().Text(List), "three");

        // Checking a radio button from the program unchecks the rest of its group, and only
        // that group; unchecking may leave a group with none checked.
        dialog.CheckItem(RadioA2, true);
        EXPECT_TRUE(User().Checked(RadioA2));
        EXPECT_FALSE(User().Checked(RadioA1));
        dialog.CheckItem(RadioB1, true);
        EXPECT_TRUE(User().Checked(RadioA2));
        dialog.CheckItem(RadioA2, false);
        EXPECT_FALSE(User().Checked(RadioA1));
        EXPECT_FALSE(User().Checked(RadioA2));
        EXPECT_TRUE(User().Checked(RadioB1));

        // Moving the focus, disabling or hiding the focused edit: the focus goes on, silently.
        EXPECT_EQ(User().Focus(), EditA);
        EXPECT_TRUE(dialog.SetFocusItem(EditB));
        EXPECT_EQ(User().Focus(), EditB);
        EXPECT_TRUE(dialog.SetFocusItem(EditA));
        dialog.EnableItem(EditA, false);
        EXPECT_EQ(User().Focus(), EditB);
        dialog.ShowItem(EditB, false);
        EXPECT_EQ(User().Focus(), EditC);
        // Only what the keyboard can reach takes the focus.
        EXPECT_FALSE(dialog.SetFocusItem(EditA));
        EXPECT_FALSE(dialog.SetFocusItem(EditB));
        EXPECT_EQ(User().Focus(), EditC);
        EXPECT_TRUE(dialog.log.empty());

        User().PressTab();
        EXPECT_EQ(User().Focus(), RadioA1); // no button of the group is checked
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, Log{"Cancel"});
}

TEST_P(HostContract, EnterAppliesTheFocusedEditOnceThenPressesTheDefaultButton)
{
    ContractDialog dialog;
    const int result = User().Run(dialog, [&] {
        User().TypeInto(EditA, "3");
        User().PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.log, (Log{"leave A 3", "OK"}));

    // A focused push button is pressed instead.
    ContractDialog buttons;
    const int pressed = User().Run(buttons, [&] {
        User().Click(Apply);
        User().PressEnter();
        EXPECT_EQ(User().Focus(), Apply);
        User().Click(EditC);
        User().PressEnter();
    });
    EXPECT_EQ(pressed, IDOK);
    EXPECT_EQ(buttons.log, (Log{"leave A", "click Apply", "click Apply", "OK"}));
}

TEST_P(HostContract, EscapeAndTheCloseBoxApplyTheFocusedEditOnceAndCancel)
{
    struct Row {
        const char* how;
        void (HostDriver::*close)();
        int edit;
        Log log;
    };
    const Row rows[] = {
        {"Escape", &HostDriver::PressEscape, EditA, {"leave A 4", "Cancel"}},
        {"close box", &HostDriver::CloseBox, EditA, {"leave A 4", "Cancel"}},
        {"Escape, nothing to apply", &HostDriver::PressEscape, EditC, {"leave A", "Cancel"}},
        {"close box, nothing to apply", &HostDriver::CloseBox, EditC, {"leave A", "Cancel"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        ContractDialog dialog;
        const int result = User().Run(dialog, [&] {
            User().TypeInto(row.edit, "4");
            (User().*row.close)();
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.log, row.log);
    }
}

TEST_P(HostContract, AClickChecksARadioButtonAndUnchecksOnlyTheRestOfItsGroup)
{
    ContractDialog dialog;
    dialog.onInit = [](ContractDialog& d) {
        d.CheckItem(RadioA1, true);
        d.CheckItem(RadioB1, true);
    };
    const auto checked = [&] {
        std::vector<int> on;
        for (int id : {RadioA1, RadioA2, RadioB1, RadioB2, Check})
            if (User().Checked(id))
                on.push_back(id);
        return on;
    };
    User().Run(dialog, [&] {
        User().Click(RadioA2);
        EXPECT_EQ(checked(), (std::vector<int>{RadioA2, RadioB1}));
        User().Click(RadioB2);
        EXPECT_EQ(checked(), (std::vector<int>{RadioA2, RadioB2}));
        User().Click(RadioB2); // stays checked, and says so again
        EXPECT_EQ(checked(), (std::vector<int>{RadioA2, RadioB2}));
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, (Log{"leave A", "click A2", "click B2", "click B2", "Cancel"}));
}

// The C/(N+I) tool's "Fixed" pair: Tab never stops on it, checked or not, but a click checks
// either button and unchecks the other.
TEST_P(HostContract, TabPassesByButtonsMarkedSoButAClickChecksThem)
{
    ContractDialog dialog;
    User().Run(dialog, [&] {
        User().Click(EditC);
        User().Click(Fixed2);
        EXPECT_EQ(User().Focus(), Fixed2);
        EXPECT_TRUE(User().Checked(Fixed2));
        User().Click(Fixed1);
        EXPECT_TRUE(User().Checked(Fixed1));
        EXPECT_FALSE(User().Checked(Fixed2));
        // From a button Tab passes by, Tab goes on to the next stop after it.
        User().PressTab();
        EXPECT_EQ(User().Focus(), RadioA1);
        // A checked button of the pair is no stop either.
        User().Click(EditC);
        User().PressTab();
        EXPECT_EQ(User().Focus(), RadioA1);

        // The dialog's own checks keep the pair exclusive, and say nothing.
        dialog.CheckItem(Fixed2, true);
        EXPECT_TRUE(User().Checked(Fixed2));
        EXPECT_FALSE(User().Checked(Fixed1));
        dialog.CheckItem(Fixed2, false);
        EXPECT_FALSE(User().Checked(Fixed2));
        EXPECT_FALSE(User().Checked(Fixed1));
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, (Log{"leave A", "click Fixed2", "click Fixed1", "Cancel"}));
}

TEST_P(HostContract, ACheckBoxWithItsTextOnTheLeftTogglesOnAClick)
{
    ContractDialog dialog;
    User().Run(dialog, [&] {
        User().Click(LeftCheck);
        EXPECT_EQ(User().Focus(), LeftCheck);
        EXPECT_TRUE(User().Checked(LeftCheck));
        User().Click(LeftCheck);
        EXPECT_FALSE(User().Checked(LeftCheck));
        dialog.CheckItem(LeftCheck, true);
        EXPECT_TRUE(User().Checked(LeftCheck));
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, (Log{"leave A", "click Left", "click Left", "Cancel"}));
}

TEST_P(HostContract, ChoosingAnotherListEntryNotifiesTheChange)
{
    ContractDialog dialog;
    dialog.onInit = [](ContractDialog& d) { d.SetListSelection(List, 0); };
    User().Run(dialog, [&] {
        User().TypeInto(EditA, "9");
        User().Choose(List, 2);
        EXPECT_EQ(User().Focus(), List);
        EXPECT_EQ(User().Text(List), "three");
        User().Choose(List, 2); // the entry already chosen: no change
        User().Choose(List, 0);
        EXPECT_EQ(User().Text(List), "one");
        User().PressEscape();
    });
    EXPECT_EQ(dialog.log, (Log{"leave A 9", "select 2", "select 0", "Cancel"}));
}

TEST_P(HostContract, ANestedDialogDisablesItsOwnerAndLeavesItsFocusedEditOnce)
{
    ContractDialog owner, nested, ended;
    ended.onInit = [](ContractDialog& d) { d.EndDialog(IDOK); };
    int nestedResult = 0;
    int endedResult = 0;
    Log ownerWhileNested;
    User().Run(owner, [&] {
        User().TypeInto(EditA, "8");
        nestedResult = User().Run(nested, [&] {
            EXPECT_FALSE(User().TakesInput(owner));
            EXPECT_TRUE(User().TakesInput(nested));
            EXPECT_EQ(owner.GetFocusItem(), -1);
            EXPECT_EQ(User().Focus(), EditA); // the nested dialog's own first stop
            ownerWhileNested = owner.log;
            User().Click(IDCANCEL);
        });
        EXPECT_TRUE(User().TakesInput(owner));
        EXPECT_EQ(User().Focus(), EditA); // back where it was, without being left again
        // A dialog that ends while it initialises is never shown and takes nothing away.
        endedResult = User().Run(ended, [] { ADD_FAILURE() << "a dialog that ended in its initialisation ran"; });
        EXPECT_EQ(User().Focus(), EditA);
        User().PressTab(); // leaving it now is leaving it again
        User().PressEscape();
    });
    EXPECT_EQ(ownerWhileNested, Log{"leave A 8"});
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(endedResult, IDOK);
    EXPECT_EQ(owner.log, (Log{"leave A 8", "leave A 8", "leave B", "Cancel"}));
    EXPECT_EQ(nested.log, (Log{"leave A", "Cancel"}));
    EXPECT_TRUE(ended.log.empty());
}

// Leaving an edit may show a dialog (the error dialog of a refused entry). The mouse button that
// pressed another control comes up over that dialog: the control has the focus but was never
// clicked, and the user clicks again.
TEST_P(HostContract, AClickWhoseLeavingShowsADialogIsLost)
{
    ContractDialog owner;
    int shown = 0;
    owner.onLeave = [&](int) {
        ContractDialog error;
        ++shown;
        User().Run(error, [&] { User().PressEscape(); });
    };
    User().Run(owner, [&] {
        User().TypeInto(EditA, "bad");
        User().Click(Check);
        EXPECT_EQ(User().Focus(), Check);
        EXPECT_FALSE(User().Checked(Check));
        User().Click(Check);
        EXPECT_TRUE(User().Checked(Check));
        User().TypeInto(EditB, "bad");
        User().Click(Apply);
        EXPECT_EQ(User().Focus(), Apply);
        User().Click(Apply);
        User().PressEscape();
    });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(owner.log, (Log{"leave A bad", "click Check", "leave B bad", "click Apply", "Cancel"}));
}

// Values go to reports in other programs: lines, a degree sign and all, arrive as they were
// put, and the last text put is the one pasted.
TEST_P(HostContract, TextPutOnTheClipboardIsPastedExactly)
{
    DialogHost* host = GetDialogHost();
    ASSERT_NE(host, nullptr);
    const std::string values = "angle = 2.5 \u00b0\nrelative_gain = -16.0214 dB\n";
    host->SetClipboardText("kortools-calc db absolute_value=100");
    host->SetClipboardText(values);
    EXPECT_EQ(User().PastedText(), values);
}

// A function key bound to a window-menu command gives that command wherever the focus is, even
// in an edit, which it neither leaves nor changes; a key bound to nothing does nothing.
TEST_P(HostContract, AFunctionKeyGivesTheCommandBoundToIt)
{
    ContractDialog dialog;
    dialog.AppendSystemMenu(0x40, "Plot");
    dialog.BindFunctionKey(2, 0x40);
    const int result = User().Run(dialog, [&] {
        User().TypeInto(EditA, "12");
        User().PressFunctionKey(2);
        User().PressFunctionKey(4);
        EXPECT_EQ(User().Focus(), EditA);
        EXPECT_EQ(User().Text(EditA), "12");
        User().PressFunctionKey(2);
    });
    EXPECT_EQ(result, LeftOpen);
    EXPECT_EQ(dialog.log, (Log{"command 64", "command 64"}));
}

// The flag that tells the user's entry from the text the program put there: any typing sets
// it, the very text that was there typed again too, and the program's text clears it.
TEST_P(HostContract, TypingMarksAnEditModifiedAndTheProgramsTextClearsIt)
{
    ContractDialog dialog;
    dialog.onInit = [](ContractDialog& d) { d.SetItemText(EditA, "5.0"); };
    User().Run(dialog, [&] {
        User().PressTab();
        User().PressTab();
        EXPECT_FALSE(dialog.IsItemModified(EditA));
        User().TypeInto(EditA, "5.0");
        EXPECT_TRUE(dialog.IsItemModified(EditA));
        EXPECT_FALSE(dialog.IsItemModified(EditB));
        dialog.SetItemText(EditA, "5.0");
        EXPECT_FALSE(dialog.IsItemModified(EditA));
        User().Type("1");
        EXPECT_TRUE(dialog.IsItemModified(EditA));
        EXPECT_TRUE(dialog.SetItemModified(EditA, false));
        EXPECT_FALSE(dialog.IsItemModified(EditA));
        EXPECT_TRUE(dialog.SetItemModified(EditB, true));
        EXPECT_TRUE(dialog.IsItemModified(EditB));
        // Only an edit has one.
        EXPECT_FALSE(dialog.SetItemModified(Check, true));
        EXPECT_FALSE(dialog.IsItemModified(Check));
        EXPECT_FALSE(dialog.SetItemModified(999, true));
        User().PressEscape();
    });
}

// Where the keyboard brings the focus into an edit (the window shown, Tab, a dialog above it
// closed) the next keys replace the whole text. A click puts them at the end of a short text,
// the program's text puts them at its start, unless the whole old text was selected.
TEST_P(HostContract, TheKeyboardArrivingInAnEditSelectsItsWholeText)
{
    ContractDialog dialog, above;
    dialog.onInit = [](ContractDialog& d) {
        for (int edit : {EditA, EditB, EditC})
            d.SetItemText(edit, "0.0");
    };
    dialog.AppendSystemMenu(0x40, "Above");
    dialog.BindFunctionKey(2, 0x40);
    dialog.onCommand = [&] {
        User().Run(above, [&] { User().PressEscape(); });
        dialog.SetItemText(EditC, "0.0"); // the tool's refresh after it
    };
    User().Run(dialog, [&] {
        User().Type("10");
        EXPECT_EQ(User().Text(EditA), "10");
        User().PressTab();
        User().Type("20");
        EXPECT_EQ(User().Text(EditB), "20");
        User().Click(EditC);
        User().Type("5");
        EXPECT_EQ(User().Text(EditC), "0.05");
        dialog.SetItemText(EditC, "0.0");
        User().Type("3");
        EXPECT_EQ(User().Text(EditC), "30.0");
        User().PressFunctionKey(2);
        EXPECT_EQ(User().Focus(), EditC);
        User().Type("7");
        EXPECT_EQ(User().Text(EditC), "7");
        User().PressEscape();
    });
}

// Each control keeps the tooltip the dialog gave it, whatever its text does meanwhile.
TEST_P(HostContract, AControlKeepsTheToolTipItWasGiven)
{
    ContractDialog dialog;
    User().Run(dialog, [&] {
        EXPECT_EQ(User().ToolTip(EditA), "");
        EXPECT_TRUE(dialog.SetItemToolTip(EditA, "0.0299792458 m"));
        EXPECT_TRUE(dialog.SetItemToolTip(Apply, "Apply it"));
        dialog.SetItemText(EditA, "0.03");
        User().TypeInto(EditA, "1");
        EXPECT_EQ(User().ToolTip(EditA), "0.0299792458 m");
        EXPECT_EQ(User().ToolTip(Apply), "Apply it");
        EXPECT_TRUE(dialog.SetItemToolTip(EditA, ""));
        EXPECT_EQ(User().ToolTip(EditA), "");
        EXPECT_FALSE(dialog.SetItemToolTip(999, "none"));
        User().PressEscape();
    });
}

} // namespace
