// The binding helpers as a tool dialog uses them: the model's values shown in controls, the
// user's entries handed back, refusals shown to the user.
#include "dialogs/Binding.h"

#include "framework/Units.h"
#include "platform/Dialog.h"
#include "resources/Resource.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TestKorObj.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>
#include <vector>

namespace {

using K = ControlKind;
enum : int { Distance = 20, DistanceUnit, Count, Km, M, Cm, Pattern, Enabled };

const ControlTemplate Controls[] = {
    {Distance, K::Edit, "", 10, 10, 80, 12, 0},
    {DistanceUnit, K::Label, "", 95, 10, 20, 10, CF_DISABLED},
    {Count, K::Edit, "", 10, 25, 80, 12, 0},
    {Km, K::RadioButton, "km", 10, 40, 30, 10, CF_GROUP | CF_DISABLED},
    {M, K::RadioButton, "m", 10, 50, 30, 10, CF_DISABLED},
    {Cm, K::RadioButton, "cm", 10, 60, 30, 10, CF_DISABLED},
    {Pattern, K::DropDownList, "", 50, 40, 80, 40, 0},
    {Enabled, K::CheckBox, "Enabled", 50, 60, 60, 10, CF_DISABLED},
    {IDCANCEL, K::PushButton, "Close", 50, 80, 50, 14, CF_DEFAULT},
};
constexpr int BoundTemplate = 9100;
const DialogTemplate Described{BoundTemplate, "Bound", 140, 100, "Segoe UI", 8, DS_VISIBLE | DS_SYSMENU, Controls};

class AccessModel : public CTestKorObj {
public:
    int GetVarAccess(int index) const override
    {
        return index >= 0 && index < VarTotal ? access[index] : VarInvalid;
    }
    int access[VarTotal] = {};
};

// A small tool dialog: distance applied on leaving its edit, units and pattern at once.
class BoundDialog : public CDialog {
public:
    explicit BoundDialog(AccessModel* model) : CDialog(Described), m_model(model) {}

    void Refresh()
    {
        ShowVar(this, m_model, CTestKorObj::VarDistance, Distance, DistanceUnit);
        ShowVar(this, m_model, CTestKorObj::VarCount, Count);
        SetUnitRadio(this, m_model, CTestKorObj::VarDistance, UnitKm, Km);
        SetUnitRadio(this, m_model, CTestKorObj::VarDistance, UnitM, M);
        SetUnitRadio(this, m_model, CTestKorObj::VarDistance, UnitCm, Cm);
        FillEnumCombo(this, m_model, CTestKorObj::VarPattern, Pattern);
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        Refresh();
        return TRUE;
    }
    const MessageMapEntry* GetMessageMap() const override
    {
        static const MessageMapEntry map[] = {
            OnNotify<BoundDialog>(Distance, EN_KILLFOCUS, &BoundDialog::LeaveDistance),
            OnNotify<BoundDialog>(Km, BN_CLICKED, &BoundDialog::ChangeUnit),
            OnNotify<BoundDialog>(M, BN_CLICKED, &BoundDialog::ChangeUnit),
            OnNotify<BoundDialog>(Cm, BN_CLICKED, &BoundDialog::ChangeUnit),
            OnNotify<BoundDialog>(Pattern, CBN_SELCHANGE, &BoundDialog::ChangePattern),
            MessageMapEnd,
        };
        return map;
    }

private:
    void LeaveDistance()
    {
        SetVarFromEdit(this, m_model, CTestKorObj::VarDistance, Distance);
        Refresh();
    }
    void ChangeUnit()
    {
        SetUnitIfChecked(this, m_model, CTestKorObj::VarDistance, UnitKm, Km);
        SetUnitIfChecked(this, m_model, CTestKorObj::VarDistance, UnitM, M);
        SetUnitIfChecked(this, m_model, CTestKorObj::VarDistance, UnitCm, Cm);
        Refresh();
    }
    void ChangePattern()
    {
        SetEnumFromCombo(this, m_model, CTestKorObj::VarPattern, Pattern);
        Refresh();
    }

    AccessModel* m_model;
};

class Binding : public ::testing::Test {
protected:
    void Run(std::function<void(ScriptedDialog&)> script)
    {
        host.OnDialog(BoundTemplate, std::move(script));
        dialog.DoModal();
    }

