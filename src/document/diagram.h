// The diagram: one plot page with its presentation settings and its curves.
// Plain value records in the field order of the diagram file; texts are
// Windows-1252 bytes, lengths of the page are centimetres, colours 0x00BBGGRR.
#pragma once

#include <array>
#include <cfloat>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/logfont.h"
#include "document/point_buffer.h"
#include "document/unit_def.h"

namespace ordinax::document {

using base::LogFont;

inline constexpr int MaxCurves = 100;
inline constexpr int MaxPoints = 1'000'000;
inline constexpr int LabelSlotCount = 17;
inline constexpr int TagCount = 10;
inline constexpr int FirstTagSlot = 7;
inline constexpr int LegendSlot = 6;
inline constexpr int HarmonicSlots = 51;
inline constexpr int PictureBufferSize = 260;
inline constexpr double DoubleMax = DBL_MAX;

// Fill, border and shadow of an area: 17 integers in this order.
struct PaintStyle {
    enum Index {
        Fill = 0,
        Picture = 1,
        PicturePlacement = 2,
        FillColour1 = 3,
        FillColour2 = 4,
        Gradient = 5,
        Border = 6,
        BorderColour = 7,
        BorderWidthX = 8,
        BorderWidthY = 9,
        MarginX = 10,
        MarginY = 11,
        Shadow = 12,
        ShadowColour = 13,
        ShadowHardness = 14,
        ShadowDepthX = 15,
        ShadowDepthY = 16,
        Count = 17
    };
    std::array<std::int32_t, Count> value = {0, 0, 0, 16777215, 16777215, 0, 1, 0, 1, 1, 3, 3, 0, 0, 25, 10, 10};

    std::int32_t& operator[](int i) { return value[static_cast<std::size_t>(i)]; }
    std::int32_t operator[](int i) const { return value[static_cast<std::size_t>(i)]; }
    bool operator==(const PaintStyle&) const = default;
};
static_assert(sizeof(PaintStyle) == 68);

// Header (index 0) or footer (index 1) band of printed pages.
struct HeaderFooter {
    std::int32_t print = 0;
    std::string text;
    LogFont font;
    std::int32_t colour = 0;
    std::int32_t separator = 1;
    bool operator==(const HeaderFooter&) const = default;
};

struct LogoSettings {
    std::array<std::int32_t, 2> print = {0, 0};  // [0] diagram page, [1] report pages
    std::string file;
    std::int32_t location = 5;
    std::array<double, 2> position = {2.5, 1.0};  // cm
    std::int32_t dimension = 0;                    // 0 natural size scaled by zoom, else fixed size
    std::int32_t zoom = 100;                       // percent
    std::array<double, 2> logoSize = {3.0, 3.0};  // cm
    bool operator==(const LogoSettings&) const = default;
};

// One of the 17 positioned texts: 0-1 title, 2-3 X label, 4-5 Y label,
// 6 the legend block, 7-16 tags 1-10.
struct LabelSlot {
    std::int32_t placement = -1;  // -1: empty slot
    std::int32_t lineCount = 1;
    std::int32_t option = 0;
    PaintStyle paint;
    std::string text;  // label markup
    bool operator==(const LabelSlot&) const = default;
};

// The scale of one axis side.
struct AxisScale {
    std::int32_t active = 0;
    std::int32_t kind = 0;  // 0 LIN, 1 LOG, 2 HENRY
    std::int32_t subdivisionIndex = 0;
    std::int32_t mainGraduate = -1;
    std::int32_t mainGraduateLine = 0;
    std::int32_t subGraduate = 0;
    std::int32_t subGraduateLine = 0;
    std::int32_t graduateBoth = 0;
    LogFont font;
    std::int32_t colour = 0;
    std::int32_t format = 1;
    std::int32_t decimals = 0;
    std::int32_t symbol = 0;
    std::int32_t orientation = 0;  // 0 horizontal, 1 vertical, -1 no values
    std::array<char, 11> customSymbol = {};
    std::int32_t thousands = 0;
    double origin = 0.0;
    double extremity = 0.0;
    double step = 0.0;
    double reserved = 0.0;
    bool operator==(const AxisScale&) const = default;
};

// The four scales, addressed [direction 0 X / 1 Y][side 0 lower-left / 1 upper-right].
struct Scales {
    std::array<std::int32_t, 2> mainSide = {0, 0};
    std::array<std::array<AxisScale, 2>, 2> axis;
    bool operator==(const Scales&) const = default;
};

struct SymbolStyle {
    std::int32_t type = 1;
    std::int32_t number = 2;
    std::int32_t character = 65;
    LogFont font;  // all zero in a blank curve
    std::int32_t size = 12;
    std::int32_t option = 0;
    std::int32_t fill = 0;
    std::int32_t reserved = 0;
    std::int32_t innerColour = 16777215;
    std::int32_t outerColour = 0;
    std::int32_t belowLine = 0;
    bool operator==(const SymbolStyle&) const = default;
};
static_assert(sizeof(SymbolStyle) == 100);

// Index 0 the smoothing line, index 1 the confidence-interval line.
struct LineStyle {
    std::array<std::int32_t, 2> type = {1, 0};
    std::array<std::int32_t, 2> width = {1, 1};
    std::array<std::int32_t, 2> colour = {0, 0};
    bool operator==(const LineStyle&) const = default;
};
static_assert(sizeof(LineStyle) == 24);

// Result of a curve's treatment (regression or Fourier series).
struct FitResult {
    std::array<double, 3> stats = {};  // fixed parameters r, s, t of the model
    double studentT = 0.0;             // s0
    double meanX = 0.0;                // s1
    double meanY = 0.0;                // s2
    double fValue = 0.0;               // s3
    double varX = 0.0;                 // s4
    double varY = 0.0;                 // s5
    double residualVar = 0.0;          // s6
    double explainedVar = 0.0;         // s7
    std::array<double, 7> detail = {};  // variances of the linearised coefficients
    std::int32_t harmonicCount = 10;
    double omega = 0.0;
    double fourierA0 = 0.0;
    std::array<double, HarmonicSlots> coefficient = {};        // a0..a6, or cosines 1..50
    std::array<double, HarmonicSlots> linearCoefficient = {};  // c0.., or sines 1..50
    bool operator==(const FitResult&) const = default;
};

// The analytic function a curve was generated from.
struct FunctionDef {
    std::int32_t functionId = 0;
    std::int32_t anglesInDegrees = 1;
    std::int32_t parametric = 0;
    double from = -10.0;
    double to = 10.0;
    std::int32_t pointNumber = 100;
    std::string expression = "y=0";
    std::string constants;
    std::string parameter;
    std::string domain;
    bool operator==(const FunctionDef&) const = default;
};

struct Curve {
    std::string title;
    std::string modified;
    std::array<std::string, 2> axisName;
    std::int32_t hidden = 0;
    std::string legend;
    SymbolStyle symbol;
    LineStyle line;
    std::int32_t treatment = 0;  // FitKind 0..42
    double confidence = 95.0;
    // [direction][0 min / 1 max]
    std::array<std::array<double, 2>, 2> extent = {{{DoubleMax, -DoubleMax}, {DoubleMax, -DoubleMax}}};
    // [direction][0 lower / 1 upper]
    std::array<std::array<double, 2>, 2> bounds = {{{-1.0e35, 1.0e35}, {-1.0e35, 1.0e35}}};
    std::int32_t excludePoints = 0;
    FitResult fit;
    std::array<UnitDef, 2> unit = {};
    FunctionDef function;
    PointBuffer points;

