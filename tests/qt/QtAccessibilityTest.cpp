// What a screen reader meets in the dialogs: the role and the name of each control, read
// offscreen through Qt's accessibility interfaces.
#include "tests/qt/QtTestSupport.h"

#include "resources/Resource.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

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
    for (const Row row : {Row{IDD_TOOL_FREQ, 8}, Row{IDD_TOOL_PATH, 4}}) {
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

} // namespace
