// The chart module as the programs load it: its window, with the three curves and the marked
// point on a linear or a logarithmic axis, closed from the keyboard; and its offscreen rendering
// into PNG and SVG files.
#include "tests/qt/QtTestSupport.h"

#include "platform/ChartModule.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const ChartModule& Module()
{
    std::string error;
    const ChartModule* module = ChartModule::LoadFrom(KORTOOLS_CHART_MODULE, error);
    if (!module)
        ADD_FAILURE() << error;
    static const ChartModule none;
    return module ? *module : none;
}

// On a logarithmic axis x is taken as decades from 0.001 (0 is 0.001, 10 is 0.01, 50 is 100).
double SampleX(double x, bool logarithmic)
{
    return logarithmic ? std::pow(10.0, x / 10 - 3) : x;
}

ChartData SampleChart(bool logarithmic = false)
{
    ChartData chart;
    chart.caption = "Antenna Pattern";
    chart.title = "Peak gain 30.0 dB";
    chart.xTitle = "Off-axis angle (deg)";
    chart.yTitle = "Relative gain (dB)";
    for (int i = 0; i < 3; ++i) {
        ChartSeries series{"curve " + std::to_string(i), {}, i == 1};
        for (int x = 0; x <= 50; ++x)
            series.points.emplace_back(SampleX(x, logarithmic), -0.5 * x * (i + 1));
        chart.series.push_back(series);
    }
    chart.marker = ChartPoint{SampleX(10.0, logarithmic), -20.0, "Current: 10.0 deg, -20.0 dB"};
    chart.xRange = std::pair(SampleX(0.0, logarithmic), SampleX(50.0, logarithmic));
    chart.xLogarithmic = logarithmic;
    chart.yRange = std::pair(-160.0, 5.0);
    return chart;
}

// Runs the chart window above `owner` and, once it is up, hands it to `script`.
int RunChart(const ChartData& chart, QWidget* owner, const std::function<void(QDialog&)>& script)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // The user acts once it has the keyboard, not merely once it is up.
        if (!window || window->objectName() != QLatin1String("kortoolsChartWindow") || ran
            || !window->isActiveWindow())
            return;
        ran = true;
        poll.stop();
        script(*window);
        // A script that left it open fails below, but must not leave the test hanging.
        if (window->isVisible())
            window->reject();
    });
    poll.start();
    const int result = Module().run(&chart, owner);
    EXPECT_TRUE(ran) << "the chart window never came up";
    return result;
}

TEST(QtChart, TheWindowShowsTheCurvesAndTheMarkOnEitherAxisAndClosesWithEscape)
{
    ASSERT_TRUE(Module().run);
    for (const bool logarithmic : {false, true}) {
        SCOPED_TRACE(logarithmic ? "logarithmic" : "linear");
        QWidget owner;
        owner.show();
        bool closedByEscape = false;
        const int result = RunChart(SampleChart(logarithmic), &owner, [&](QDialog& window) {
            EXPECT_EQ(window.windowTitle(), "Antenna Pattern");
            EXPECT_TRUE(window.isModal());
            EXPECT_EQ(window.parentWidget(), &owner);
            auto* view = window.findChild<QChartView*>();
            ASSERT_NE(view, nullptr);
            QList<QLineSeries*> lines;
            QList<QScatterSeries*> marks;
            for (QAbstractSeries* series : view->chart()->series()) {
                if (auto* scatter = qobject_cast<QScatterSeries*>(series))
                    marks.append(scatter);
                else if (auto* line = qobject_cast<QLineSeries*>(series))
                    lines.append(line);
            }
            ASSERT_EQ(lines.size(), 3);
            ASSERT_EQ(marks.size(), 1);
            EXPECT_EQ(lines[0]->name(), "curve 0");
            EXPECT_EQ(lines[2]->name(), "curve 2");
            EXPECT_EQ(lines[1]->count(), 51);
            EXPECT_EQ(lines[1]->at(50), QPointF(SampleX(50, logarithmic), -50));
            EXPECT_GT(lines[1]->pen().widthF(), lines[0]->pen().widthF());
            EXPECT_EQ(marks[0]->name(), "Current: 10.0 deg, -20.0 dB");
            EXPECT_EQ(marks[0]->at(0), QPointF(SampleX(10, logarithmic), -20));

            // The x axis in decades: the chart's range, a hair wider so that the decade at each
            // end is labelled.
            auto* logAxis = qobject_cast<QLogValueAxis*>(marks[0]->attachedAxes().value(0));
            ASSERT_EQ(logAxis != nullptr, logarithmic);
            if (logAxis) {
                EXPECT_EQ(logAxis->base(), 10.0);
                EXPECT_LE(logAxis->min(), 0.001);
                EXPECT_GT(logAxis->min(), 0.001 * (1 - 1e-6));
            }

            // The pointer over the mark reads the mark's place, to the pixel, through the axis
            // as drawn.
            auto* readout = window.findChild<QLabel*>();
            ASSERT_NE(readout, nullptr);
            EXPECT_EQ(readout->text(), "Point at a curve to read its angle and gain.");
            const QPointF mark = view->chart()->mapToPosition(marks[0]->at(0), marks[0]);
            QTest::mouseMove(view->viewport(), view->mapFromScene(view->chart()->mapToScene(mark)));
            const QStringList read = readout->text().split(QLatin1Char(' '));
            ASSERT_EQ(read.size(), 4) << readout->text().toStdString();
            EXPECT_EQ(read[1], "deg,");
            const QPointF at = view->chart()->mapToPosition(QPointF(read[0].toDouble(), read[2].toDouble()), marks[0]);
            EXPECT_LE((at - mark).manhattanLength(), 2.0) << readout->text().toStdString();

            // Keyboard only: Tab reaches "Save Image...", Escape closes.
            bool reachedSave = false;
            for (int i = 0; i < 4 && !reachedSave; ++i) {
                PressTab();
                auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
                reachedSave = focused && focused->text() == "Save Image...";
            }
            EXPECT_TRUE(reachedSave);
            PressKey(Qt::Key_Escape);
            closedByEscape = !window.isVisible();
        });
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(closedByEscape);
    }
}

