// Helpers of the Qt adapter tests: the application object fonts need, a
// white canvas with a drawing device on it, and pixel sets.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <cstring>
#include <optional>
#include <set>
#include <utility>

#include "base/logfont.h"
#include "qt/image_output.h"
#include "qt/painter_device.h"

namespace ordinax::qt::test {

using render::DevPoint;
using render::DevRect;
using render::PenStyle;

// Fonts need the Qt application object; gtest_main does not make one.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensureGuiApplication(); }
};
inline const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr render::Colour kBlack = render::rgb(0, 0, 0);
constexpr render::Colour kRed = render::rgb(255, 0, 0);

using PixelSet = std::set<std::pair<int, int>>;

// A clip area: the rectangle, optionally its ellipse, optionally a hole.
inline render::ClipArea clipArea(DevRect rect, bool ellipse = false, std::optional<DevRect> hole = {},
                                 bool holeIsEllipse = false) {
    render::ClipArea area;
    area.rect = rect;
    area.ellipse = ellipse;
    area.hasHole = hole.has_value();
    area.hole = hole.value_or(DevRect{});
    area.holeIsEllipse = holeIsEllipse;
    return area;
}

// A logical font of normal weight with the given height, face and escapement.
inline base::LogFont makeFont(int height, const char* face, int escapement = 0) {
    base::LogFont font;
    font.height = height;
    font.weight = 400;
    font.escapement = escapement;
    std::strncpy(font.faceName, face, sizeof font.faceName - 1);
    return font;
}

// A white canvas with a device drawing on it.
class Canvas {
public:
    Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        painter_.begin(&image_);
        device_.emplace(painter_);
    }
    PainterDevice& device() { return *device_; }
    // Ends painting and returns the picture.
    const QImage& image() {
        device_.reset();
        if (painter_.isActive()) painter_.end();
        return image_;
    }
    PixelSet lit() {
        const QImage& picture = image();
        PixelSet pixels;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != kWhite) pixels.insert({x, y});
        return pixels;
    }

private:
    QImage image_;
    QPainter painter_;
    std::optional<PainterDevice> device_;
};

inline QRect boundsOf(const PixelSet& pixels) {
    QRect bounds;
    for (auto [x, y] : pixels) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace ordinax::qt::test
