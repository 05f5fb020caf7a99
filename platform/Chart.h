// A chart as plain data: what the dialogs hand to the host to draw, and what kortools-calc hands
// to the chart module to render into a file. Nothing here knows how it is drawn.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ChartSeries {
    std::string title;                               // its legend entry
    std::vector<std::pair<double, double>> points;   // (x, y), in increasing x
    bool emphasised = false;                         // drawn heavier than the others
    // Drawn as separate points, for values of things that have nothing between them (one per
    // MODCOD), where a line would read as a curve.
    bool pointsOnly = false;
};

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    std::string label;
};

struct ChartData {
    std::string caption; // the window's
    std::string title;   // above the plot
    std::string xTitle;
    std::string yTitle;
    std::vector<ChartSeries> series;
    std::optional<ChartPoint> marker;
    // The part of the plane the axes show, (low, high); without one, all the points.
    std::optional<std::pair<double, double>> xRange;
    std::optional<std::pair<double, double>> yRange;
    // The x axis in decades (base 10), for a quantity that spans several of them, such as a time
    // percentage from 0.001 to 5; every x, the range's and the marker's too, is then above zero.
    bool xLogarithmic = false;
    // Called with the file and the system's reason when the chart window's "Save Image..." fails,
    // so that the program explains it in its own error dialog; without it the window says so
    // itself.
    std::function<void(const std::string& reason)> saveFailed;
};
