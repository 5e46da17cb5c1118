// ordinax-cli digitize through the built binary, on a chart picture drawn by
// a known transform: the axes turned by a few degrees, the points of a
// straight line marked as dots. The dots' pixels give back the line's values.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

// The chart: x 0..10 along (480, -40) pixels from the origin (60, 330), y
// 0..100 along (30, -280); pixel(x, y) = origin + x/10 * ex + y/100 * ey.
QPointF chartPixel(double x, double y) {
    return {60 + x / 10 * 480 + y / 100 * 30, 330 - x / 10 * 40 - y / 100 * 280};
}

class DigitizeCommand : public CommandTest {
protected:
    void SetUp() override {
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawLine(chartPixel(0, 0), chartPixel(10, 0));
        painter.drawLine(chartPixel(0, 0), chartPixel(0, 100));
        for (const auto& [x, y] : line) painter.drawEllipse(chartPixel(x, y), 3, 3);
        painter.end();
        ASSERT_TRUE(image.save(QString::fromStdString(file("chart.png"))));
    }

    // The dots as a user clicks them: the nearest pixel.
    std::string clicks() const {
        std::string text;
        for (const auto& [x, y] : line) {
            const QPointF p = chartPixel(x, y);
            text += std::to_string(std::lround(p.x())) + "," + std::to_string(std::lround(p.y())) + ";";
        }
        return text;
    }

    std::vector<std::string> frameArgs() const {
        return {"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,290", "--ext-y", "90,50",
                "--x-range", "0:10", "--y-range", "0:100"};
    }

    // y = 7 x + 12 at x = 1, 2.5, 4, 6.5, 9.
    std::vector<std::pair<double, double>> line{{1, 19}, {2.5, 29.5}, {4, 40}, {6.5, 57.5}, {9, 75}};
};

TEST_F(DigitizeCommand, PointsComeBackWithinHalfAPixelsWorth) {
    std::vector<std::string> args = frameArgs();
    args.insert(args.end(), {"--points", clicks()});
    const RunResult r = run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const Json out = Json::parse(r.out);
    ASSERT_EQ(out["points"].size(), line.size());
    // Half a pixel's worth, from the inverse of the chart's matrix
    // [[48, 0.3], [-4, -2.8]] (pixels per unit, determinant -133.2): 0.5 (2.8 + 0.3) / 133.2 = 0.01164 in x,
    // 0.5 (4 + 48) / 133.2 = 0.1952 in y.
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_NEAR(out["points"][i][0].get<double>(), line[i].first, 0.01164) << i;
        EXPECT_NEAR(out["points"][i][1].get<double>(), line[i].second, 0.1952) << i;
    }
}

TEST_F(DigitizeCommand, PointsFileAndNewDiagram) {
    std::string perLine = clicks();
    for (char& c : perLine)
        if (c == ';') c = '\n';
    writeFile(file("clics.txt"), perLine);
    std::vector<std::string> args = frameArgs();
    args.insert(args.end(), {"--points-file", "clics.txt", "--title", "Droite relevée", "-o", "releve.orx"});
    const RunResult r = run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const RunResult info = run({"info", "releve.orx"});
    ASSERT_EQ(info.status, 0) << info.err;
    const Json summary = Json::parse(info.out);
    ASSERT_EQ(summary["curveCount"], 1);
    EXPECT_EQ(summary["curves"][0]["title"], "Droite relevée");
    EXPECT_EQ(summary["curves"][0]["pointCount"], 5);
    // The diagram is shown with scales that hold the points.
    const Json scales = Json::parse(run({"scales", "releve.orx"}).out);
    EXPECT_LE(scales["axis"][0][0]["origin"].get<double>(), 1.0);
    EXPECT_GE(scales["axis"][0][0]["extremity"].get<double>(), 9.0);
}

TEST_F(DigitizeCommand, LogarithmicAxisAndPerspectiveCorner) {
    // An upright frame of 400 x 300 pixels; x logarithmic from 1 to 1000.
    const RunResult r = run({"digitize", "chart.png", "--org", "100,350", "--ext-x", "500,350", "--ext-y", "100,50",
                             "--ext", "500,50", "--x-range", "1:1000", "--y-range", "0:3", "--log-x", "--points",
                             "300,200;100,350"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json out = Json::parse(r.out);
    // Worked by hand: the middle of the axis is 10^1.5; 150 of 300 pixels is 1.5.
    EXPECT_NEAR(out["points"][0][0].get<double>(), 31.6227766, 1e-6);
    EXPECT_NEAR(out["points"][0][1].get<double>(), 1.5, 1e-12);
    EXPECT_NEAR(out["points"][1][0].get<double>(), 1, 1e-12);
}

TEST_F(DigitizeCommand, Refusals) {
    writeFile(file("pas-une-image.png"), "ceci n'est pas une image");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"digitize", "pas-une-image.png", "--org", "1,1", "--ext-x", "5,1", "--ext-y", "1,0", "--x-range", "0:1",
          "--y-range", "0:1", "--points", "2,2"},
         1, "Impossible d'ouvrir le fichier pas-une-image.png !"},
        {{"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,330", "--ext-y", "300,330", "--x-range", "0:1",
          "--y-range", "0:1", "--points", "70,300"},
         1, "Le repère n'est pas défini"},
        {{"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,290", "--ext-y", "90,50", "--x-range", "0:1",
          "--y-range", "0:1", "--points", "70,300;800,20"},
         1, "Le point 800,20 est hors de l'image (600 x 400)."},
        {{"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,290", "--ext-y", "90,50", "--x-range", "0:1",
          "--y-range", "0:1", "--points", "70,300;a,b"},
         1, "Le point n° 2 est illisible"},
        {{"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,290", "--ext-y", "90,50", "--x-range", "0-1",
          "--y-range", "0:1", "--points", "70,300"},
         2, "--x-range attend XO:XE"},
        {{"digitize", "chart.png", "--org", "60,330", "--ext-x", "540,290", "--ext-y", "90,50", "--x-range", "0:1",
          "--y-range", "0:1"},
         2, "--points ou --points-file"},
    };
    for (const auto& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

}  // namespace
}  // namespace ordinax::cli::test
