// What every tool dialog does the same way, checked once over every tool:
// - text typed and not applied is lost when the dialog closes, where the edit has no leave
//   handler (or one that applies nothing);
// - Enter, Escape and the close box apply an edit that applies on leaving exactly once, as
//   leaving it would;
// - a refused entry beeps, shows the error once and leaves the model as it was;
// - the window menu copies the tool's values, or the command line that gives them, and
//   changes nothing.
#include "dialogs/ToolCtoNI.h"
#include "dialogs/ToolFoV1.h"
#include "dialogs/ToolFoV2.h"
#include "dialogs/ToolFreq.h"
#include "dialogs/ToolGain.h"
#include "dialogs/ToolGtoT.h"
#include "dialogs/ToolLink.h"
#include "dialogs/ToolOffaxis.h"
#include "dialogs/ToolPFD.h"
#include "dialogs/ToolPath.h"
#include "dialogs/ToolSpread.h"
#include "dialogs/ToolT3dB.h"
#include "dialogs/ToolTemp.h"
#include "dialogs/TooldB.h"
#include "framework/ValueReport.h"
#include "models/KOTCtoNI.h"
#include "models/KOTDB.h"
#include "models/KOTFOV1.h"
#include "models/KOTFOV2.h"
#include "models/KOTFreq.h"
#include "models/KOTGain.h"
#include "models/KOTGtoT.h"
#include "models/KOTLink.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"
#include "models/KOTPath.h"
#include "models/KOTSpread.h"
#include "models/KOTT3dB.h"
#include "models/KOTTemp.h"
#include "models/ToolCatalog.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A fresh model of one tool, opened the way the launcher opens it.
class OpenTool {
public:
    virtual ~OpenTool() = default;
    virtual CKorObj& Model() = 0;
    virtual int RunDialog() = 0;
};

template <class ToolModel>
class OpenToolOf final : public OpenTool {
public:
    CKorObj& Model() override { return m_model; }
    int RunDialog() override { return m_model.RunDialog(); }

private:
    ToolModel m_model;
};

template <class ToolModel>
std::unique_ptr<OpenTool> Make()
{
    return std::make_unique<OpenToolOf<ToolModel>>();
}

enum class Applied {
    ByButton, // a button applies the entry; leaving the edit applies nothing
    OnLeaving,
};

struct ToolCase {
    const char* name;
    int templateId;
    std::unique_ptr<OpenTool> (*make)();
    int edit;
    const char* accepted; // a text the edit's variable takes
    const char* refused;  // a text outside the variable's limits
    Applied applied;
    int applyButton;      // for Applied::ByButton
    bool refusedTextStays; // false: the refresh puts the model's value back in the edit
};

void PrintTo(const ToolCase& tool, std::ostream* out)
{
    *out << tool.name;
}

