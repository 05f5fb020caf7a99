// What every tool dialog does the same way, checked once over every tool:
// - text typed and not applied is lost when the dialog closes, where the edit has no leave
//   handler (or one that applies nothing);
// - Enter, Escape and the close box apply an edit that applies on leaving exactly once, as
//   leaving it would;
// - a refused entry beeps, shows the error once and leaves the model as it was;
// - the window menu copies the tool's values, or the command line that gives them, and
//   changes nothing;
// - nothing the user has not typed reaches the model: tabbing through the tool and closing it
//   moves no value by a single bit, and a "Calculate" button over untouched edits only picks
//   its variable to derive.
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
#include "framework/Units.h"
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
#include "state/ToolState.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A fresh set of models, one tool of which is opened the way the launcher opens it.
class OpenTool {
public:
    explicit OpenTool(const char* name) : m_tool(*FindTool(name)), m_models(std::make_unique<ToolModels>()) {}
    CKorObj& Model() { return m_tool.model(*m_models); }
    int RunDialog() { return m_tool.runDialog(*m_models); }

    // Every value of every tool, each real by the shortest text that reads back as exactly it
    // (two doubles that differ in the last bit read differently), each tool's derived variable,
    // and the bytes kortools.dat would hold.
    std::vector<std::string> Held() const
    {
        std::vector<std::string> held;
        for (const RegisteredTool& tool : RegisteredTools()) {
            const CKorObj& model = tool.model(*m_models);
            held.push_back(std::string(tool.name) + " derives " + std::to_string(model.GetCalcVar()));
            for (int index = 2; index < model.GetVarCount(); ++index) {
                double real = 0;
                int whole = 0;
                std::string value = model.GetRealVar(index, real) ? ExactNumberText(real)
                                    : model.GetIntVar(index, whole) ? std::to_string(whole)
                                                                    : "-";
                held.push_back(std::string(tool.name) + " " + std::to_string(index) + " = " + value);
            }
        }
        std::FILE* file = std::tmpfile();
        WriteToolStates(file, *m_models);
        std::rewind(file);
        std::string saved;
        for (int c; (c = std::fgetc(file)) != EOF;)
            saved += static_cast<char>(c);
        std::fclose(file);
        held.push_back("saved " + saved);
        return held;
    }

private:
    const RegisteredTool& m_tool;
    std::unique_ptr<ToolModels> m_models;
};

// The dialog the tool's model runs.
int TemplateOf(const char* name)
{
    return FindTool(name)->dialogTemplate;
}

enum class Applied {
    ByButton, // a button applies the entry; leaving the edit applies nothing
    OnLeaving,
};

struct ToolCase {
    const char* name; // on the command line
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
    {"db", IDC_DB_ABSOLUTE, "100", "0", Applied::ByButton, IDC_DB_TO_DB, false},
    {"freq", IDC_FREQ_FREQUENCY, "14", "0", Applied::ByButton,
     IDC_FREQ_TO_WAVELENGTH, false},
    {"spread", IDC_SPREAD_DISTANCE, "1000", "0", Applied::ByButton,
     IDC_SPREAD_CALC_LOSS, false},
    {"path", IDC_PATH_DISTANCE, "1000", "0.0005", Applied::ByButton,
     IDC_PATH_CALC_LOSS, true},
    {"noise", IDC_TEMP_TEMPERATURE, "600", "0", Applied::ByButton,
     IDC_TEMP_CALC_NOISE, true},
    {"gain", IDC_GAIN_DISH, "3", "0.0005", Applied::ByButton,
     IDC_GAIN_CALC_GAIN, true},
    // Leaving these two tools' edits reaches a handler that deliberately applies nothing.
    {"beamwidth", IDC_T3DB_EFFICIENCY, "0.5", "2", Applied::ByButton,
     IDC_T3DB_CALC_BEAMWIDTH, true},
    {"offaxis", IDC_OFF_ANGLE, "10", "200", Applied::ByButton,
     IDC_OFF_CALC_RELATIVE, true},
    {"gt", IDC_GTOT_TEMPERATURE, "600", "0", Applied::OnLeaving, 0, false},
    {"period", IDC_FOV1_HEIGHT, "1000", "0", Applied::OnLeaving, 0, false},
    // A refused field-of-view entry is not refreshed over: the text stays for correction.
    {"link", IDC_LINK_FREQUENCY, "14", "4e6", Applied::OnLeaving, 0, false},
    {"pfd", IDC_PFD_SPREADING, "170", "600", Applied::OnLeaving, 0, false},
    {"cni", IDC_CNI_CN, "20", "3001", Applied::OnLeaving, 0, false},
    {"fov", IDC_FOV2_ELEVATION, "30", "100", Applied::OnLeaving, 0,
     true},
    {"atmos", IDC_ATMOS_ELEVATION, "40", "100", Applied::OnLeaving, 0, false},
    {"look", IDC_LOOK_LATITUDE, "40", "100", Applied::OnLeaving, 0, false},
    {"margin", IDC_MARGIN_CN, "12", "200", Applied::OnLeaving, 0, false},
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
        OpenTool open(tool.name);
        host.OnDialog(TemplateOf(tool.name), script);
        EXPECT_EQ(open.RunDialog(), 1);
        EXPECT_EQ(host.PendingScripts(TemplateOf(tool.name)), 0u);
        return RealValues(open.Model());
    }

    static std::vector<double> Untouched() { return RealValues(OpenTool(GetParam().name).Model()); }
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
            EXPECT_EQ(d.Result(), enter ? DefaultButton(TemplateOf(tool.name)) : IDCANCEL);
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
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{TemplateOf(tool.name), IDD_ERRORMSG}));
}

