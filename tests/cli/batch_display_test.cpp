// Diagrams made in batch come out shown: `function`, `paste` and `import`
// end with the update of the scales and the display, and `render` draws a
// never-displayed diagram with automatic scales. Expected scales are worked
// by hand from the automatic-bounds rule (first step s of 1, 2, 5 x 10^l with
// max/s - min/s <= 10, l = trunc(log10(max - min)) - 1).
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <nlohmann/json.hpp>
#include <algorithm>
#include <string>

#include "cli/cli_process.h"
#include "command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

struct Bounds {
    double origin;
    double extremity;
    double step;
};

class BatchDisplay : public CommandTest {
protected:
    Json dumped(const std::string& orx) {
        const RunResult r = run({"dump", orx});
        EXPECT_EQ(r.status, 0) << r.err;
        return Json::parse(r.out);
    }

    // The main X and Y scales (side 0 of each direction) are those expected, and the diagram is shown.
    void expectShownWith(const std::string& orx, Bounds x, Bounds y) {
        const Json d = dumped(orx);
        EXPECT_EQ(d["displayMode"], 1) << orx;
        const Bounds expected[2] = {x, y};
        for (int direction = 0; direction < 2; ++direction) {
            const Json& scale = d["scales"]["axis"][direction][0];
            EXPECT_DOUBLE_EQ(scale["origin"].get<double>(), expected[direction].origin) << orx << " " << direction;
            EXPECT_DOUBLE_EQ(scale["extremity"].get<double>(), expected[direction].extremity) << orx << " " << direction;
            EXPECT_DOUBLE_EQ(scale["step"].get<double>(), expected[direction].step) << orx << " " << direction;
        }
    }

    QImage picture(const std::string& name) {
        QImage image;
        image.load(QString::fromStdString(file(name)));
        return image.convertToFormat(QImage::Format_RGB32);
    }
};

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    return count;
}