const ToolCase Tools[] = {
    {"decibel", IDD_TOOL_DB, &Make<CKOTDB>, IDC_DB_ABSOLUTE, "100", "0", Applied::ByButton, IDC_DB_TO_DB, false},
    {"frequency", IDD_TOOL_FREQ, &Make<CKOTFreq>, IDC_FREQ_FREQUENCY, "14", "0", Applied::ByButton,
     IDC_FREQ_TO_WAVELENGTH, false},
    {"spreading loss", IDD_TOOL_SPREAD, &Make<CKOTSpread>, IDC_SPREAD_DISTANCE, "1000", "0", Applied::ByButton,
     IDC_SPREAD_CALC_LOSS, false},
    {"path loss", IDD_TOOL_PATH, &Make<CKOTPath>, IDC_PATH_DISTANCE, "1000", "0.0005", Applied::ByButton,
     IDC_PATH_CALC_LOSS, true},
    {"noise temperature", IDD_TOOL_TEMP, &Make<CKOTTemp>, IDC_TEMP_TEMPERATURE, "600", "0", Applied::ByButton,
     IDC_TEMP_CALC_NOISE, true},
    {"peak gain", IDD_TOOL_GAIN, &Make<CKOTGain>, IDC_GAIN_DISH, "3", "0.0005", Applied::ByButton,
     IDC_GAIN_CALC_GAIN, true},
    // Leaving these two tools' edits reaches a handler that deliberately applies nothing.
    {"beamwidth", IDD_TOOL_T3DB, &Make<CKOTT3dB>, IDC_T3DB_EFFICIENCY, "0.5", "2", Applied::ByButton,
     IDC_T3DB_CALC_BEAMWIDTH, true},
    {"off-axis gain", IDD_TOOL_OFFAXIS, &Make<CKOTOff>, IDC_OFF_ANGLE, "10", "200", Applied::ByButton,
     IDC_OFF_CALC_RELATIVE, true},
    {"G/T", IDD_TOOL_GTOT, &Make<CKOTGtoT>, IDC_GTOT_TEMPERATURE, "600", "0", Applied::OnLeaving, 0, false},
    {"orbit period", IDD_TOOL_FOV1, &Make<CKOTFOV1>, IDC_FOV1_HEIGHT, "1000", "0", Applied::OnLeaving, 0, false},
    // A refused field-of-view entry is not refreshed over: the text stays for correction.
    {"link budget", IDD_TOOL_LINK, &Make<CKOTLink>, IDC_LINK_FREQUENCY, "14", "4e6", Applied::OnLeaving, 0, false},
    {"PFD", IDD_TOOL_PFD, &Make<CKOTPFD>, IDC_PFD_SPREADING, "170", "600", Applied::OnLeaving, 0, false},
    {"C/(N+I)", IDD_TOOL_CTONI, &Make<CKOTCtoNI>, IDC_CNI_CN, "20", "3001", Applied::OnLeaving, 0, false},
    {"field of view", IDD_TOOL_FOV2, &Make<CKOTFOV2>, IDC_FOV2_ELEVATION, "30", "100", Applied::OnLeaving, 0,
     true},
};

// The id that Enter ends the tool with: its default button's.
int DefaultButton(int templateId)
{
    for (const ControlTemplate& control : FindDialogTemplate(templateId)->controls)
        if (control.kind == ControlKind::PushButton && (control.flags & CF_DEFAULT))
            return control.id;
    return IDOK;
}

class ToolDialogShared : public ::testing::TestWithParam<ToolCase> {
protected:
    // Opens a fresh model's tool, plays the script and returns the model's values afterwards.
    static std::vector<double> Run(ScriptedHost& host, const DialogScript& script)
    {
        const ToolCase& tool = GetParam();
        std::unique_ptr<OpenTool> open = tool.make();
        host.OnDialog(tool.templateId, script);
        EXPECT_EQ(open->RunDialog(), 1);
        EXPECT_EQ(host.PendingScripts(tool.templateId), 0u);
        return RealValues(open->Model());
    }

    static std::vector<double> Untouched() { return RealValues(GetParam().make()->Model()); }
};

TEST_P(ToolDialogShared, ClosingAppliesAFocusedEntryOnlyWhereLeavingItWould)
{
    const ToolCase& tool = GetParam();
    for (const Closing& closing : AllClosings) {
        SCOPED_TRACE(closing.name);
        ScriptedHost host;
        const std::vector<double> closed = Run(host, [&](ScriptedDialog& d) {
            d.TypeInto(tool.edit, tool.accepted);
            (d.*closing.press)();
            EXPECT_TRUE(d.Ended());
            const bool enter = closing.press == &ScriptedDialog::PressEnter;
            EXPECT_EQ(d.Result(), enter ? DefaultButton(tool.templateId) : IDCANCEL);
        });
        EXPECT_TRUE(host.ErrorsShown().empty());

        if (tool.applied == Applied::ByButton) {
            EXPECT_EQ(closed, Untouched()) << "the typed text reached the model";
            continue;
        }
        // What closing applied is exactly what leaving the edit with Tab applies.
        ScriptedHost leavingHost;
        const std::vector<double> left = Run(leavingHost, [&](ScriptedDialog& d) {
            d.TypeInto(tool.edit, tool.accepted);
            d.PressTab();
        });
        EXPECT_NE(left, Untouched());
        EXPECT_EQ(closed, left);
    }
}