TEST_P(ToolDialogShared, TheWindowMenuCopiesTheValuesAndTheCommandThatGivesThem)
{
    const ToolCase& tool = GetParam();
    ScriptedHost host;
    OpenTool open(tool.name);
    const CKorObj& model = open.Model();
    const RegisteredTool* catalogTool = ToolOf(model);
    ASSERT_NE(catalogTool, nullptr);
    const std::vector<double> before = RealValues(model);
    const int calcVarBefore = model.GetCalcVar();

    host.OnDialog(TemplateOf(tool.name), [&](ScriptedDialog& d) {
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
    EXPECT_EQ(open.RunDialog(), 1);
    EXPECT_EQ(host.PendingScripts(TemplateOf(tool.name)), 0u);
    EXPECT_EQ(RealValues(model), before);
    EXPECT_EQ(model.GetCalcVar(), calcVarBefore);
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(host.DialogsRun(), std::vector<int>{TemplateOf(tool.name)});
}

// Every edit of every tool shows in its tooltip the figure it rounds: rounded as the edit
// rounds, the tooltip's number gives the edit's text, and a unit may follow it.
TEST_P(ToolDialogShared, EachEditsToolTipHoldsTheFigureItShowsRounded)
{
    const ToolCase& tool = GetParam();
    ScriptedHost host;
    Run(host, [&](ScriptedDialog& d) {
        for (const ControlTemplate& control : FindDialogTemplate(TemplateOf(tool.name))->controls) {
            if (control.kind != ControlKind::Edit)
                continue;
            const std::string tip = d.ToolTip(control.id);
            SCOPED_TRACE(testing::Message() << "edit " << control.id << " \"" << d.Text(control.id) << "\", tip \""
                                            << tip << "\"");
            char* end = nullptr;
            const double exact = std::strtod(tip.c_str(), &end);
            ASSERT_NE(end, tip.c_str());
            EXPECT_EQ(FormatNumber(exact), d.Text(control.id));
            EXPECT_TRUE(*end == '\0' || *end == ' ');
        }
    });
}

// The edits show values rounded to four decimals; read back, they would move the model. Only
// what the user typed may reach it, so passing through every control and closing the tool,
// however it is closed, leaves every value of every tool exactly as it was.
TEST_P(ToolDialogShared, TabbingThroughAndClosingWithoutTypingChangesNothing)
{
    const ToolCase& tool = GetParam();
    for (const Closing& closing : AllClosings) {
        SCOPED_TRACE(closing.name);
        ScriptedHost host;
        OpenTool open(tool.name);
        const std::vector<std::string> before = open.Held();
        host.OnDialog(TemplateOf(tool.name), [&](ScriptedDialog& d) {
            const int first = d.Focus();
            int stops = 0;
            do {
                d.PressTab();
                ++stops;
            } while (d.Focus() != first && stops < 100);
            EXPECT_GT(stops, 1);
            EXPECT_EQ(d.Focus(), first);
            (d.*closing.press)();
            EXPECT_TRUE(d.Ended());
        });
        EXPECT_EQ(open.RunDialog(), 1);
        EXPECT_EQ(host.PendingScripts(TemplateOf(tool.name)), 0u);
        EXPECT_EQ(open.Held(), before);
        EXPECT_TRUE(host.ErrorsShown().empty());
        EXPECT_TRUE(host.Beeps().empty());
    }
}

// A button that reads the tool's edits, pressed with none of them typed into: the arrows and
// buttons that apply one entry change nothing, a "Calculate" button of a tool that derives a
// chosen variable makes its variable that one and moves no value, and the G/T tool, whose
// buttons work from the values held, moves only the quantity its button works out, which it
// then remembers as the one derived.
TEST(ToolDialogSharedButtons, AButtonOverUntouchedEditsTakesNothingFromThem)
{
    enum class Effect { Nothing, ChoosesDerived, WorksOut };
    const struct {
        const char* tool;
        int button;
        Effect effect;
        int var;
    } rows[] = {
        {"db", IDC_DB_TO_DB, Effect::Nothing, 0},
        {"db", IDC_DB_TO_ABSOLUTE, Effect::Nothing, 0},
        {"freq", IDC_FREQ_TO_WAVELENGTH, Effect::Nothing, 0},
        {"freq", IDC_FREQ_TO_FREQUENCY, Effect::Nothing, 0},
        {"spread", IDC_SPREAD_CALC_DISTANCE, Effect::Nothing, 0},
        {"spread", IDC_SPREAD_CALC_LOSS, Effect::Nothing, 0},
        {"path", IDC_PATH_CALC_DISTANCE, Effect::ChoosesDerived, CKOTPath::VarDistance},
        {"path", IDC_PATH_CALC_FREQUENCY, Effect::ChoosesDerived, CKOTPath::VarFrequency},
        {"noise", IDC_TEMP_CALC_TEMPERATURE, Effect::ChoosesDerived, CKOTTemp::VarTemperature},
        {"noise", IDC_TEMP_CALC_NOISE, Effect::ChoosesDerived, CKOTTemp::VarNoise},
        {"gain", IDC_GAIN_CALC_DISH, Effect::ChoosesDerived, CKOTGain::VarDishSize},
        {"gain", IDC_GAIN_CALC_FREQUENCY, Effect::ChoosesDerived, CKOTGain::VarFrequency},
        {"beamwidth", IDC_T3DB_CALC_GAIN, Effect::ChoosesDerived, CKOTT3dB::VarPeakGain},
        {"beamwidth", IDC_T3DB_CALC_EFFICIENCY, Effect::ChoosesDerived, CKOTT3dB::VarEfficiency},
        {"offaxis", IDC_OFF_CALC_ANGLE, Effect::ChoosesDerived, CKOTOff::VarOffAxisAngle},
        {"offaxis", IDC_OFF_CALC_BEAMWIDTH, Effect::ChoosesDerived, CKOTOff::VarBeamwidth},
        {"gt", IDC_GTOT_CALC_GAIN, Effect::WorksOut, CKOTGtoT::VarPeakGain},
        {"gt", IDC_GTOT_CALC_TEMPERATURE, Effect::WorksOut, CKOTGtoT::VarTemperature},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.tool << " button " << row.button);
        ScriptedHost host;
        OpenTool open(row.tool);
        CKorObj& model = open.Model();
        const std::vector<double> before = RealValues(model);
        const int derivedBefore = model.GetCalcVar();
        if (row.effect == Effect::ChoosesDerived) {
            EXPECT_NE(derivedBefore, row.var) << "the button would not change what the tool derives";
        }
        host.OnDialog(TemplateOf(row.tool), [&](ScriptedDialog& d) { d.Click(row.button); });
        EXPECT_EQ(open.RunDialog(), 1);
        std::vector<double> after = RealValues(model);
        if (row.effect == Effect::WorksOut)
            after[row.var] = before[row.var];
        for (std::size_t index = 0; index < before.size(); ++index)
            EXPECT_EQ(ExactNumberText(after[index]), ExactNumberText(before[index])) << "variable " << index;
        EXPECT_EQ(model.GetCalcVar(), row.effect == Effect::Nothing ? derivedBefore : row.var);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolDialogSharedCases, CoverEveryTool)
{
    for (const RegisteredTool& tool : RegisteredTools())
        EXPECT_TRUE(std::any_of(std::begin(Tools), std::end(Tools),
                                [&](const ToolCase& row) { return std::string(row.name) == tool.name; }))
            << tool.name;
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