    ScriptedHost host;
    AccessModel model;
    BoundDialog dialog{&model};
};

TEST_F(Binding, ShowVarEnablesTheEditByAccessLevel)
{
    const struct {
        int access;
        bool focused, enabled;
        const char* text;
    } rows[] = {
        {VarEditable, false, true, "1000.0"},        {VarReadOnly, true, false, "1000.0"},
        {VarDisabled, true, false, "1000.0"},        {VarUnavailable, false, false, "Not available"},
        {VarUnavailable, true, true, "Not available"}, {VarInvalid, true, true, "Not available"},
    };
    Run([&](ScriptedDialog& d) {
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << "access " << row.access << (row.focused ? ", focused" : ""));
            model.access[CTestKorObj::VarDistance] = row.access;
            EXPECT_TRUE(dialog.SetFocusItem(row.focused ? Distance : Count));
            EXPECT_EQ(ShowVar(&dialog, &model, CTestKorObj::VarDistance, Distance, DistanceUnit), 1);
            EXPECT_EQ(d.Enabled(Distance), row.enabled);
            EXPECT_EQ(d.Text(Distance), row.text);
            EXPECT_TRUE(d.Enabled(DistanceUnit));
            EXPECT_EQ(d.Text(DistanceUnit), "m");
            dialog.EnableItem(Distance, true);
        }
    });
}

TEST_F(Binding, RefusedEntryBeepsShowsWhyAndTheEditGetsTheOldValueBack)
{
    host.OnDialog(IDD_ERRORMSG, [&](ScriptedDialog&) { EXPECT_EQ(host.Beeps().size(), 1u); });
    Run([&](ScriptedDialog& d) {
        d.TypeInto(Distance, "0");
        d.PressTab();
        EXPECT_EQ(d.Text(Distance), "1000.0");
        d.TypeInto(Distance, "2500");
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 1);
        d.TypeInto(Distance, "lots");
        // Taken from the edit without leaving it, so only this call applies it.
        dialog.SetFocusItem(IDCANCEL);
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 0);
    });
    EXPECT_EQ(host.Beeps(), (std::vector<unsigned>{5, 5}));
    ASSERT_EQ(host.ErrorsShown().size(), 2u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation, "Variable 'Distance' has been set to 0.0 m which is below the limit of 1.0 m");
    EXPECT_EQ(host.ErrorsShown()[0].suggestion, "Re-enter data within ranges");
    EXPECT_EQ(host.ErrorsShown()[1].explanation, "Variable 'Distance' has been set to 'lots' which is not a number");
    EXPECT_DOUBLE_EQ(model.m_distance, 2.5);
}

TEST_F(Binding, AVariableTheUserMayNotEditIsLeftAloneAndCountsAsApplied)
{
    Run([&](ScriptedDialog& d) {
        d.TypeInto(Distance, "lots");
        for (int access : {VarReadOnly, VarDisabled, VarUnavailable, VarInvalid}) {
            model.access[CTestKorObj::VarDistance] = access;
            EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 1) << access;
        }
    });
    EXPECT_EQ(model.m_setterCalls, 0);
    EXPECT_TRUE(host.Beeps().empty());
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST_F(Binding, UnitRadiosFollowTheDisplayUnitAndOnlyTheCheckedOneSetsIt)
{
    Run([&](ScriptedDialog& d) {
        EXPECT_TRUE(d.Enabled(Km) && d.Enabled(M) && d.Enabled(Cm));
        EXPECT_FALSE(d.Checked(Km));
        EXPECT_TRUE(d.Checked(M));
        EXPECT_FALSE(d.Checked(Cm));
        EXPECT_EQ(SetUnitIfChecked(&dialog, &model, CTestKorObj::VarDistance, UnitKm, Km), 1);
        EXPECT_EQ(model.m_distanceDisplay, UnitM);
        d.Click(Km);
        EXPECT_EQ(model.m_distanceDisplay, UnitKm);
        EXPECT_EQ(d.Text(Distance), "1.0");
        EXPECT_EQ(d.Text(DistanceUnit), "km");
        EXPECT_FALSE(d.Checked(M));
    });
}