TEST_P(ToolDialogShared, ARefusedEntryClosedFromTheKeyboardIsReportedOnce)
{
    const ToolCase& tool = GetParam();
    for (const Closing& closing : AllClosings) {
        SCOPED_TRACE(closing.name);
        ScriptedHost host;
        const std::vector<double> after = Run(host, [&](ScriptedDialog& d) {
            d.TypeInto(tool.edit, tool.refused);
            (d.*closing.press)();
            EXPECT_TRUE(d.Ended());
        });
        EXPECT_EQ(after, Untouched());
        const std::size_t expected = tool.applied == Applied::OnLeaving ? 1u : 0u;
        EXPECT_EQ(host.ErrorsShown().size(), expected);
        EXPECT_EQ(host.Beeps().size(), expected);
    }
}

TEST_P(ToolDialogShared, ARefusedEntryBeepsShowsWhyAndChangesNothing)
{
    const ToolCase& tool = GetParam();
    ScriptedHost host;
    std::string shownBefore;
    const std::vector<double> after = Run(host, [&](ScriptedDialog& d) {
        shownBefore = d.Text(tool.edit);
        d.TypeInto(tool.edit, tool.refused);
        if (tool.applied == Applied::ByButton)
            d.Click(tool.applyButton);
        else
            d.PressTab();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.Text(tool.edit), tool.refusedTextStays ? std::string(tool.refused) : shownBefore);
    });
    EXPECT_EQ(after, Untouched());
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_NE(host.ErrorsShown()[0].explanation.find("which is"), std::string::npos)
        << host.ErrorsShown()[0].explanation;
    EXPECT_EQ(host.Beeps(), std::vector<unsigned>{MB_ERRORBEEP});
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{tool.templateId, IDD_ERRORMSG}));
}

TEST_P(ToolDialogShared, TheWindowMenuCopiesTheValuesAndTheCommandThatGivesThem)
{
    const ToolCase& tool = GetParam();
    ScriptedHost host;
    std::unique_ptr<OpenTool> open = tool.make();
    const CKorObj& model = open->Model();
    const CatalogTool* catalogTool = CatalogToolOf(model);
    ASSERT_NE(catalogTool, nullptr);
    const std::vector<double> before = RealValues(model);
    const int calcVarBefore = model.GetCalcVar();

    host.OnDialog(tool.templateId, [&](ScriptedDialog& d) {
        const std::vector<std::string> menu = d.WindowMenu();
        ASSERT_GE(menu.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(menu.end() - 2, menu.end()),
                  (std::vector<std::string>{"Copy Values", "Copy as Command"}));
        const int focus = d.Focus();

        d.ChooseFromWindowMenu("Copy Values");
        EXPECT_EQ(host.ClipboardText(), FormatValueLines(model));
        d.ChooseFromWindowMenu("Copy as Command");
        EXPECT_EQ(host.ClipboardText(), CommandLineFor(*catalogTool, model));
        EXPECT_EQ(host.ClipboardWrites(), 2);

        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.Focus(), focus);
    });
    EXPECT_EQ(open->RunDialog(), 1);
    EXPECT_EQ(host.PendingScripts(tool.templateId), 0u);
    EXPECT_EQ(RealValues(model), before);
    EXPECT_EQ(model.GetCalcVar(), calcVarBefore);
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(host.DialogsRun(), std::vector<int>{tool.templateId});
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolDialogShared, ::testing::ValuesIn(Tools),
                         [](const ::testing::TestParamInfo<ToolCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

} // namespace
