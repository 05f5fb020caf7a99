// A dialog's window built from its template, examined and used without a modal run.
#include "tests/qt/QtTestSupport.h"

#include "platform/qt/DialogUnits.h"
#include "resources/Resource.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>
#include <vector>

namespace {

constexpr int PatternList = 500;

// A list beside its label, which no program template has yet.
const ControlTemplate ListControls[] = {
    {IDC_STATIC, ControlKind::Label, "&Pattern:", 7, 9, 40, 8, 0},
    {PatternList, ControlKind::DropDownList, "", 50, 7, 100, 60, 0},
    {IDCANCEL, ControlKind::PushButton, "Close", 50, 40, 50, 14, CF_DEFAULT},
};
const DialogTemplate ListTemplate = {9001, "List", 160, 60, "Segoe UI", 8, DS_SYSMENU, ListControls};

int Expected(int dialogUnits, int base, int divisor)
{
    return static_cast<int>(std::lround(dialogUnits * static_cast<double>(base) / divisor));
}

TEST(DialogUnits, RoundHalfAwayFromZero)
{
    const DialogUnits units(7, 15);
    EXPECT_EQ(units.ToPixelsX(0), 0);
    EXPECT_EQ(units.ToPixelsX(1), 2); // 1.75
    EXPECT_EQ(units.ToPixelsX(2), 4); // 3.5
    EXPECT_EQ(units.ToPixelsX(3), 5); // 5.25
    EXPECT_EQ(units.ToPixelsY(1), 2); // 1.875
    EXPECT_EQ(units.ToPixelsY(4), 8); // 7.5
    EXPECT_EQ(units.ToPixelsY(-4), -8);
}

TEST(QtDialogWindow, ControlsStandWhereTheirDialogUnitsPutThem)
{
    OpenWindow open(IDD_TOOL_GTOT);
    QDialog* frame = open.window.Frame();
    // The template's face where installed, else the first narrow stand-in, else the desktop's.
    QString face = QApplication::font().family();
    for (const char* candidate : {"Segoe UI", "Liberation Sans", "Arimo", "Arial"}) {
        if (QFontDatabase::families().contains(QLatin1String(candidate), Qt::CaseInsensitive)) {
            face = QLatin1String(candidate);
            break;
        }
    }
    EXPECT_EQ(frame->font().family().toLower(), face.toLower());

    const QFontMetrics metrics(frame->font());
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseX = (width / 26 + 1) / 2;
    const int baseY = metrics.height();
    ASSERT_GT(baseX, 2);
    ASSERT_GT(baseY, 6);

    // Edit 1017 at 67, 22, 88 x 14; the dialog 265 x 128.
    EXPECT_EQ(open.window.Control(IDC_GTOT_GAIN)->geometry(),
              QRect(Expected(67, baseX, 4), Expected(22, baseY, 8), Expected(88, baseX, 4), Expected(14, baseY, 8)));
    const QSize size(Expected(265, baseX, 4), Expected(128, baseY, 8));
    EXPECT_EQ(frame->minimumSize(), size);
    EXPECT_EQ(frame->maximumSize(), size);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Calculate G/T"));

    // Close looks like the default button; no button takes Enter for itself.
    EXPECT_TRUE(static_cast<QPushButton*>(open.window.Control(IDCANCEL))->isDefault());
    for (QPushButton* button : frame->findChildren<QPushButton*>())
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();

    // A list's template height is its open height; closed it keeps its natural one.
    OpenWindow list(9001, ListTemplate);
    QWidget* combo = list.window.Control(PatternList);
    EXPECT_EQ(combo->width(), list.window.Units().ToPixelsX(100));
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
}

TEST(QtDialogWindow, OneLineLabelsShowTheirWholeText)
{
    // "Path Loss:" fills its box almost to the pixel; on a slightly wider face it used to wrap
    // its second word out of sight.
    OpenWindow open(IDD_TOOL_PATH);
    int checked = 0;
    for (QLabel* label : open.window.Frame()->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_FALSE(label->wordWrap());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

// The rows of an image that hold any pixel darker than the background, as runs of rows: one
// run per line of text.
std::vector<std::pair<int, int>> InkedRowRuns(const QImage& image, QColor background)
{
    std::vector<std::pair<int, int>> runs;
    bool inRun = false;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = image.pixelColor(x, y).lightness() < background.lightness() - 60;
        if (inked && !inRun)
            runs.push_back({y, y});
        if (inked)
            runs.back().second = y;
        inRun = inked;
    }
    return runs;
}

// A label whose text breaks its line shows both lines whole, whether its box was drawn tall
// enough for them (the C/(N+I) tool's caption) or not.
TEST(QtDialogWindow, LabelsShowEachLineOfTheirText)
{
    const ControlTemplate shortBox[] = {
        {IDC_STATIC, ControlKind::Label, "Kept when\nyou vary the rest:", 5, 5, 40, 8, 0},
    };
    const DialogTemplate shortTemplate = {9003, "Lines", 100, 40, "Segoe UI", 8, DS_SYSMENU, shortBox};
    struct Row {
        const char* how;
        int templateId;
        const DialogTemplate* dialogTemplate;
        const char* first;
        const char* second;
    };
    const Row rows[] = {
        {"drawn for two lines", IDD_TOOL_CTONI, FindDialogTemplate(IDD_TOOL_CTONI), "Fixed when vary ", "C/I or C/(N+I):"},
        {"drawn for one", 9003, &shortTemplate, "Kept when", "you vary the rest:"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        OpenWindow open(row.templateId, *row.dialogTemplate);
        const QString text = QString::fromUtf8(row.first) + QLatin1Char('\n') + QString::fromUtf8(row.second);
        QLabel* shown = nullptr;
        for (QLabel* label : open.window.Frame()->findChildren<QLabel*>())
            if (label->text() == text)
                shown = label;
        ASSERT_NE(shown, nullptr);
        open.Show();
        const QFontMetrics metrics(shown->font());
        EXPECT_GE(shown->height(), metrics.lineSpacing() + metrics.height());
        for (const char* line : {row.first, row.second})
            EXPECT_GE(shown->width(), metrics.horizontalAdvance(QString::fromUtf8(line))) << line;
        const QColor background = open.window.Frame()->palette().color(QPalette::Window);
        const std::vector<std::pair<int, int>> lines = InkedRowRuns(shown->grab().toImage(), background);
        EXPECT_EQ(lines.size(), 2u);
    }
}

// A check box drawn for a narrower face than the one on screen grows so its text stays whole:
// away from its box, which stays where the layout put it.
TEST(QtDialogWindow, ACheckBoxTooNarrowForItsTextGrowsAwayFromItsBox)
{
    const ControlTemplate narrow[] = {
        {501, ControlKind::CheckBox, "Include Receive Gain (for EPFD Calculation):", 80, 5, 30, 10, CF_LEFTTEXT},
        {502, ControlKind::CheckBox, "Include Receive Gain (for EPFD Calculation):", 10, 20, 30, 10, 0},
    };
    const DialogTemplate narrowTemplate = {9004, "Narrow", 200, 40, "Segoe UI", 8, DS_SYSMENU, narrow};
    OpenWindow open(9004, narrowTemplate);
    for (int id : {501, 502}) {
        SCOPED_TRACE(id);
        QWidget* check = open.window.Control(id);
        const QRect drawn = open.window.Units().ToPixels(*narrowTemplate.Find(id));
        EXPECT_GE(check->width(), check->sizeHint().width());
        if (id == 501)
            EXPECT_EQ(check->geometry().right(), drawn.right());
        else
            EXPECT_EQ(check->geometry().left(), drawn.left());
    }
}

// "Include Receive Gain (for EPFD Calculation):" stands left of its box, which stands at the
// right edge of the control's rectangle.
TEST(QtDialogWindow, ACheckBoxWithItsTextOnTheLeftDrawsItsBoxAtTheRightEdge)
{
    OpenWindow open(IDD_TOOL_PFD);
    auto* check = qobject_cast<QCheckBox*>(open.window.Control(IDC_PFD_INCLUDE_RX_GAIN));
    ASSERT_NE(check, nullptr);
    const QRect drawn = open.window.Units().ToPixels(*open.window.Template().Find(IDC_PFD_INCLUDE_RX_GAIN));
    EXPECT_EQ(check->geometry().right(), drawn.right());
    EXPECT_EQ(check->geometry().top(), drawn.top());
    EXPECT_GE(check->width(), std::max(drawn.width(), check->sizeHint().width()));
    open.Show();

    check->setChecked(false);
    const QImage unchecked = check->grab().toImage();
    check->setChecked(true);
    const QImage checked = check->grab().toImage();
    ASSERT_EQ(unchecked.size(), checked.size());
    // Checking changes the box only: every pixel it changes lies in the box's width at the right.
    int changedFrom = checked.width();
    int changedTo = -1;
    for (int y = 0; y < checked.height(); ++y) {
        for (int x = 0; x < checked.width(); ++x) {
            if (checked.pixel(x, y) != unchecked.pixel(x, y)) {
                changedFrom = std::min(changedFrom, x);
                changedTo = std::max(changedTo, x);
            }
        }
    }
    const qreal ratio = check->devicePixelRatio();
    const int boxWidth = qRound(check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) * ratio);
    ASSERT_GE(changedTo, 0) << "checking changed nothing";
    EXPECT_GE(changedTo, checked.width() - qRound(3 * ratio));
    EXPECT_GE(changedFrom, checked.width() - boxWidth - qRound(2 * ratio));

    // The text starts at the left edge and ends before the box, whole.
    int inkFrom = checked.width();
    int inkTo = -1;
    const QColor background = open.window.Frame()->palette().color(QPalette::Window);
    for (int y = 0; y < unchecked.height(); ++y) {
        for (int x = 0; x < changedFrom; ++x) {
            if (unchecked.pixelColor(x, y).lightness() < background.lightness() - 60) {
                inkFrom = std::min(inkFrom, x);
                inkTo = std::max(inkTo, x);
            }
        }
    }
    EXPECT_LE(inkFrom, qRound(3 * ratio));
    const int textWidth = qRound(check->fontMetrics().horizontalAdvance(check->text()) * ratio);
    EXPECT_GE(inkTo - inkFrom + 1, textWidth * 9 / 10) << "the text is cut short";
    EXPECT_LT(inkTo, changedFrom - qRound(2 * ratio));
}

TEST(QtDialogWindow, InputsAreNamedAfterTheLabelBesideOrAbove)
{
    struct Row {
        int templateId;
        int control;
        const char* name;
    };
    const Row rows[] = {
        {IDD_TOOL_GTOT, IDC_GTOT_GAIN, "Peak Gain"},       // beside, vertically centred
        {IDD_TOOL_GTOT, IDC_GTOT_GTOT, "G/T"},             // beside, shorter than the edit
        {IDD_TOOL_FREQ, IDC_FREQ_FREQUENCY, "Frequency"},  // above
        {IDD_TOOL_FREQ, IDC_FREQ_WAVELENGTH, "Wavelength"},
        {IDD_TOOL_TEMP, IDC_TEMP_NOISE, "Thermal Noise"},  // beside wins over the one above
        {IDD_TOOL_SPREAD, IDC_SPREAD_DISTANCE, "Distance"}, // not the unit label on its right
        {IDD_ERRORMSG, IDC_ERR_EXPLANATION, "Explanation"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open(row.templateId);
        EXPECT_EQ(open.window.Control(row.control)->accessibleName(), QString::fromUtf8(row.name));
    }
    OpenWindow list(9001, ListTemplate);
    EXPECT_EQ(list.window.Control(PatternList)->accessibleName(), QStringLiteral("Pattern"));
}

TEST(QtDialogWindow, UnknownControlsAnswerMissing)
{
    OpenWindow open(IDD_TOOL_GTOT);
    QtDialogWindow& window = open.window;
    std::string text = "untouched";
    for (const int id : {999, IDC_STATIC}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(window.HasControl(id));
        EXPECT_FALSE(window.GetText(id, text));
        EXPECT_FALSE(window.SetText(id, "x"));
        EXPECT_FALSE(window.IsEnabled(id));
        EXPECT_FALSE(window.SetEnabled(id, true));
        EXPECT_FALSE(window.IsVisible(id));
        EXPECT_FALSE(window.SetVisible(id, true));
        EXPECT_FALSE(window.IsChecked(id));
        EXPECT_FALSE(window.SetChecked(id, true));
        EXPECT_FALSE(window.ResetList(id));
        EXPECT_FALSE(window.AddListEntry(id, "x"));
        EXPECT_EQ(window.GetListSelection(id), -1);
        EXPECT_FALSE(window.SetListSelection(id, 0));
        EXPECT_FALSE(window.SetFocus(id));
        EXPECT_FALSE(window.SetPicture(id, nullptr, 0));
    }
    EXPECT_EQ(text, "untouched");
    // Controls of the wrong kind refuse too.
    EXPECT_FALSE(window.SetChecked(IDC_GTOT_GAIN, true));
    EXPECT_FALSE(window.AddListEntry(IDC_GTOT_GAIN, "x"));
    EXPECT_EQ(window.GetListSelection(IDC_GTOT_GAIN), -1);
}

TEST(QtDialogWindow, ListIsFilledQuietlyAndNotifiesTheUsersChoice)
{
    OpenWindow open(9001, ListTemplate);
    RecordingDialog& dialog = open.dialog;
    ASSERT_TRUE(dialog.AddListEntry(PatternList, "ITU-R S.465"));
    ASSERT_TRUE(dialog.AddListEntry(PatternList, "ITU-R S.580"));
    ASSERT_TRUE(dialog.AddListEntry(PatternList, "ITU-R S.1428"));
    EXPECT_EQ(dialog.GetListSelection(PatternList), -1) << "nothing is chosen until the dialog chooses";
    EXPECT_TRUE(dialog.SetListSelection(PatternList, 1));
    EXPECT_FALSE(dialog.SetListSelection(PatternList, 3));
    EXPECT_EQ(dialog.GetListSelection(PatternList), -1);
    EXPECT_TRUE(dialog.SetListSelection(PatternList, 1));
    EXPECT_TRUE(dialog.notifications.empty());

    open.Show();
    auto* combo = static_cast<QComboBox*>(open.window.Control(PatternList));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(dialog.GetListSelection(PatternList), 2);
    std::string chosen;
    EXPECT_TRUE(dialog.GetItemText(PatternList, chosen));
    EXPECT_EQ(chosen, "ITU-R S.1428");

    // Opening the list and taking the entry already chosen changes nothing.
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{{PatternList, CBN_SELCHANGE, "ITU-R S.1428"}}));

    ASSERT_TRUE(dialog.ResetList(PatternList));
    EXPECT_EQ(dialog.GetListSelection(PatternList), -1);
}

// The off-axis tool's pattern list is 46 units high in its template: that is the open list,
// which has room for all three patterns; closed, it is an ordinary drop-down box. Styles that
// open a list as a menu show every entry anyway; the classic style shows the rows it is told.
TEST(QtDialogWindow, PatternListOpensOnAllThreePatterns)
{
    const char* const patterns[] = {"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)"};
    const QString appStyle = QApplication::style()->name();
    for (const QString& style : {appStyle, QStringLiteral("windows")}) {
        SCOPED_TRACE(style.toStdString());
        if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
            continue;
        QApplication::setStyle(style);
        RecordingDialog dialog(IDD_TOOL_OFFAXIS);
        dialog.onInit = [&](RecordingDialog& self) {
            for (const char* pattern : patterns)
                self.AddListEntry(IDC_OFF_PATTERN, pattern);
            self.SetListSelection(IDC_OFF_PATTERN, 0);
        };
        RunScripted(dialog, [&](QtDialogWindow& window) {
            auto* combo = static_cast<QComboBox*>(window.Control(IDC_OFF_PATTERN));
            EXPECT_EQ(combo->height(), combo->sizeHint().height());
            EXPECT_LT(combo->height(), window.Units().ToPixelsY(46) / 2);

            combo->showPopup();
            QAbstractItemView* list = combo->view();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
            ASSERT_EQ(list->model()->rowCount(), 3);
            const QRect shown = list->viewport()->rect();
            for (int row = 0; row < 3; ++row) {
                SCOPED_TRACE(patterns[row]);
                const QModelIndex entry = list->model()->index(row, 0);
                EXPECT_EQ(entry.data().toString(), QString::fromUtf8(patterns[row]));
                // Whole rows, top to bottom; the width is the popup's business.
                const QRect rowRect = list->visualRect(entry);
                EXPECT_GE(rowRect.top(), shown.top());
                EXPECT_LE(rowRect.bottom(), shown.bottom());
            }
            EXPECT_FALSE(list->verticalScrollBar()->isVisible());
            combo->hidePopup();
        });
        EXPECT_TRUE(dialog.notifications.empty());
    }
    QApplication::setStyle(appStyle);
}

TEST(QtDialogWindow, PictureIsStretchedOverTheDialogBackground)
{
    OpenWindow open(IDD_KORTOOLS_DIALOG);
    QtDialogWindow& window = open.window;
    const unsigned char notPng[] = {'G', 'I', 'F', '8', '9', 'a', 0, 1, 2};
    EXPECT_FALSE(window.SetPicture(IDC_LOGO, notPng, sizeof notPng));
    EXPECT_FALSE(window.IsVisible(IDC_LOGO));

    const QByteArray png = TwoColourPng(QSize(4, 2), Qt::red, Qt::transparent);
    ASSERT_TRUE(window.SetPicture(IDC_LOGO, reinterpret_cast<const unsigned char*>(png.data()),
                                  static_cast<std::size_t>(png.size())));
    EXPECT_TRUE(window.IsVisible(IDC_LOGO));

    auto* logo = static_cast<QLabel*>(window.Control(IDC_LOGO));
    const QImage shown = logo->pixmap().toImage();
    const QSize expected = logo->size() * window.Frame()->devicePixelRatioF();
    ASSERT_EQ(shown.size(), expected);
    const int middle = shown.height() / 2;
    EXPECT_EQ(shown.pixelColor(1, middle), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(shown.width() - 2, middle), window.Frame()->palette().color(QPalette::Window));
}

TEST(QtDialogWindow, LongErrorTextWrapsInsideItsLockedBox)
{
    OpenWindow open(IDD_ERRORMSG);
    QtDialogWindow& window = open.window;
    auto* explanation = qobject_cast<QPlainTextEdit*>(window.Control(IDC_ERR_EXPLANATION));
    ASSERT_NE(explanation, nullptr);
    EXPECT_TRUE(explanation->isReadOnly());
    EXPECT_TRUE(window.IsEnabled(IDC_ERR_EXPLANATION));
    const QSize before = explanation->size();

    const std::string text =
        "The value -5 entered for Frequency is below the lower limit 0.0001 Hz and was not stored.";
    ASSERT_TRUE(window.SetText(IDC_ERR_EXPLANATION, text));
    std::string back;
    ASSERT_TRUE(window.GetText(IDC_ERR_EXPLANATION, back));
    EXPECT_EQ(back, text);

    open.Show();
    EXPECT_EQ(explanation->size(), before);
    EXPECT_GT(explanation->document()->firstBlock().layout()->lineCount(), 1);
}

TEST(QtHostIcon, IconIsBuiltFromEveryImageThatDecodes)
{
    const QByteArray small = TwoColourPng(QSize(16, 16), Qt::blue, Qt::blue);
    const QByteArray large = TwoColourPng(QSize(32, 32), Qt::blue, Qt::blue);
    const unsigned char broken[] = {0x89, 'P', 'N', 'G', 0, 0};
    const auto bytes = [](const QByteArray& data) {
        return std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(data.data()),
                                              static_cast<std::size_t>(data.size()));
    };
    const std::span<const unsigned char> onlyBroken[] = {broken};
    EXPECT_FALSE(QtHost::SetApplicationIcon(onlyBroken));

    const std::span<const unsigned char> images[] = {bytes(small), broken, bytes(large)};
    ASSERT_TRUE(QtHost::SetApplicationIcon(images));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));

}

} // namespace
