// The chart module (kortools-chart.so): everything that draws a chart, loaded on first use so
// that the programs do not link the charting library. Its two entry points take the chart as
// data and build Qt Charts objects from it.
#include "platform/Chart.h"
#include "platform/ChartModule.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <functional>
#include <type_traits>

namespace {

constexpr int ImageWidth = 900;
constexpr int ImageHeight = 600;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Number(double value)
{
    return QString::number(value, 'g', 5);
}

// The y of a series at x, between its two nearest points (straight on the axis as drawn: in the
// logarithm of x on a logarithmic one); NaN outside it.
double ValueAt(const ChartSeries& series, double x, bool logarithmic)
{
    const auto& points = series.points;
    const auto after = std::lower_bound(points.begin(), points.end(), x,
                                        [](const std::pair<double, double>& p, double at) { return p.first < at; });
    if (after == points.end())
        return std::nan("");
    if (after == points.begin() || after->first == x)
        return after->first == x ? after->second : std::nan("");
    const auto before = after - 1;
    const auto along = [logarithmic](double at) { return logarithmic ? std::log10(at) : at; };
    const double t = (along(x) - along(before->first)) / (along(after->first) - along(before->first));
    return before->second + t * (after->second - before->second);
}

QValueAxis* MakeAxis(const std::string& title, const std::optional<std::pair<double, double>>& range)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(FromUtf8(title));
    axis->setLabelFormat(QStringLiteral("%g"));
    if (range) {
        axis->setRange(range->first, range->second);
        // Round steps from a round anchor, whatever the ends of the range.
        const double span = range->second - range->first;
        const double step = std::pow(10.0, std::floor(std::log10(span / 4.0)));
        const double interval = span / step > 20.0 ? step * 5.0 : span / step > 8.0 ? step * 2.0 : step;
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(interval);
    }
    return axis;
}

// Decades, labelled at each power of ten, with the eight values between them ticked.
QLogValueAxis* MakeLogAxis(const std::string& title, const std::optional<std::pair<double, double>>& range)
{
    auto* axis = new QLogValueAxis;
    axis->setTitleText(FromUtf8(title));
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setBase(10.0);
    axis->setMinorTickCount(8);
    // The axis finds its decades from the logarithms of the ends, and log10(0.001) falls a hair
    // short of -3: a range starting on a power of ten would lose that power's label. A hair
    // wider, it keeps it.
    if (range)
        axis->setRange(range->first * (1 - 1e-9), range->second * (1 + 1e-9));
    return axis;
}

