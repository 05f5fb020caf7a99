// Every dialog on screen keeps its template's layout on this face: a group box's frame runs
// above the controls it holds, not through them, and no label reaches into a control or up to
// its edge.
#include "tests/qt/QtTestSupport.h"

#include "models/ToolRegistry.h"
#include "resources/Resource.h"

#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> EveryDialog()
{
    std::vector<int> ids{IDD_KORTOOLS_DIALOG, IDD_ABOUTBOX, IDD_ERRORMSG};
    for (const RegisteredTool& tool : RegisteredTools())
        ids.push_back(tool.dialogTemplate);
    return ids;
}

// The first row, from the top, that the box draws anything on at a column away from its title.
int FrameTop(QWidget& box)
{
    const QImage image = box.grab().toImage();
    const int x = image.width() - 3;
    const QRgb background = image.pixel(x, 0);
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != background)
            return y;
    return image.height();
}

TEST(QtTemplateLayout, GroupFramesRunAboveTheirControlsAndLabelsKeepClearOfControls)
{
    for (const int id : EveryDialog()) {
        SCOPED_TRACE(id);
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        OpenWindow open(id);
        const DialogUnits& units = open.window.Units();
        std::vector<std::pair<const ControlTemplate*, QWidget*>> controls;
        for (const ControlTemplate& control : dialogTemplate->controls)
            if (QWidget* widget = open.window.Control(control.id); widget && control.id != IDC_STATIC)
                controls.emplace_back(&control, widget);

        for (const ControlTemplate& group : dialogTemplate->controls) {
            if (group.kind != ControlKind::GroupBox)
                continue;
            const QRect drawn = units.ToPixels(group);
            // Group boxes have no id of their own; the widget is the one drawn where the template
            // put it.
            QGroupBox* box = nullptr;
            for (QGroupBox* candidate : open.window.Frame()->findChildren<QGroupBox*>())
                if (candidate->geometry() == drawn)
                    box = candidate;
            ASSERT_NE(box, nullptr);
            const int frameTop = drawn.top() + FrameTop(*box);
            for (const auto& [control, widget] : controls) {
                if (drawn.contains(units.ToPixels(*control)) && control->kind != ControlKind::Label) {
                    EXPECT_LT(frameTop, widget->geometry().top()) << "control " << control->id;
                }
            }
        }
        for (QWidget* label : open.window.Frame()->findChildren<QLabel*>()) {
            for (const auto& [control, widget] : controls) {
                if (control->kind != ControlKind::Label && control->kind != ControlKind::GroupBox &&
                    widget != label) {
                    // A pixel's gap at least: text drawn up to an edit's border reads as part of it.
                    EXPECT_FALSE(label->geometry().adjusted(-1, 0, 1, 0).intersects(widget->geometry()))
                        << "label \"" << static_cast<QLabel*>(label)->text().toStdString() << "\", control "
                        << control->id;
                }
            }
        }
    }
}

} // namespace
