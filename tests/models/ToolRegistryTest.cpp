// The registry is the one list of tools: each tool once, and everything that goes through the
// tools sees them in the registry's order, the records of kortools.dat in their own.
#include "framework/ErrorSink.h"
#include "models/ToolRegistry.h"
#include "platform/DialogTemplate.h"
#include "resources/Resource.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

TEST(ToolRegistry, EachToolOnceWithItsButtonDialogRecordAndModel)
{
    const auto models = std::make_unique<ToolModels>();
    const DialogTemplate* launcher = FindDialogTemplate(IDD_KORTOOLS_DIALOG);
    ASSERT_NE(launcher, nullptr);
    std::set<std::string> names;
    std::set<int> buttons, dialogs, records;
    std::set<const CKorObj*> toolModels;
    for (const RegisteredTool& tool : RegisteredTools()) {
        SCOPED_TRACE(tool.name);
        names.insert(tool.name);
        buttons.insert(tool.launcherButton);
        dialogs.insert(tool.dialogTemplate);
        if (tool.record > 0)
            records.insert(tool.record);
        toolModels.insert(&tool.model(*models));
        EXPECT_EQ(FindTool(tool.name), &tool);
        EXPECT_EQ(FindToolByButton(tool.launcherButton), &tool);
        EXPECT_EQ(ToolOf(tool.model(*models)), &tool);
        ASSERT_NE(launcher->Find(tool.launcherButton), nullptr);
        EXPECT_EQ(LauncherCaption(tool), launcher->Find(tool.launcherButton)->text);
        EXPECT_NE(FindDialogTemplate(tool.dialogTemplate), nullptr);
        EXPECT_EQ(tool.fixedVar == nullptr, tool.setFixedVar == nullptr);
        EXPECT_EQ(tool.receiveGainFlag == nullptr, tool.setReceiveGainFlag == nullptr);
    }
    const std::size_t count = RegisteredTools().size();
    EXPECT_EQ(count, static_cast<std::size_t>(ToolCount));
    for (const auto size : {names.size(), buttons.size(), dialogs.size(), toolModels.size()})
        EXPECT_EQ(size, count);
    // kortools.dat keeps the fourteen tools it always had, numbered 1 to 14.
    EXPECT_EQ(records.size(), 14u);
    EXPECT_EQ(*records.begin(), 1);
    EXPECT_EQ(*records.rbegin(), 14);
    EXPECT_EQ(FindTool("LINK"), nullptr);
    EXPECT_EQ(FindToolByButton(IDC_LOGO), nullptr);
    // The C/(N+I) tool's own links are link budgets like any other.
    EXPECT_EQ(ToolOf(models->ctoni.m_wanted), FindTool("link"));
}

TEST(ToolRegistry, TheRecordsAreVisitedInTheirNumberedOrder)
{
    const auto models = std::make_unique<ToolModels>();
    std::vector<const CKorObj*> visited;
    ForEachToolRecord(*models, [&](const CKorObj& model) { visited.push_back(&model); });
    ASSERT_EQ(visited.size(), static_cast<std::size_t>(ToolRecordCount));
    for (const RegisteredTool& tool : RegisteredTools()) {
        if (tool.record > 0) {
            EXPECT_EQ(visited[static_cast<std::size_t>(tool.record - 1)], &tool.model(*models)) << tool.name;
        }
    }
}

// The tools kept in kortools.json derive every result from their entries at once: a result,
// typed as it shows, is refused as fixed and moves nothing.
TEST(ToolRegistry, TheLinkDesignToolsResultsAreNeverTyped)
{
    const auto models = std::make_unique<ToolModels>();
    for (const RegisteredTool& tool : RegisteredTools()) {
        if (tool.record != 0)
            continue;
        CKorObj& model = tool.model(*models);
        for (int index = VarIndexDescription + 1; index < model.GetVarCount(); ++index) {
            if (model.GetVarAccess(index) == VarEditable)
                continue;
            SCOPED_TRACE(std::string(tool.name) + " " + std::to_string(index));
            std::string text;
            model.GetValueText(index, text);
            ErrorSink refused;
            const std::vector<double> before = RealValues(model);
            EXPECT_EQ(model.SetValueFromText(index, text, refused), 0);
            EXPECT_EQ(refused.Code, ErrorVariableFixed);
            EXPECT_EQ(RealValues(model), before);
        }
    }
}