// "Save Image..." into a folder where no file can be made, not even by root: the window hands the
// file and the reason to the program, which explains it in its own error dialog, and stays open.
// The folder holds only folders: the file dialog reads the files of every folder it lists, its
// history too, to type them, and one such as /proc/kmsg never ends a read. The dialog's history
// is kept in the test's own settings, never in the user's, which another run may have left
// pointing at such a folder.
TEST(QtChart, AFailedSaveIsHandedToTheProgram)
{
    const struct TestSettings {
        TestSettings() { QStandardPaths::setTestModeEnabled(true); }
        ~TestSettings() { QStandardPaths::setTestModeEnabled(false); }
    } testSettings;
    const QString path = QStringLiteral("/sys/pattern.png");
    ChartData chart = SampleChart();
    std::string reported;
    chart.saveFailed = [&](const std::string& reason) { reported = reason; };
    RunChart(chart, nullptr, [&](QDialog& window) {
        QTimer::singleShot(50, [&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        });
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text() == "Save Image...")
                button->click();
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(reported.rfind(path.toStdString() + ": ", 0), 0u) << reported;
}

TEST(QtChart, RenderingWritesAPngAndAnSvgThatParse)
{
    ASSERT_TRUE(Module().render);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ChartData chart = SampleChart();
    std::string error;

    const QString png = dir.filePath("pattern.png");
    ASSERT_EQ(Module().render(&chart, png.toUtf8().constData(), &error), 0) << error;
    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_GT(image.width(), 400);
    EXPECT_GT(image.height(), 300);

    const QString svg = dir.filePath("pattern.SVG");
    ASSERT_EQ(Module().render(&chart, svg.toUtf8().constData(), &error), 0) << error;
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    int paths = 0;
    bool isSvg = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        isSvg = isSvg || reader.name() == QLatin1String("svg");
        paths += reader.name() == QLatin1String("path") || reader.name() == QLatin1String("polyline");
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(isSvg);
    EXPECT_GT(paths, 3);
}

TEST(QtChart, RenderingRefusesWhatItCannotWriteWithTheReason)
{
    QTemporaryDir dir;
    const ChartData chart = SampleChart();
    const struct {
        const char* label;
        QString path;
        const char* reason;
    } rows[] = {
        {"not an image name", dir.filePath("pattern.jpg"), "must end in .png or .svg"},
        {"an SVG into no directory", dir.filePath("missing/pattern.svg"), "pattern.svg"},
        {"a PNG into no directory", dir.filePath("missing/pattern.png"), "No such file or directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        std::string error;
        EXPECT_EQ(Module().render(&chart, row.path.toUtf8().constData(), &error), -1);
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
        EXPECT_FALSE(QFile::exists(row.path));
    }
}

} // namespace
