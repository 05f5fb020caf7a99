// Labels on screen hold their whole text on whatever face the desktop gives them: a box too
// small for it grows, and the window with it, and the About box leaves room for its texts.
#include "tests/qt/QtTestSupport.h"

#include "resources/Resource.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The room a label's text needs in its box: its wrapped height, or the widest of its lines.
void ExpectTextFits(const QLabel& label)
{
    SCOPED_TRACE(label.text().toStdString());
    if (label.wordWrap()) {
        EXPECT_LE(label.heightForWidth(label.width()), label.height());
        return;
    }
    const QFontMetrics metrics(label.font());
    for (const QString& line : label.text().split(QLatin1Char('\n')))
        EXPECT_LE(metrics.horizontalAdvance(line), label.width());
}

TEST(QtLabelFit, TheAboutBoxHoldsEveryTextWholeAndOkClearOfThem)
{
    OpenWindow open(IDD_ABOUTBOX);
    QDialog* frame = open.window.Frame();
    const QRect inside(QPoint(0, 0), frame->size());
    const QList<QLabel*> labels = frame->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 9); // the icon and eight texts
    QWidget* ok = open.window.Control(IDOK);
    ASSERT_NE(ok, nullptr);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        ExpectTextFits(*label);
        EXPECT_TRUE(inside.contains(label->geometry()));
        EXPECT_FALSE(label->geometry().intersects(ok->geometry()));
        for (const QLabel* other : labels) {
            if (other != label) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry())) << other->text().toStdString();
            }
        }
    }
    EXPECT_TRUE(inside.contains(ok->geometry()));
}

// Boxes of two lines drawn far too small for their texts, one at the window's bottom edge.
enum : int { Wrapped = 100, Edge };
const ControlTemplate SmallControls[] = {
    {Wrapped, ControlKind::Label, "A label of many words wrapped into a box drawn for two short lines", 5, 5, 60, 18, 0},
    {Edge, ControlKind::Label, "A wrapped label at the bottom edge that needs more lines than it was given", 5, 44, 60, 18, 0},
    {IDCANCEL, ControlKind::PushButton, "Close", 70, 5, 40, 14, CF_DEFAULT},
};
const DialogTemplate SmallTemplate = {9003, "Small", 115, 66, "Segoe UI", 8, DS_SYSMENU, SmallControls};

TEST(QtLabelFit, BoxesGrowToTheirTextAndTheWindowWithThem)
{
    OpenWindow open(9003, SmallTemplate);
    QtDialogWindow& window = open.window;
    const DialogUnits& units = window.Units();
    const QSize drawn = units.ToPixels(SmallTemplate);
    QDialog* frame = window.Frame();
    for (const int id : {Wrapped, Edge}) {
        SCOPED_TRACE(id);
        const auto* label = static_cast<QLabel*>(window.Control(id));
        const QRect box = units.ToPixels(*SmallTemplate.Find(id));
        ExpectTextFits(*label);
        // The box keeps its top, left and width, and grows downwards.
        EXPECT_EQ(label->geometry().topLeft(), box.topLeft());
        EXPECT_EQ(label->width(), box.width());
        EXPECT_GT(label->height(), box.height());
    }
    // The bottom label took the window's edge down with it, keeping the margin below it; the
    // window is as wide as it was drawn.
    const QRect edge = window.Control(Edge)->geometry();
    EXPECT_EQ(frame->width(), drawn.width());
    EXPECT_EQ(frame->height() - 1 - edge.bottom(), drawn.height() - 1 - units.ToPixels(*SmallTemplate.Find(Edge)).bottom());
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());

    // A shorter text gives the box back its drawn size; the window stays as it grew.
    const QSize grown = frame->size();
    ASSERT_TRUE(window.SetText(Wrapped, "Short"));
    EXPECT_EQ(window.Control(Wrapped)->geometry(), units.ToPixels(*SmallTemplate.Find(Wrapped)));
    EXPECT_EQ(frame->size(), grown);
}

// Labels drawn too narrow for their texts, each with the edit it labels two units to its right:
// one with room enough on its left, one far too long for it.
enum : int { Short = 110, ShortEdit, Long, LongEdit };
const ControlTemplate BesideControls[] = {
    {ShortEdit, ControlKind::Edit, "", 60, 8, 40, 12, 0},
    {LongEdit, ControlKind::Edit, "", 60, 24, 40, 12, 0},
    {IDCANCEL, ControlKind::PushButton, "Close", 60, 44, 40, 14, CF_DEFAULT},
    {Short, ControlKind::Label, "Noise:", 50, 10, 8, 8, 0},
    {Long, ControlKind::Label, "Thermal Noise Temperature:", 40, 26, 18, 8, 0},
    {IDC_STATIC, ControlKind::GroupBox, "", 5, 2, 100, 38, 0},
};
const DialogTemplate BesideTemplate = {9004, "Beside", 110, 64, "Segoe UI", 8, DS_SYSMENU, BesideControls};

TEST(QtLabelFit, ALabelBesideItsEditGrowsLeftKeepingItsGapAsFarAsItsGroupAllows)
{
    OpenWindow open(9004, BesideTemplate);
    const DialogUnits& units = open.window.Units();
    const int groupEdge = units.ToPixels(BesideControls[5]).left() + units.ToPixelsX(2);
    for (const auto& [id, editId] : {std::pair{Short, ShortEdit}, std::pair{Long, LongEdit}}) {
        SCOPED_TRACE(id);
        const QRect label = open.window.Control(id)->geometry();
        const QRect drawn = units.ToPixels(*BesideTemplate.Find(id));
        const QRect edit = open.window.Control(editId)->geometry();
        ExpectTextFits(*static_cast<QLabel*>(open.window.Control(id)));
        EXPECT_LT(label.left(), drawn.left());
        if (id == Short) {
            EXPECT_EQ(edit.left() - label.right(), edit.left() - drawn.right());
        } else {
            // It stops at the group's edge and only then grows towards the edit.
            EXPECT_EQ(label.left(), groupEdge);
            EXPECT_GT(label.right(), drawn.right());
        }
    }
}

} // namespace