TEST_F(Binding, PatternListByAccessLevel)
{
    const std::vector<std::string> patterns{"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)"};
    Run([&](ScriptedDialog& d) {
        EXPECT_EQ(d.ListEntries(Pattern), patterns); // filled twice by now, once shown
        EXPECT_EQ(d.Selection(Pattern), 1);
        EXPECT_TRUE(d.Enabled(Pattern));
        d.Choose(Pattern, 2);
        EXPECT_EQ(model.m_pattern, 2);

        // A read-only choice is shown in a list the user cannot open.
        model.access[CTestKorObj::VarPattern] = VarReadOnly;
        dialog.Refresh();
        EXPECT_EQ(d.ListEntries(Pattern), patterns);
        EXPECT_EQ(d.Text(Pattern), "32 - 25log(phi)");
        EXPECT_FALSE(d.Enabled(Pattern));

        for (int access : {VarDisabled, VarUnavailable}) {
            model.access[CTestKorObj::VarPattern] = access;
            dialog.Refresh();
            EXPECT_TRUE(d.ListEntries(Pattern).empty()) << access;
            EXPECT_FALSE(d.Enabled(Pattern)) << access;
        }
        // A variable without choices leaves the list empty and locked, whatever its access.
        EXPECT_EQ(FillEnumCombo(&dialog, &model, CTestKorObj::VarCount, Pattern), 1);
        EXPECT_TRUE(d.ListEntries(Pattern).empty());
        EXPECT_FALSE(d.Enabled(Pattern));
        EXPECT_EQ(SetEnumFromCombo(&dialog, &model, CTestKorObj::VarPattern, Pattern), 0);

        // An entry the model does not know is refused out loud.
        dialog.AddListEntry(Pattern, "stray");
        dialog.SetListSelection(Pattern, 0);
        dialog.AddListEntry(Pattern, "a");
        dialog.AddListEntry(Pattern, "b");
        dialog.AddListEntry(Pattern, "c");
        dialog.SetListSelection(Pattern, 3);
        EXPECT_EQ(SetEnumFromCombo(&dialog, &model, CTestKorObj::VarPattern, Pattern), 0);
    });
    EXPECT_EQ(model.m_pattern, 2);
    EXPECT_EQ(host.Beeps(), std::vector<unsigned>{5});
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
}

TEST_F(Binding, SetCheckAlsoUnlocksTheControlAndEnableControlFollowsTheFlag)
{
    Run([&](ScriptedDialog& d) {
        EXPECT_EQ(SetCheck(&dialog, 1, Enabled), 1);
        EXPECT_TRUE(d.Enabled(Enabled));
        EXPECT_EQ(IsChecked(&dialog, Enabled), 1);
        EXPECT_EQ(EnableControl(&dialog, Count, 0), 1);
        EXPECT_FALSE(d.Enabled(Count));
        EXPECT_EQ(EnableControl(&dialog, Count, 1), 1);
        EXPECT_TRUE(d.Enabled(Count));
    });
}

TEST_F(Binding, NullDialogNullModelOrMissingControlDoNothing)
{
    constexpr int Missing = 999;
    const int distance = CTestKorObj::VarDistance;
    Run([&](ScriptedDialog& d) {
        d.TypeInto(Distance, "0");
        for (CDialog* target : {static_cast<CDialog*>(nullptr), static_cast<CDialog*>(&dialog)}) {
            const int id = target ? Missing : Distance;
            SCOPED_TRACE(target ? "missing control" : "null dialog");
            EXPECT_EQ(SetVarFromEdit(target, &model, distance, id), 0);
            EXPECT_EQ(ShowVar(target, &model, distance, id, DistanceUnit), 0);
            EXPECT_EQ(SetUnitIfChecked(target, &model, distance, UnitKm, target ? Missing : M), 0);
            EXPECT_EQ(SetUnitRadio(target, &model, distance, UnitKm, target ? Missing : Km), 0);
            EXPECT_EQ(FillEnumCombo(target, &model, CTestKorObj::VarPattern, target ? Missing : Pattern), 0);
            EXPECT_EQ(SetEnumFromCombo(target, &model, CTestKorObj::VarPattern, target ? Missing : Pattern), 0);
            EXPECT_EQ(SetCheck(target, 1, target ? Missing : Enabled), 0);
            EXPECT_EQ(IsChecked(target, target ? Missing : M), 0);
            EXPECT_EQ(EnableControl(target, id, 0), 0);
            EXPECT_EQ(DisableControl(target, id), 0);
            EXPECT_EQ(SetControlText(target, "x", id), 0);
        }
        EXPECT_EQ(SetVarFromEdit(&dialog, nullptr, distance, Distance), 0);
        EXPECT_EQ(ShowVar(&dialog, nullptr, distance, Distance, DistanceUnit), 0);
        EXPECT_EQ(SetUnitIfChecked(&dialog, nullptr, distance, UnitKm, M), 0);
        EXPECT_EQ(SetUnitRadio(&dialog, nullptr, distance, UnitKm, Km), 0);
        EXPECT_EQ(FillEnumCombo(&dialog, nullptr, CTestKorObj::VarPattern, Pattern), 0);
        EXPECT_EQ(SetEnumFromCombo(&dialog, nullptr, CTestKorObj::VarPattern, Pattern), 0);
        // Nothing of it reached the controls.
        EXPECT_EQ(d.Text(Distance), "0");
        EXPECT_FALSE(d.Enabled(Enabled));
        EXPECT_TRUE(d.Enabled(Count));
        EXPECT_EQ(d.ListEntries(Pattern).size(), 3u);
        EXPECT_TRUE(d.Checked(M));
    });
    EXPECT_DOUBLE_EQ(model.m_distance, 1.0);
    EXPECT_EQ(model.m_distanceDisplay, UnitM);
    EXPECT_TRUE(host.Beeps().empty());
}