    int pointCount() const { return static_cast<int>(points.size()); }
    bool operator==(const Curve&) const = default;
};

// The points that a one-curve reading left in the file (see orx_file.h).
struct SkippedPoints;

struct Diagram {
    std::int32_t displayMode = 0;
    std::array<std::int32_t, 2> orientation = {0, 0};  // [0] diagram page, [1] report page
    // [page][left, right, top, bottom, header, footer], cm
    std::array<std::array<double, 6>, 2> margins = {{{2.5, 1.5, 2.5, 2.0, 1.5, 1.5}, {2.5, 1.5, 2.5, 2.0, 1.5, 1.5}}};
    std::array<std::int32_t, 2> centre = {1, 1};
    std::array<double, 2> size = {17.0, 18.0};  // cm
    std::array<std::int32_t, 2> drawSpace = {4, 4};
    std::array<std::int32_t, 2> dashLength = {5, 5};
    LogFont reportFont;  // not stored in the file
    std::array<HeaderFooter, 2> band;
    LogoSettings logo;
    PaintStyle backPaint;
    PaintStyle diagramPaint;
    std::array<char, PictureBufferSize> backPicture = {};
    std::array<char, PictureBufferSize> diagramPicture = {};
    std::array<LabelSlot, LabelSlotCount> labels;
    std::array<std::int32_t, TagCount> tagOrder = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<std::array<double, 2>, TagCount> tagPosition = {};
    Scales scales;
    // [direction][0 min / 1 max] of all drawn points
    std::array<std::array<double, 2>, 2> dataRange = {{{DoubleMax, -DoubleMax}, {DoubleMax, -DoubleMax}}};
    std::int32_t henryExtentIndex = 13;
    std::vector<Curve> curves;  // curveCount() slots in use, at most MaxCurves
    // Set when curves of the file were read without their points: such a
    // diagram is completed from its file before it is ever written.
    std::shared_ptr<const SkippedPoints> skippedPoints;

    int curveCount() const { return static_cast<int>(curves.size()); }
    bool operator==(const Diagram&) const = default;
};

}  // namespace ordinax::document
