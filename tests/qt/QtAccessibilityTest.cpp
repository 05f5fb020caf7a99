// What a screen reader meets in the dialogs: the role and the name of each control, read
// offscreen through Qt's accessibility interfaces.
#include "tests/qt/QtTestSupport.h"

#include "platform/ControlLabels.h"
#include "resources/Resource.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

#include <string>

namespace {

QAccessibleInterface* Accessible(QtDialogWindow& window, int id)
{
    QWidget* widget = window.Control(id);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

TEST(QtAccessibility, UnitButtonsAreAnnouncedAsRadioButtons)
{
    struct Row {
        int templateId;
        int radios;
    };
    // The C/(N+I) tool's pair has no text of its own, which must not make it a pair of check boxes.
    for (const Row row : {Row{IDD_TOOL_FREQ, 8}, Row{IDD_TOOL_PATH, 4}, Row{IDD_TOOL_FOV2, 4}, Row{IDD_TOOL_CTONI, 2}}) {
        SCOPED_TRACE(row.templateId);
        OpenWindow open(row.templateId);
        int seen = 0;
        for (const ControlTemplate& control : open.window.Template().controls) {
            if (control.kind != ControlKind::RadioButton)
                continue;
            SCOPED_TRACE(control.id);
            QAccessibleInterface* radio = Accessible(open.window, control.id);
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->role(), QAccessible::RadioButton);
            ++seen;
        }
        EXPECT_EQ(seen, row.radios);
    }
}

TEST(QtAccessibility, AClickChecksWithinItsOwnGroupOnly)
{
    const int frequencyUnits[] = {IDC_FREQ_GHZ, IDC_FREQ_MHZ, IDC_FREQ_KHZ, IDC_FREQ_HZ};
    const int wavelengthUnits[] = {IDC_FREQ_KM, IDC_FREQ_M, IDC_FREQ_CM, IDC_FREQ_MM};
    RecordingDialog dialog(IDD_TOOL_FREQ);
    dialog.onInit = [](RecordingDialog& self) {
        self.CheckItem(IDC_FREQ_GHZ, true);
        self.CheckItem(IDC_FREQ_M, true);
    };
    RunScripted(dialog, [&](QtDialogWindow& window) {
        // Each button in turn, from either group, the other group keeping its choice.
        int frequency = IDC_FREQ_GHZ;
        int wavelength = IDC_FREQ_M;
        for (int k = 3; k >= 0; --k) {
            for (const int clicked : {frequencyUnits[k], wavelengthUnits[k]}) {
                SCOPED_TRACE(clicked);
                Click(window.Control(clicked));
                if (clicked == frequencyUnits[k])
                    frequency = clicked;
                else
                    wavelength = clicked;
                for (const int id : frequencyUnits)
                    EXPECT_EQ(dialog.IsItemChecked(id), id == frequency) << id;
                for (const int id : wavelengthUnits)
                    EXPECT_EQ(dialog.IsItemChecked(id), id == wavelength) << id;
            }
        }
    });
    EXPECT_EQ(dialog.notifications.size(), 8u);
}

TEST(QtAccessibility, TextlessRadioButtonsAreNamedAfterTheirColumnAndRow)
{
    struct Row {
        int templateId;
        int id;
        const char* name;
    };
    const Row rows[] = {
        {IDD_TOOL_FOV2, IDC_FOV2_FIX_HEIGHT, "Fixed: Satellite Height"},
        {IDD_TOOL_FOV2, IDC_FOV2_FIX_ELEVATION, "Fixed: Elevation Angle on Earth"},
        {IDD_TOOL_FOV2, IDC_FOV2_FIX_NADIR, "Fixed: Angle at Satellite"},
        {IDD_TOOL_FOV2, IDC_FOV2_FIX_DISTANCE, "Fixed: Distance to Earth"},
        // A caption drawn on two lines is read as one.
        {IDD_TOOL_CTONI, IDC_CNI_FIX_CN, "Fixed when vary C/I or C/(N+I): C/N"},
        {IDD_TOOL_CTONI, IDC_CNI_FIX_IN, "Fixed when vary C/I or C/(N+I): I/N"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open(row.templateId);
        QAccessibleInterface* radio = Accessible(open.window, row.id);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->text(QAccessible::Name), QString::fromUtf8(row.name));
    }
    OpenWindow open(IDD_TOOL_FOV2);
    // The edits on those rows keep the name of the label beside them.
    EXPECT_EQ(Accessible(open.window, IDC_FOV2_ELEVATION)->text(QAccessible::Name),
              QStringLiteral("Elevation Angle on Earth"));
    // A button with a text of its own is announced by it.
    OpenWindow freq(IDD_TOOL_FREQ);
    EXPECT_EQ(Accessible(freq.window, IDC_FREQ_MHZ)->text(QAccessible::Name), QStringLiteral("MHz"));
    // A list is named by the label of its closed row, not by one beside the open list's rows.
    OpenWindow offaxis(IDD_TOOL_OFFAXIS);
    EXPECT_EQ(Accessible(offaxis.window, IDC_OFF_PATTERN)->text(QAccessible::Name), QStringLiteral("Pattern"));
}

// Columns of buttons without text under a caption, on rows named at their left.
enum : int { Fix1 = 10, Fix2, Keep1, Keep2, Lone, Titled, RowOnly, CaptionOnly, Edit, Held1, Held2, Spaced };
using K = ControlKind;
const ControlTemplate NamedControls[] = {
    {IDC_STATIC, K::Label, "&Fixed:", 100, 5, 20, 8, 0},
    {IDC_STATIC, K::Label, "Keep", 140, 5, 20, 8, 0},
    {IDC_STATIC, K::Label, "Alone:", 175, 40, 30, 8, 0},
    {IDC_STATIC, K::Label, "First row:", 5, 17, 40, 8, 0},
    {Edit, K::Edit, "", 48, 15, 30, 12, 0},
    {IDC_STATIC, K::Label, "km", 80, 17, 10, 8, 0},
    {Fix1, K::RadioButton, "", 102, 16, 10, 10, CF_GROUP},
    {Keep1, K::CheckBox, "", 142, 16, 10, 10, 0},
        {IDC_STATIC, K::Label, "Second row", 5, 30, 40, 8, 0},
    {Fix2, K::RadioButton, "", 102, 29, 10, 10, 0},
    {Keep2, K::CheckBox, "", 142, 29, 10, 10, 0},
    {CaptionOnly, K::CheckBox, "", 180, 50, 10, 10, 0},
    {Titled, K::RadioButton, "&Titled", 5, 60, 40, 10, CF_GROUP},
    {Lone, K::RadioButton, "", 102, 60, 10, 10, 0},
    {IDC_STATIC, K::Label, "Third:", 5, 81, 40, 8, 0},
    {RowOnly, K::CheckBox, "", 102, 80, 10, 10, 0},
    // A caption over two lines, its break among spaces; row labels with stray whitespace.
    {IDC_STATIC, K::Label, "Held  when \n\tyou vary:", 100, 95, 60, 17, 0},
    {IDC_STATIC, K::Label, " Gain\n", 5, 116, 40, 8, 0},
    {Held1, K::RadioButton, "", 102, 115, 10, 10, CF_GROUP | CF_NOTABSTOP},
    {IDC_STATIC, K::Label, "Noise\r\nfloor:", 5, 128, 40, 16, 0},
    {Held2, K::RadioButton, "", 102, 130, 10, 10, CF_NOTABSTOP},
    {IDC_STATIC, K::Label, "Two\nlines", 5, 150, 40, 16, 0},
    {Spaced, K::Edit, "", 48, 150, 30, 12, 0},
};
const DialogTemplate NamedTemplate = {9002, "Names", 220, 170, "Segoe UI", 8, DS_SYSMENU, NamedControls};

TEST(ControlLabels, ButtonsWithoutTextTakeTheirColumnsCaptionAndTheirRowsLabel)
{
    struct Row {
        int id;
        const char* name;
    };
    const Row rows[] = {
        {Fix1, "Fixed: First row"},   // the row's own label, not the unit label nearer to it
        {Fix2, "Fixed: Second row"},  // the caption stands over the column's top
        {Keep1, "Keep: First row"},   // a caption without a colon
        {Keep2, "Keep: Second row"},
        {CaptionOnly, "Alone"},       // nothing names its row
        {RowOnly, "Third"},           // a button of another kind above is not its column
        {Lone, ""},                   // too far below the column to share its caption
        {Titled, ""},                 // names itself
        {Edit, "First row"},          // inputs keep the label beside them
        // Every line break and run of spaces reads as one space, and none is left at either end.
        {Held1, "Held when you vary: Gain"},
        {Held2, "Held when you vary: Noise floor"},
        {Spaced, "Two lines"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(AccessibleNameFor(NamedTemplate, *NamedTemplate.Find(row.id)), row.name);
    }
}

} // namespace
