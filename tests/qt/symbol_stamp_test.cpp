// Symbols stamped onto pictures against symbols drawn one by one through
// QPainter: every predefined shape, shaded discs, wide pens, clips and the
// picture's edges give the same pixels; translucent or oversized drawings
// and devices that are not plain pictures get no stamp; painting every
// occupied pixel at once matches stamping them one by one; whole diagrams
// come out identical with and without stamps.
#include "qt/symbol_stamp.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSvgGenerator>
#include <cmath>
#include <random>
#include <vector>

#include "numerics/fit_kind.h"
#include "qt_test_support.h"
#include "render/diagram_renderer.h"
#include "render/symbol_drawing.h"

namespace ordinax::qt {
namespace {

using namespace test;
using render::SymbolPass;
using render::SymbolSetup;

// A device that forwards everything to a painter device but never stamps,
// so the renderer draws every symbol itself: the reference picture.
class UnstampedDevice : public render::DrawDevice {
public:
    explicit UnstampedDevice(render::DrawDevice& target) : target_(target) {}
    void setPen(const render::Pen& pen) override { target_.setPen(pen); }
    void setBrush(const render::Brush& brush) override { target_.setBrush(brush); }
    void setTextColour(render::Colour colour) override { target_.setTextColour(colour); }
    void setFont(const base::LogFont& font) override { target_.setFont(font); }
    void polyline(std::span<const DevPoint> points) override { target_.polyline(points); }
    void polygon(std::span<const DevPoint> points) override { target_.polygon(points); }
    void text(int x, int y, std::string_view text) override { target_.text(x, y, text); }
    render::TextExtent textExtent(std::string_view text) override { return target_.textExtent(text); }
    render::FontMetrics fontMetrics() override { return target_.fontMetrics(); }
    void setClip(const render::ClipArea& area) override { target_.setClip(area); }
    void clearClip() override { target_.clearClip(); }
    void image(const DevRect& destination, const render::RasterImage& picture) override {
        target_.image(destination, picture);
    }
    int dpiX() const override { return target_.dpiX(); }
    int dpiY() const override { return target_.dpiY(); }
    void line(DevPoint from, DevPoint to) override { target_.line(from, to); }
    void rectangle(const DevRect& box) override { target_.rectangle(box); }
    void fillRect(const DevRect& box, render::Colour colour) override { target_.fillRect(box, colour); }
    void ellipse(const DevRect& box) override { target_.ellipse(box); }
    void arc(const DevRect& box, DevPoint start, DevPoint end) override { target_.arc(box, start, end); }
    void chord(const DevRect& box, DevPoint start, DevPoint end) override { target_.chord(box, start, end); }
    void roundRect(const DevRect& box, int w, int h) override { target_.roundRect(box, w, h); }
    bool hasPixels() const override { return target_.hasPixels(); }
    render::Colour pixel(int x, int y) const override { return target_.pixel(x, y); }
    void setPixel(int x, int y, render::Colour colour) override { target_.setPixel(x, y, colour); }

private:
    render::DrawDevice& target_;
};

// Where the first differing pixel is, for the failure message.
std::string firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(a.pixel(x, y)) +
                       " vs " + std::to_string(b.pixel(x, y));
    return "none";
}

constexpr int CanvasWidth = 480;
constexpr int CanvasHeight = 360;

// Anchors spread over the canvas with odd steps (every residue of small
// sizes is met), plus anchors on and beyond the canvas and clip edges.
std::vector<DevPoint> anchors() {
    std::vector<DevPoint> points;
    for (int y = 3; y < CanvasHeight; y += 37)
        for (int x = 2; x < CanvasWidth; x += 29) points.push_back({x, y});
    for (DevPoint p : {DevPoint{0, 0}, DevPoint{-3, 50}, DevPoint{CanvasWidth - 1, CanvasHeight - 1},
                       DevPoint{CanvasWidth + 2, 200}, DevPoint{300, -4}, DevPoint{40, 30}, DevPoint{440, 320}})
        points.push_back(p);
    return points;
}

struct Look {
    int type;
    int number;
    int size;  // points
    int fill;
    int penWidth;
};

// Draws the look at every anchor into a fresh canvas, clipped to `clip`,
// either symbol by symbol or from one stamp (which must be made).
QImage drawLook(const Look& look, const render::ClipArea& clip, bool stamped) {
    Canvas canvas(CanvasWidth, CanvasHeight);
    PainterDevice& device = canvas.device();
    document::SymbolStyle style;
    style.type = look.type;
    style.number = look.number;
    style.size = look.size;
    style.fill = look.fill;
    style.innerColour = static_cast<std::int32_t>(render::rgb(30, 160, 240));
    style.outerColour = static_cast<std::int32_t>(render::rgb(200, 20, 60));
    SymbolSetup setup = render::makeSymbolSetup(style, render::DeviceScale{}, 96, device);
    setup.penWidth = look.penWidth;
    device.setClip(clip);
    if (stamped) {
        SymbolSetup own = setup;
        const int reach = std::max(setup.size.width, setup.size.height) / 2 + 2 * setup.penWidth + 2;
        auto stamp = device.makeStamp(reach, [&own](render::DrawDevice& target, DevPoint anchor) {
            render::drawSymbol(target, anchor.x, anchor.y, own, SymbolPass::Draw);
        });
        EXPECT_NE(stamp, nullptr);
        if (stamp)
            for (DevPoint p : anchors()) stamp->paintAt(p.x, p.y);
    } else {
        // As the renderer draws them: the ring and frame put the clip back.
        setup.restoreClip = clip;
        for (DevPoint p : anchors()) render::drawSymbol(device, p.x, p.y, setup, SymbolPass::Draw);
    }
    return canvas.image();  // shares the pixels, which outlive the canvas
}

TEST(SymbolStamp, EveryPredefinedShapeMatchesDrawingItSymbolBySymbol) {
    // The clip cuts through symbols on all four sides.
    const render::ClipArea clip = clipArea({41, 29, 441, 321});
    int compared = 0;
    for (int number = 1; number <= render::PredefinedShapeCount; ++number)
        for (int size : {3, 4, 9, 12})
            for (int fill : {0, 1})
                for (int penWidth : {1, 3}) {
                    const Look look{render::SymbolPredefined, number, size, fill, penWidth};
                    const QImage drawn = drawLook(look, clip, false);
                    const QImage stamped = drawLook(look, clip, true);
                    EXPECT_TRUE(drawn == stamped) << "shape " << number << " size " << size << " fill " << fill
                                                  << " pen " << penWidth << ": " << firstDifference(drawn, stamped);
                    ++compared;
                }
    EXPECT_EQ(compared, 23 * 16);
}

TEST(SymbolStamp, ShadedDiscsMatchDrawingThemOneByOne) {
    const render::ClipArea clip = clipArea({41, 29, 441, 321});
    for (int size : {4, 7, 12, 20}) {
        const Look look{render::SymbolShaded, 1, size, 0, 1};
        const QImage drawn = drawLook(look, clip, false);
        const QImage stamped = drawLook(look, clip, true);
        EXPECT_TRUE(drawn == stamped) << "size " << size << ": " << firstDifference(drawn, stamped);
    }
}

TEST(SymbolStamp, ClipWithoutOverlapPaintsNothing) {
    Canvas canvas(40, 40);
    canvas.device().setClip(clipArea({0, 0, 10, 10}));
    auto stamp = canvas.device().makeStamp(4, [](render::DrawDevice& target, DevPoint at) {
        target.setPen({PenStyle::Solid, 1, kBlack});
        target.rectangle({at.x - 2, at.y - 2, at.x + 3, at.y + 3});
    });
    ASSERT_NE(stamp, nullptr);
    stamp->paintAt(30, 30);
    stamp->paintAt(2'000'000'000, -2'000'000'000);  // far away, no overflow
    EXPECT_TRUE(canvas.lit().empty());
}

TEST(SymbolStamp, RefusesWhatItCannotCopyExactly) {
    auto square = [](render::DrawDevice& target, DevPoint at) {
        target.setPen({PenStyle::Solid, 1, kBlack});
        target.rectangle({at.x - 2, at.y - 2, at.x + 3, at.y + 3});
    };
    {
        // Smoothed text blends with what lies below it.
        Canvas canvas(40, 40);
        auto stamp = canvas.device().makeStamp(20, [](render::DrawDevice& target, DevPoint at) {
            target.setFont(makeFont(-16, "Arial"));
            target.setTextColour(kBlack);
            target.text(at.x - 6, at.y + 6, "A");
        });
        EXPECT_EQ(stamp, nullptr);
    }
    {
        // A drawing beyond its stated reach would be cut.
        Canvas canvas(40, 40);
        EXPECT_EQ(canvas.device().makeStamp(1, square), nullptr);
        EXPECT_NE(canvas.device().makeStamp(2, square), nullptr);
        EXPECT_EQ(canvas.device().makeStamp(MaxStampReach + 1, square), nullptr);
    }
    {
        // A painter with a transform does not draw in device pixels one to one.
        QImage picture(40, 40, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.scale(2, 2);
        PainterDevice device(painter);
        EXPECT_EQ(device.makeStamp(4, square), nullptr);
    }
    {
        // A 24-bit picture and a vector target take no stamps.
        QImage picture(40, 40, QImage::Format_RGB888);
        QPainter painter(&picture);
        PainterDevice device(painter);
        EXPECT_EQ(device.makeStamp(4, square), nullptr);
    }
    {
        QBuffer buffer;
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(40, 40));
        QPainter painter(&svg);
        PainterDevice device(painter);
        EXPECT_EQ(device.makeStamp(4, square), nullptr);
    }
}

// Occupied pixels over an area whose width is no multiple of 64 and which
// reaches past the clip and the canvas: a dense block, sparse noise, and
// single pixels on the area's corners.
render::OccupiedPixels occupiedPattern(std::vector<std::uint64_t>& bits) {
    const DevRect area{-5, 17, 396, 372};  // 401 × 355 pixels
    const auto width = static_cast<std::size_t>(area.width());
    bits.assign((width * static_cast<std::size_t>(area.height()) + 63) / 64, 0);
    auto set = [&](int x, int y) {
        const std::size_t bit = static_cast<std::size_t>(y - area.top) * width + static_cast<std::size_t>(x - area.left);
        bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
    };
    std::mt19937 random(5);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const bool block = x >= 100 && x < 180 && y >= 60 && y < 140;
            if (block || random() % 23 == 0) set(x, y);
        }
    for (DevPoint p : {DevPoint{area.left, area.top}, DevPoint{area.right - 1, area.top},
                       DevPoint{area.left, area.bottom - 1}, DevPoint{area.right - 1, area.bottom - 1}})
        set(p.x, p.y);
    return {bits, area};
}