// Emphasis is a heavier pen in the series' own colour; the others are drawn thinner and dashed,
// so that they stay told apart in a print in black and white too.
QChart* BuildChart(const ChartData& data)
{
    auto* chart = new QChart;
    chart->setTitle(FromUtf8(data.title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    QAbstractAxis* x = data.xLogarithmic ? static_cast<QAbstractAxis*>(MakeLogAxis(data.xTitle, data.xRange))
                                         : MakeAxis(data.xTitle, data.xRange);
    QValueAxis* y = MakeAxis(data.yTitle, data.yRange);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    for (const ChartSeries& series : data.series) {
        if (series.pointsOnly) {
            auto* points = new QScatterSeries;
            points->setName(FromUtf8(series.title));
            points->setMarkerSize(series.emphasised ? 12.0 : 7.0);
            for (const auto& [px, py] : series.points)
                points->append(px, py);
            chart->addSeries(points);
            points->attachAxis(x);
            points->attachAxis(y);
            continue;
        }
        auto* line = new QLineSeries;
        line->setName(FromUtf8(series.title));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(series.points.size()));
        for (const auto& [px, py] : series.points)
            points.append(QPointF(px, py));
        line->replace(points);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        QPen pen = line->pen();
        pen.setWidthF(series.emphasised ? 3.5 : 1.5);
        if (!series.emphasised)
            pen.setStyle(Qt::DashLine);
        line->setPen(pen);
    }
    if (data.marker) {
        auto* marker = new QScatterSeries;
        marker->setName(FromUtf8(data.marker->label));
        marker->setMarkerSize(11.0);
        marker->setColor(Qt::black);
        marker->setBorderColor(Qt::white);
        marker->append(data.marker->x, data.marker->y);
        chart->addSeries(marker);
        marker->attachAxis(x);
        marker->attachAxis(y);
    }
    return chart;
}

// The chart view, telling where the pointer is in the chart's own units.
class PatternView : public QChartView {
public:
    PatternView(QChart* chart, std::function<void(QPointF)> pointer)
        : QChartView(chart), m_pointer(std::move(pointer))
    {
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        QChartView::mouseMoveEvent(event);
        const QPointF scene = mapToScene(event->position().toPoint());
        const QPointF inChart = chart()->mapFromScene(scene);
        if (m_pointer && chart()->plotArea().contains(inChart))
            m_pointer(chart()->mapToValue(inChart));
    }

private:
    std::function<void(QPointF)> m_pointer;
};

// Drawn into memory first, then written whole through a QSaveFile: a write that falls short (a
// full disk) is seen there, where the image writers would not report it, and the file is then
// left as it was, never truncated.
bool SaveView(QChartView& view, const QString& path, QString& error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        const QPixmap image = view.grab();
        if (image.isNull() || !image.save(&buffer, "PNG")) {
            error = QStringLiteral("%1: the image could not be drawn").arg(path);
            return false;
        }
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view.size());
        svg.setViewBox(QRect(QPoint(0, 0), view.size()));
        svg.setTitle(view.chart()->title());
        QPainter painter;
        if (!painter.begin(&svg)) {
            error = QStringLiteral("%1: the drawing could not be started").arg(path);
            return false;
        }
        view.render(&painter);
        painter.end();
    } else {
        error = QStringLiteral("%1: the file name must end in .png or .svg").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        error = QStringLiteral("%1: %2").arg(
            path, file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("not all of the image could be written (is the disk full?)"));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

class ChartWindow : public QDialog {
public:
    ChartWindow(const ChartData& data, QWidget* owner) : QDialog(owner), m_data(data)
    {
        setWindowTitle(FromUtf8(data.caption));
        setObjectName(QStringLiteral("kortoolsChartWindow"));
        m_view = new PatternView(BuildChart(data), [this](QPointF at) { ShowPointer(at); });
        // The chart is looked at, not worked in; Tab goes between the buttons.
        m_view->setFocusPolicy(Qt::NoFocus);
        m_view->setAccessibleName(FromUtf8(data.title));
        m_readout = new QLabel(this);
        m_readout->setAccessibleName(QStringLiteral("Pointer"));
        m_readout->setText(QStringLiteral("Point at a curve to read its %1 and %2.")
                               .arg(Quantity(data.xTitle, QStringLiteral("x")),
                                    Quantity(data.yTitle, QStringLiteral("y"))));
        auto* save = new QPushButton(QStringLiteral("Save Image..."), this);
        auto* close = new QPushButton(QStringLiteral("Close"), this);
        save->setAutoDefault(false);
        close->setDefault(true);
        connect(save, &QPushButton::clicked, this, [this] { SaveImage(); });
        connect(close, &QPushButton::clicked, this, &QDialog::reject);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(m_readout, 1);
        buttons->addWidget(save);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_view, 1);
        layout->addLayout(buttons);
        resize(ImageWidth, ImageHeight + 50);

        // Which curve the pointer is over, so that the readout gives that curve's gain.
        const QList<QAbstractSeries*> all = m_view->chart()->series();
        for (qsizetype i = 0; i < all.size() && i < static_cast<qsizetype>(data.series.size()); ++i) {
            if (auto* line = qobject_cast<QLineSeries*>(all[i])) {
                connect(line, &QLineSeries::hovered, this, [this, i](const QPointF&, bool over) {
                    m_hovered = over ? static_cast<int>(i) : (m_hovered == i ? -1 : m_hovered);
                });
            }
        }
        close->setFocus();
    }

private:
    void ShowPointer(QPointF at)
    {
        const QString where = QStringLiteral("%1 %2").arg(Number(at.x()), Unit(m_data.xTitle));
        if (m_hovered >= 0) {
            const ChartSeries& series = m_data.series[static_cast<std::size_t>(m_hovered)];
            const double value = ValueAt(series, at.x(), m_data.xLogarithmic);
            if (std::isfinite(value)) {
                m_readout->setText(QStringLiteral("%1: %2, %3 %4")
                                       .arg(FromUtf8(series.title), where, Number(value), Unit(m_data.yTitle)));
                return;
            }
        }
        m_readout->setText(QStringLiteral("%1, %2 %3").arg(where, Number(at.y()), Unit(m_data.yTitle)));
    }

    // "Off-axis angle (deg)" -> "deg".
    static QString Unit(const std::string& axisTitle)
    {
        const QString title = FromUtf8(axisTitle);
        const qsizetype open = title.lastIndexOf(QLatin1Char('('));
        const qsizetype close = title.lastIndexOf(QLatin1Char(')'));
        return open >= 0 && close > open ? title.mid(open + 1, close - open - 1) : QString();
    }

    // What an axis measures, for the readout's hint: the last word of its title before the unit,
    // "Off-axis angle (deg)" -> "angle", "Time percentage (%)" -> "percentage"; `otherwise`
    // for a title without one.
    static QString Quantity(const std::string& title, const QString& otherwise)
    {
        const QString beforeUnit = FromUtf8(title).section(QLatin1Char('('), 0, 0).trimmed();
        const QString word = beforeUnit.section(QLatin1Char(' '), -1).toLower();
        return word.isEmpty() ? otherwise : word;
    }

    void SaveImage()
    {
        // The name offered is the last word of the caption: "pattern.png" for "Antenna Pattern".
        const QString offered = Quantity(m_data.caption, QStringLiteral("chart")) + QStringLiteral(".png");
        QString filter;
        QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Image"), offered,
                                                    QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), &filter);
        if (path.isEmpty())
            return;
        // A name typed without an extension takes the one of the chosen file type.
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
            path += filter.contains(QLatin1String("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
        QString error;
        if (SaveView(*m_view, path, error))
            return;
        if (m_data.saveFailed)
            m_data.saveFailed(error.toStdString());
        else
            QMessageBox::warning(this, QStringLiteral("Save Image"), error);
    }

    const ChartData& m_data;
    PatternView* m_view = nullptr;
    QLabel* m_readout = nullptr;
    int m_hovered = -1;
};

} // namespace

