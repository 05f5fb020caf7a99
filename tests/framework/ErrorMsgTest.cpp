// What the user is shown when an entry is refused.
#include "framework/ErrorMsg.h"

#include "platform/DialogHost.h"
#include "resources/Resource.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(ErrorMsg, RangeWarningsAndCodedErrorsShowTheirThreeTextsAfterABeep)
{
    ErrorSink range;
    range.RealRangeWarning(5000, 3000, "dB value", "dB");
    ErrorSink fixed;
    fixed.SetError(ErrorVariableFixed);
    for (const ErrorSink* sink : {&range, &fixed}) {
        SCOPED_TRACE(sink->Problem);
        ScriptedHost host;
        host.OnDialog(IDD_ERRORMSG, [&](ScriptedDialog& d) {
            EXPECT_EQ(host.Beeps(), std::vector<unsigned>{MB_ERRORBEEP});
            EXPECT_STREQ(d.Dialog().Template()->caption, "Error Message");
            EXPECT_EQ(d.Text(IDC_ERR_PROBLEM), sink->Problem);
            EXPECT_EQ(d.Text(IDC_ERR_EXPLANATION), sink->Explanation);
            EXPECT_EQ(d.Text(IDC_ERR_SUGGESTION), sink->Suggestion);
            // The texts stay enabled, to be read in the normal colours and copied; the dialog
            // still opens on its one action, closing it.
            for (const int id : {IDC_ERR_PROBLEM, IDC_ERR_EXPLANATION, IDC_ERR_SUGGESTION})
                EXPECT_TRUE(d.Enabled(id)) << id;
            EXPECT_EQ(d.Focus(), IDOK);
            d.PressEnter();
            EXPECT_EQ(d.Result(), IDOK);
        });
        const ErrorSink before = *sink;
        sink->ShowError();
        EXPECT_EQ(host.Beeps(), std::vector<unsigned>{5});
        EXPECT_EQ(host.DialogsRun(), std::vector<int>{IDD_ERRORMSG});
        EXPECT_EQ(sink->Explanation, before.Explanation);
        EXPECT_EQ(sink->Code, before.Code);
    }
}

TEST(ErrorMsg, AnEmptySuggestionLeavesItsEditEmpty)
{
    ScriptedHost host;
    ErrorSink sink;
    sink.Suggestion.clear();
    sink.ShowError();
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Unknown error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation, "An error with an unknown code has been detected");
    EXPECT_EQ(host.ErrorsShown()[0].suggestion, "");
}

TEST(ErrorMsg, ClosesByEscapeOrCloseBoxAndDisablesTheDialogBeneathMeanwhile)
{
    const std::function<void(ScriptedDialog&)> closers[] = {
        [](ScriptedDialog& d) { d.PressEscape(); },
        [](ScriptedDialog& d) { d.CloseBox(); },
        [](ScriptedDialog& d) { d.Click(IDOK); },
    };
    ScriptedHost host;
    // Any running dialog will do as the one beneath; its run takes the first script.
    host.OnDialog(IDD_ERRORMSG, [](ScriptedDialog&) {
        for (int i = 0; i < 3; ++i)
            ErrorSink().ShowError();
    });
    for (const auto& close : closers) {
        host.OnDialog(IDD_ERRORMSG, [&](ScriptedDialog& d) {
            EXPECT_EQ(host.Depth(), 2);
            close(d);
            EXPECT_TRUE(d.Ended());
        });
    }
    CErrorMsg beneath{ErrorSink()};
    beneath.DoModal();
    EXPECT_EQ(host.DialogsRun().size(), 4u);
    for (std::size_t run = 1; run < 4; ++run)
        EXPECT_TRUE(host.OwnerWasDisabled(run)) << run;
    EXPECT_EQ(host.Depth(), 0);
}

TEST(ErrorMsg, WithoutAHostNothingIsShownAndNothingBreaks)
{
    ASSERT_EQ(GetDialogHost(), nullptr);
    ErrorSink().ShowError();
}

} // namespace