TEST(SymbolStamp, PaintingEveryOccupiedPixelAtOnceMatchesStampingThemOneByOne) {
    std::vector<std::uint64_t> bits;
    const render::OccupiedPixels occupied = occupiedPattern(bits);
    const render::ClipArea clip = clipArea({41, 29, 441, 321});
    // One-colour shapes are painted as a union; two colours fall back to stamping.
    std::vector<Look> looks;
    for (int number = 1; number <= render::PredefinedShapeCount; ++number)
        for (int size : {3, 12}) looks.push_back({render::SymbolPredefined, number, size, 0, 1});
    looks.push_back({render::SymbolPredefined, 21, 14, 1, 2});
    for (const Look& look : looks) {
        QImage pictures[2];
        for (int atOnce : {0, 1}) {
            Canvas canvas(CanvasWidth, CanvasHeight);
            PainterDevice& device = canvas.device();
            document::SymbolStyle style;
            style.type = look.type;
            style.number = look.number;
            style.size = look.size;
            style.fill = look.fill;
            style.innerColour = static_cast<std::int32_t>(render::rgb(30, 160, 240));
            style.outerColour = static_cast<std::int32_t>(render::rgb(200, 20, 60));
            SymbolSetup setup = render::makeSymbolSetup(style, render::DeviceScale{}, 96, device);
            setup.penWidth = look.penWidth;
            device.setClip(clip);
            const int reach = std::max(setup.size.width, setup.size.height) / 2 + 2 * setup.penWidth + 2;
            auto stamp = device.makeStamp(reach, [&setup](render::DrawDevice& target, DevPoint anchor) {
                render::drawSymbol(target, anchor.x, anchor.y, setup, SymbolPass::Draw);
            });
            ASSERT_NE(stamp, nullptr);
            if (atOnce) stamp->paintOccupied(occupied);
            else stamp->render::SymbolStamp::paintOccupied(occupied);  // one paintAt per pixel
            pictures[atOnce] = canvas.image();
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << "shape " << look.number << " size " << look.size << ": "
                                                << firstDifference(pictures[0], pictures[1]);
    }
}

// A diagram with one curve of many points in a given symbol look, scattered
// over the plot and beyond its edges.
document::Diagram scatteredDiagram(const document::SymbolStyle& symbol, int count) {
    document::Diagram diagram;
    for (auto& direction : diagram.scales.axis) {
        direction[0].active = 1;
        direction[0].mainGraduate = 0;
        direction[0].format = 1;
    }
    diagram.scales.axis[0][0].origin = 0.0;
    diagram.scales.axis[0][0].extremity = 1.0;
    diagram.scales.axis[0][0].step = 0.1;
    diagram.scales.axis[1][0].origin = -1.0;
    diagram.scales.axis[1][0].extremity = 1.0;
    diagram.scales.axis[1][0].step = 0.2;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> along(-0.05, 1.05);
    std::normal_distribution<double> noise(0.0, 0.4);
    std::vector<document::Point> points(static_cast<std::size_t>(count));
    for (auto& p : points) p = {along(random), noise(random)};
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    curve.treatment = numerics::KindJPP;
    curve.symbol = symbol;
    diagram.curves.push_back(std::move(curve));
    return diagram;
}

QImage renderDiagram(const document::Diagram& diagram, bool allowStamps) {
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        PainterDevice device(painter, false, 96, 96);
        UnstampedDevice unstamped(device);
        render::RenderRequest request;
        request.pageRect = {0, 0, 640, 480};
        request.output.pageRect = request.pageRect;
        render::drawDiagram(allowStamps ? static_cast<render::DrawDevice&>(device) : unstamped, diagram, request);
    }
    return picture;
}