// The table walkers answer 0 (or false) for a control that is not in their table and touch
// nothing; the locked variable's button does nothing at all.
TEST_F(Binding, TablesIgnoreControlsTheyDoNotBindAndALockedButtonDoesNothing)
{
    constexpr EditBinding Edits[] = {{Distance, CTestKorObj::VarDistance}, {Count, CTestKorObj::VarCount}};
    constexpr UnitRadioBinding Units[] = {{Km, CTestKorObj::VarDistance, UnitKm}};
    constexpr ApplyBinding Buttons[] = {{IDCANCEL, CTestKorObj::VarDistance, Distance}};
    constexpr CalcBinding Calcs[] = {{IDCANCEL, CTestKorObj::VarCount}};
    Run([&](ScriptedDialog& d) {
        dialog.SetItemText(Distance, "0");
        EXPECT_EQ(ApplyBoundEdit(&dialog, &model, Edits, Pattern), 0);
        EXPECT_EQ(ApplyUnitRadio(&dialog, &model, Units, M), 0);
        EXPECT_EQ(ApplyFromButton(&dialog, &model, Buttons, Km), 0);
        EXPECT_FALSE(CalculateFromButton(&dialog, &model, Calcs, Km, Edits));
        EXPECT_FALSE(CalculateFromButton(&dialog, &model, Calcs, IDCANCEL, Edits, Units, CTestKorObj::VarCount));
        EXPECT_EQ(d.Text(Distance), "0");
        EXPECT_TRUE(d.Checked(M));
    });
    EXPECT_EQ(model.m_setterCalls, 0);
    EXPECT_DOUBLE_EQ(model.m_distance, 1.0);
    EXPECT_EQ(model.m_distanceDisplay, UnitM);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// An untouched edit shows the model's value rounded; reading it back would move the value, so
// only what the user typed is taken, the same text again included. Taken, the edit counts as
// untouched again; refused, it stays typed into, for the next try.
TEST_F(Binding, OnlyAnEntryTheUserTypedIsTaken)
{
    model.m_distance = 0.0299792458;
    Run([&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(Distance), "29.9792");
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 1);
        d.PressTab();
        EXPECT_EQ(model.m_setterCalls, 0);
        EXPECT_EQ(model.m_distance, 0.0299792458);

        d.TypeInto(Distance, "29.9792");
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 1);
        EXPECT_EQ(model.m_setterCalls, 1);
        EXPECT_FALSE(dialog.IsItemModified(Distance));
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 1);
        EXPECT_EQ(model.m_setterCalls, 1);

        d.TypeInto(Distance, "0");
        // Taken from the edit without leaving it, so only this call applies it.
        dialog.SetFocusItem(IDCANCEL);
        EXPECT_EQ(SetVarFromEdit(&dialog, &model, CTestKorObj::VarDistance, Distance), 0);
        EXPECT_TRUE(dialog.IsItemModified(Distance));
    });
    EXPECT_DOUBLE_EQ(model.m_distance, 0.0299792);
    EXPECT_EQ(host.ErrorsShown().size(), 1u);
}

// The edit rounds to four decimals; its tooltip shows the value it holds exactly, in the unit
// it is shown in, with the decimal separator the edit uses. A value that is not available, or
// not a number, shows none.
TEST_F(Binding, TheToolTipShowsTheValueExactlyInItsDisplayUnit)
{
    model.m_distance = 0.0015;
    Run([&](ScriptedDialog& d) {
        EXPECT_EQ(d.ToolTip(Distance), "1.5 m");
        model.m_distance = 0.0299792458;
        d.Click(Km);
        EXPECT_EQ(d.Text(Distance), "0.03");
        EXPECT_EQ(d.ToolTip(Distance), "0.0299792458 km");
        EXPECT_EQ(d.ToolTip(Count), "");
        // Beyond the range the edit shows in fixed form, the tooltip keeps to the exponent.
        model.m_distance = 123456.25;
        dialog.Refresh();
        EXPECT_EQ(d.Text(Distance), "1.2346e+05");
        EXPECT_EQ(d.ToolTip(Distance), "1.2345625e+05 km");
        model.m_distance = 0.0299792458;

        model.access[CTestKorObj::VarDistance] = VarUnavailable;
        dialog.Refresh();
        EXPECT_EQ(d.Text(Distance), "Not available");
        EXPECT_EQ(d.ToolTip(Distance), "");
        model.access[CTestKorObj::VarDistance] = VarEditable;

        const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            return;
        dialog.Refresh();
        const std::string tip = d.ToolTip(Distance);
        std::setlocale(LC_NUMERIC, previous.c_str());
        EXPECT_EQ(tip, "0,0299792458 km");
    });
}

} // namespace