TEST_F(BatchDisplay, FunctionPasteAndImportWriteShownDiagrams) {
    // y = 2x on [0, 10]: x 0..10 step 1; y 0..20 gives 20/1 > 10, then step 2.
    RunResult r = run({"function", "--expr", "y=2*x", "--from", "0", "--to", "10", "--points", "11", "-o", "f.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectShownWith("f.orx", {0, 10, 1}, {0, 20, 2});

    // y 0.13 .. 9.7: step 1, 0 .. 10; x 1 .. 3: l = -1, 0.1 gives 20 > 10, 0.2 gives 10.
    writeFile(file("t.txt"), "1\t0.13\n2\t5\n3\t9.7\n");
    r = run({"paste", "t.txt", "-o", "p.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectShownWith("p.orx", {1, 3, 0.2}, {0, 10, 1});

    // y 10 .. 45: steps 1 and 2 span more than 10 steps, 5 gives 7.
    writeFile(file("d.csv"), "1;10\n2;20\n3;45\n");
    r = run({"import", "d.csv", "--separator", ";", "-o", "i.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectShownWith("i.orx", {1, 3, 0.2}, {10, 45, 5});

    // Into one curve of the pasted diagram: its curve now spans 2 .. 40.
    writeFile(file("e.csv"), "1;2\n3;40\n");
    r = run({"import", "e.csv", "--separator", ";", "--into", "p.orx", "--curve", "0", "-o", "into.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectShownWith("into.orx", {1, 3, 0.2}, {0, 40, 5});
}

TEST_F(BatchDisplay, ImportTellsWhichValuesTheDefaultProcedureLeft) {
    writeFile(file("wide.csv"), "1;10;11;12\n2;20;21;22\n");
    const RunResult r = run({"import", "wide.csv", "--separator", ";", "-o", "w.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "REMARQUE\n\nLa première ligne de données compte 4 valeurs ; la procédure n'en lit que 2 : "
              "2 valeurs sont ignorées.\nPour les lire, ajoutez --detect-coordinates ou --coordinate-count 4.\n");
    // Reading them, as the remark says, is silent and fills three curves.
    const RunResult all = run({"import", "wide.csv", "--separator", ";", "--coordinate-count", "4", "-o", "w.orx"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.err, "");
    EXPECT_EQ(Json::parse(all.out)["curves"], 3);
}

// One red curve from (1, 1) to (9, 9); `scales` and the display mode as given.
std::string redCurve(int displayMode, const std::string& scales) {
    return R"({"displayMode": )" + std::to_string(displayMode) + scales +
           R"(, "curves": [{"title": "Rouge", "symbol": {"type": 0}, "treatment": "JPP",
              "line": {"type": [1, 0], "width": [3, 1], "colour": [255, 0]},
              "points": [[1, 1], [5, 5], [9, 9]]}]})";
}

// Scales 1 .. 9 step 1 on both main sides: the automatic choice for 1 .. 9 (l = -1; 0.1 .. 0.5 span more than 10 steps).
const std::string HandScales = R"(, "scales": {"axis": [[{"active": 1, "origin": 1, "extremity": 9, "step": 1, "format": 2},
    {}], [{"active": 1, "origin": 1, "extremity": 9, "step": 1, "format": 2}, {}]]})";

TEST_F(BatchDisplay, RenderDrawsANeverDisplayedDiagramWithAutomaticScales) {
    build(redCurve(0, ""), "never.orx");
    build(redCurve(1, HandScales), "hand.orx");
    for (const char* name : {"never", "hand"}) {
        const RunResult r = run({"render", std::string(name) + ".orx", "-o", std::string(name) + ".png", "--width",
                                 "400", "--height", "300"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    const QImage never = picture("never.png");
    EXPECT_GT(pixelsOf(never, qRgb(255, 0, 0)), 200);
    EXPECT_EQ(never, picture("hand.png"));

    // A shown diagram keeps its scales unless asked: 100 .. 200 leaves the curve out of the plot.
    std::string far = HandScales;
    for (const char* from : {"\"origin\": 1", "\"extremity\": 9", "\"step\": 1,"}) {
        const std::string to = std::string(from) == "\"origin\": 1"      ? "\"origin\": 100"
                               : std::string(from) == "\"extremity\": 9" ? "\"extremity\": 200"
                                                                         : "\"step\": 10,";
        for (std::size_t at = far.find(from); at != std::string::npos; at = far.find(from, at + to.size()))
            far.replace(at, std::string(from).size(), to);
    }
    build(redCurve(1, far), "far.orx");
    RunResult r = run({"render", "far.orx", "-o", "far.png", "--width", "400", "--height", "300"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pixelsOf(picture("far.png"), qRgb(255, 0, 0)), 0);
    r = run({"render", "far.orx", "-o", "auto.png", "--width", "400", "--height", "300", "--auto-scales"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(picture("auto.png"), picture("hand.png"));
}

// The batch example of the README, run as a newcomer would paste it.
TEST_F(BatchDisplay, TheReadmeBatchExampleRuns) {
    const std::string source = ORDINAX_SOURCE_DIR;
    const std::string script = readFile(source + "/examples/batch/chute.sh");
    const std::string readme = readFile(source + "/README.md");
    std::size_t commands = 0;
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        const std::string line = script.substr(at, end - at);
        at = end + 1;
        if (line.empty() || line[0] == '#') continue;
        ++commands;
        EXPECT_NE(readme.find("    " + line + "\n"), std::string::npos) << "not in the README: " << line;
    }
    EXPECT_EQ(commands, 4u);

    writeFile(file("chute.csv"), readFile(source + "/examples/batch/chute.csv"));
    writeFile(file("chute.sh"), script);
    const RunResult r = runShellScript("chute.sh", folder_.path());
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* product : {"chute.orx", "chute.rtf", "chute.png", "chute.pdf"})
        EXPECT_FALSE(readFile(file(product)).empty()) << product;
    // The fit kept in the diagram: least squares of the 21 points worked with exact fractions
    // (a0 = 20.00227498588368, a1 = 0.00096347588338435, a2 = -4.906585634045588).
    const Json fitted = dumped("chute.orx")["curves"][0];
    EXPECT_EQ(fitted["treatment"], "POL2");
    const Json shown = dumped("chute.orx");
    EXPECT_EQ(shown["displayMode"], 1);
    const RunResult coefficients = run({"fit", "chute.orx", "--curve", "0", "--model", "POL2"});
    ASSERT_EQ(coefficients.status, 0) << coefficients.err;
    const Json a = Json::parse(coefficients.out)["coefficients"];
    EXPECT_NEAR(a[0].get<double>(), 20.00227498588368, 1e-9);
    EXPECT_NEAR(a[1].get<double>(), 0.00096347588338435, 1e-9);
    EXPECT_NEAR(a[2].get<double>(), -4.906585634045588, 1e-9);
    // The picture shows the curve: the same diagram with the curve deactivated has far fewer black pixels.
    Json hidden = shown;
    hidden["curves"][0]["hidden"] = 1;
    writeFile(file("hidden.json"), hidden.dump());
    ASSERT_EQ(run({"build", "hidden.json", "-o", "hidden.orx"}).status, 0);
    ASSERT_EQ(run({"render", "hidden.orx", "-o", "hidden.png"}).status, 0);
    const QImage png = picture("chute.png");
    ASSERT_FALSE(png.isNull());
    EXPECT_GT(pixelsOf(png, qRgb(0, 0, 0)), pixelsOf(picture("hidden.png"), qRgb(0, 0, 0)) + 500);
}

}  // namespace
}  // namespace ordinax::cli::test