extern "C" {

__attribute__((visibility("default"))) int kortools_chart_run(const ChartData* chart, void* owner)
{
    if (!chart || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    ChartWindow window(*chart, static_cast<QWidget*>(owner));
    window.exec();
    return 0;
}

__attribute__((visibility("default"))) int kortools_chart_render(const ChartData* chart, const char* path,
                                                                 std::string* error)
{
    std::string ignored;
    std::string& reason = error ? *error : ignored;
    if (!chart || !path) {
        reason = "nothing to render";
        return -1;
    }
    if (!QCoreApplication::instance()) {
        // The command line's standard error is for its own messages, not for the toolkit's
        // notes about the environment it was started in.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "kortools-chart: %s\n", qPrintable(message));
        });
        // Lives as long as the process: kortools-calc has no application of its own, and the
        // charting classes need one.
        static int argc = 1;
        static char name[] = "kortools-calc";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        reason = "the running application cannot draw widgets";
        return -1;
    }
    PatternView view(BuildChart(*chart), {});
    // Laid out at the image's size without being shown. The chart lays itself out in posted
    // events, which a view never shown does not get: an SVG drawn straight away would carry
    // elided titles and no legend.
    view.resize(ImageWidth, ImageHeight);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QString qerror;
    const bool saved = SaveView(view, QString::fromUtf8(path), qerror);
    if (!saved) {
        reason = qerror.toStdString();
        return -1;
    }
    return 0;
}

} // extern "C"

static_assert(std::is_same_v<decltype(&kortools_chart_run), KorChartRunFn>);
static_assert(std::is_same_v<decltype(&kortools_chart_render), KorChartRenderFn>);
