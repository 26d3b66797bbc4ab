/* The C interface of the game's chart library "YearChart" (libYearChart.so), which «Мой год» loads by name the first
   time it draws a chart, so that the game starts without Qt Charts. The window says what to draw, the library only
   draws it: every name, colour and range comes from the window. Texts are UTF-8, colours 0xRRGGBB. */
#ifndef TRAMBUL_YEAR_CHART_API_H
#define TRAMBUL_YEAR_CHART_API_H

#include <stdint.h>

#ifdef __cplusplus
class QWidget;
extern "C" {
#endif

#define YEAR_CHART_EXPORT __attribute__((visibility("default")))

/* Raised whenever a structure below changes: the window draws nothing with a library of another version. */
#define YEAR_CHART_VERSION 2

/* How a line is drawn besides its colour, so that lines are told apart without colours too. */
enum { YEAR_CHART_SOLID = 0, YEAR_CHART_DASH = 1, YEAR_CHART_DOT = 2, YEAR_CHART_DASH_DOT = 3 };

/* A line over the days: count points (x[i], y[i]), width in pixels at 100 %. */
typedef struct YearChartLine {
    const char* name;
    uint32_t color;
    int32_t style; /* YEAR_CHART_SOLID ... */
    int32_t width;
    int32_t dots; /* each point drawn as a dot too */
    const double* x;
    const double* y;
    int32_t count;
} YearChartLine;

/* A label of the day axis, covering the days from the end of the one before it up to `end`. */
typedef struct YearChartLabel {
    const char* text;
    double end;
} YearChartLabel;

/* One bar per category: values[i] belongs to categories[i]. */
typedef struct YearChartBars {
    const char* name;
    uint32_t color;
    const double* values;
} YearChartBars;

enum { YEAR_CHART_LINES = 0, YEAR_CHART_BARS = 1 };

typedef struct YearChart {
    int32_t kind;
    const char* title;
    uint32_t background;
    /* YEAR_CHART_LINES: the days along the bottom (labels between low and high), the values up the left side, the
       range widened to round numbers. */
    const YearChartLine* lines;
    int32_t lineCount;
    const char* dayTitle;
    double dayLow, dayHigh;
    const YearChartLabel* dayLabels;
    int32_t dayLabelCount;
    /* Thin ticks along the day axis every dayTickStep days, counted from dayTickAnchor; 0 for none. */
    double dayTickAnchor, dayTickStep;
    /* What the mouse over the chart shows: dayTips[i] for the days from dayLow + i to dayLow + i + 1. */
    const char* const* dayTips;
    int32_t dayTipCount;
    /* YEAR_CHART_BARS: horizontal bars, the first category at the bottom; sets of bars side by side in a category. */
    const YearChartBars* bars;
    int32_t barCount;
    const char* const* categories;
    int32_t categoryCount;
    double barWidth;
    /* Both: the value axis, whole numbers; ticks 0 lets the library choose them. */
    const char* valueTitle;
    double valueLow, valueHigh;
    int32_t valueTicks;
} YearChart;

/* The version the library was built with: YEAR_CHART_VERSION. */
typedef int32_t (*TrambulYearChartVersion_t)(void);
/* A new chart view, a child of parent, drawing chart; null when the description is not whole: a count below zero or
   a missing array. A missing text is taken as empty. */
typedef QWidget* (*TrambulMakeYearChart_t)(QWidget* parent, const YearChart* chart);
/* Draws chart on a view made by TrambulMakeYearChart in place of what it showed. Returns 0, or -1 (the view left as
   it was) when there is no such view or the description is not whole. */
typedef int32_t (*TrambulShowYearChart_t)(QWidget* view, const YearChart* chart);

#ifdef __cplusplus
}
#endif

#endif