TEST(SymbolStamp, DiagramsComeOutTheSameWithAndWithoutStamps) {
    struct Case {
        const char* name;
        int type, number, size, fill;
        render::Colour inner, outer;
    };
    const Case cases[] = {
        {"one-colour square", render::SymbolPredefined, 5, 4, 0, render::rgb(255, 255, 255), kBlack},
        {"filled diamond in two colours", render::SymbolPredefined, 6, 9, 1, render::rgb(0, 200, 0), kRed},
        {"ring in two colours", render::SymbolPredefined, 21, 14, 1, render::rgb(0, 0, 255), kBlack},
        {"frame in one colour", render::SymbolPredefined, 22, 12, 1, kRed, kRed},
        {"shaded disc", render::SymbolShaded, 1, 10, 0, render::rgb(255, 255, 0), render::rgb(0, 0, 128)},
        {"character", render::SymbolCharacter, 1, 12, 0, kBlack, kBlack},
    };
    for (const Case& c : cases) {
        document::SymbolStyle symbol;
        symbol.type = c.type;
        symbol.number = c.number;
        symbol.size = c.size;
        symbol.fill = c.fill;
        symbol.character = 'x';
        symbol.innerColour = static_cast<std::int32_t>(c.inner);
        symbol.outerColour = static_cast<std::int32_t>(c.outer);
        const document::Diagram diagram = scatteredDiagram(symbol, 3000);
        const QImage reference = renderDiagram(diagram, false);
        const QImage stamped = renderDiagram(diagram, true);
        EXPECT_TRUE(reference == stamped) << c.name << ": " << firstDifference(reference, stamped);
    }
}

TEST(SymbolStamp, LongCurvesMarkedOnASecondThreadLookTheSame) {
    // Enough points for the occupied pixels to be marked on a second thread:
    // during the line when there is one, else in two halves.
    document::SymbolStyle symbol;
    symbol.number = 3;
    symbol.size = 5;
    for (int lineType : {1, 0}) {
        document::Diagram diagram = scatteredDiagram(symbol, 250'000);
        diagram.curves[0].line.type[0] = lineType;
        const QImage reference = renderDiagram(diagram, false);
        const QImage stamped = renderDiagram(diagram, true);
        EXPECT_TRUE(reference == stamped) << "line type " << lineType << ": " << firstDifference(reference, stamped);
    }
}

}  // namespace
}  // namespace ordinax::qt
