// The JSON mapping of the diagram, in-process: completeness of the round trip,
// defaults for missing keys, and the refusal of every kind of faulty value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/diagram_json.h"
#include "cli/filled_diagram.h"
#include "cli/treatment_code.h"
#include "document/diagram_defaults.h"

namespace ordinax::cli {
namespace {

using document::Diagram;

Diagram newDiagram() {
    Diagram d;
    document::resetDiagram(d, document::factoryDiagramDefaults());
    return d;
}

TEST(DiagramJson, EveryFieldSurvivesTheTripThroughJsonText) {
    const Diagram filled = test::filledDiagram();
    // Through the text, so that the number forms are part of the trip.
    const Json parsed = Json::parse(diagramToJson(filled, "ASB_02").dump());
    Diagram back = newDiagram();
    const base::Message error = applyDiagramJson(parsed, back);
    ASSERT_TRUE(error.empty()) << error.text;
    EXPECT_EQ(back, filled);
}

TEST(DiagramJson, KeysFollowTheRecord) {
    const Json json = diagramToJson(test::filledDiagram(), "ASB_02");
    EXPECT_EQ(json["format"], "ASB_02");
    EXPECT_EQ(json["curveCount"], 2);
    EXPECT_EQ(json["curves"][1]["pointCount"], 4);
    EXPECT_EQ(json["labels"].size(), 17u);
    EXPECT_EQ(json["tagPosition"].size(), 10u);
    EXPECT_EQ(json["backPaint"].size(), 17u);
    EXPECT_EQ(json["scales"]["axis"][1][0]["customSymbol"], "°C");
    EXPECT_EQ(json["scales"]["axis"][1][1]["customSymbol"], "0123456789");
    EXPECT_EQ(json["curves"][0]["unit"][1]["symbol"][1], "°C");
    EXPECT_EQ(json["curves"][0]["unit"][1]["prefix"][1], "µ");
    EXPECT_EQ(json["curves"][0]["points"][0], Json::array({0.1, 20.5}));
    EXPECT_EQ(json["band"][1]["font"], "-18,0,0,0,400,0,1,0,0,0,0,0,18,Trébuchet MS");
}

TEST(DiagramJson, TextsAreUtf8WithTheMarkupByteAsPilcrow) {
    // 0xB6 is U+00B6 and 0xE9 U+00E9 in Windows-1252 (code page table).
    EXPECT_EQ(textToJson("\xB6" "B1Temp\xE9rature"), "\xC2\xB6" "B1Temp\xC3\xA9rature");
    EXPECT_EQ(textToJson("\x80"), "\xE2\x82\xAC");  // the euro sign
}

TEST(DiagramJson, NumbersAreWrittenInShortestRoundTripForm) {
    Diagram d = newDiagram();
    d.size = {0.1, 1.0 / 3.0};
    const std::string text = diagramToJson(d, "ASB_02").dump();
    // 1/3 needs 16 significant digits to read back (IEEE binary64).
    EXPECT_NE(text.find("\"size\":[0.1,0.3333333333333333]"), std::string::npos) << text;
}

TEST(DiagramJson, MissingKeysKeepTheDefaults) {
    const Json json = Json::parse(R"({"displayMode": 1, "curves": [{"title": "A", "points": [[1, 2]]}]})");
    Diagram d = newDiagram();
    ASSERT_TRUE(applyDiagramJson(json, d).empty());

    Diagram expected = newDiagram();
    expected.displayMode = 1;
    document::Curve curve;
    document::resetCurve(curve);
    curve.title = "A";
    const document::Point point{1.0, 2.0};
    curve.points = document::PointBuffer(std::span(&point, 1));
    expected.curves.push_back(curve);
    EXPECT_EQ(d, expected);
}

TEST(DiagramJson, NullReadsAsNotANumber) {
    Diagram d = newDiagram();
    ASSERT_TRUE(applyDiagramJson(Json::parse(R"({"curves": [{"points": [[null, 2]], "confidence": null}]})"), d)
                    .empty());
    EXPECT_TRUE(std::isnan(d.curves[0].points[0].x));
    EXPECT_TRUE(std::isnan(d.curves[0].confidence));
    // And a value that JSON cannot hold is written as null.
    EXPECT_EQ(curveToJson(d.curves[0])["confidence"].dump(), "null");
}

TEST(DiagramJson, TreatmentCodesAndNumbers) {
    struct Case {
        const char* json;
        int treatment;
    };
    const Case cases[] = {
        {"null", 0}, {"\"JPP\"", 1}, {"\"BSP\"", 2}, {"\"SPC\"", 3}, {"\"BEZ\"", 4},
        {"\"FOU\"", 5}, {"0", 0}, {"5", 5}, {"42", 42},
        // The regression models by their code names (table of kinds 6..42); POW is PUI.
        {"\"BETA\"", 6}, {"\"LIN\"", 17}, {"\"POL6\"", 35}, {"\"PUI\"", 36}, {"\"POW\"", 36}, {"\"SUPGEO\"", 42},
    };
    for (const Case& c : cases) {
        Diagram d = newDiagram();
        const Json json = Json::parse(std::string(R"({"curves": [{"treatment": )") + c.json + "}]}");
        ASSERT_TRUE(applyDiagramJson(json, d).empty()) << c.json;
        EXPECT_EQ(d.curves[0].treatment, c.treatment) << c.json;
    }
    EXPECT_TRUE(treatmentCode(0).is_null());
    EXPECT_EQ(treatmentCode(5), "FOU");
    EXPECT_EQ(treatmentCode(6), "BETA");
    EXPECT_EQ(treatmentCode(17), "LIN");
    EXPECT_EQ(treatmentCode(42), "SUPGEO");
    EXPECT_EQ(treatmentCode(43), 43);  // out of range: the number as it was read
}

TEST(DiagramJson, FaultyValuesAreRefusedWithTheKeyNamed) {
    struct Case {
        std::string json;
        std::string expected;  // a part of the message
    };
    const std::string longPath(260, 'a');
    std::string tooManyCurves = R"({"curves": [{})";
    for (int i = 1; i <= document::MaxCurves; ++i) tooManyCurves += ",{}";
    tooManyCurves += "]}";
    const Case cases[] = {
        {"[]", "« (racine) » doit être un objet JSON."},
        {R"({"displayMode": "1"})", "« displayMode » doit être un nombre entier (32 bits)."},
        {R"({"displayMode": 2147483648})", "« displayMode » doit être un nombre entier"},
        {R"({"displayMode": -2147483649})", "« displayMode » doit être un nombre entier"},
        {R"({"displayMode": 1.5})", "« displayMode » doit être un nombre entier"},
        {R"({"displayMode": true})", "« displayMode » doit être un nombre entier"},
        {R"({"size": [1]})", "« size » doit être un tableau de 2 éléments."},
        {R"({"size": [1, "2"]})", "« size[1] » doit être un nombre."},
        {R"({"margins": [[1,2,3,4,5,6],[1,2,3,4,5]]})", "« margins[1] » doit être un tableau de 6 éléments."},
        {R"({"labels": [{}]})", "« labels » doit être un tableau de 17 éléments."},
        {R"({"titel": "x"})", "Clé inconnue : « titel »."},
        {R"({"logo": {"zooom": 1}})", "Clé inconnue : « logo.zooom »."},
        {R"({"reportFont": "Arial"})", "« reportFont » n'est pas une police valide"},
        {R"({"curves": [{"title": "Ω"}]})", "« curves[0].title » contient un caractère qui ne peut pas être écrit en Windows-1252."},
        {R"({"curves": [{}, {"legend": 3}]})", "« curves[1].legend » doit être un texte."},
        // Text buffers keep room for their terminating zero; paddings need none.
        {R"({"backPicture": ")" + longPath + R"("})", "« backPicture » dépasse 259 caractères."},
        {R"({"scales": {"axis": [[{"customSymbol": "12345678901"}, {}], [{}, {}]]}})",
         "« scales.axis[0][0].customSymbol » dépasse 10 caractères."},
        {R"({"curves": [{"unit": [{"symbol": ["012345678901234567890123", "", "", "", "", "", "", "", "", ""]}, {}]}]})",
         "« curves[0].unit[0].symbol[0] » dépasse 23 caractères."},
        {R"({"curves": [{"unit": [{}, {"padding2": "abcde"}]}]})", "« curves[0].unit[1].padding2 » dépasse 4 caractères."},
        {R"({"curves": [{"unit": [{}, {"factorCount": 11}]}]})",
         "« curves[0].unit[1].factorCount » doit être compris entre 0 et 10."},
        {R"({"curves": [{"treatment": "XYZ"}]})", "« curves[0].treatment » : traitement inconnu"},
        {R"({"curves": [{"treatment": 43}]})", "« curves[0].treatment » : traitement inconnu"},
        {R"({"curves": [{"treatment": "fou"}]})", "« curves[0].treatment » : traitement inconnu"},
        {R"({"curveCount": 2, "curves": [{}]})", "« curveCount » (2) ne correspond pas"},
        {R"({"curveCount": 1})", "« curveCount » (1) ne correspond pas"},
        {R"({"curves": [{"pointCount": 2, "points": [[1, 2]]}]})", "« curves[0].pointCount » (2) ne correspond pas"},
        {R"({"curves": [{"points": [[1]]}]})", "« curves[0].points[0] » doit être un point [x, y]."},
        {R"({"curves": [{"points": [[1, 2], [3, "4"]]}]})", "« curves[0].points[1][1] » doit être un nombre."},
        {R"({"curves": {"title": "A"}})", "« curves » doit être un tableau de courbes."},
        {tooManyCurves, "Le nombre maxi de courbes est atteint pour ce diagramme."},
    };
    for (const Case& c : cases) {
        Diagram d = newDiagram();
        const base::Message error = applyDiagramJson(Json::parse(c.json), d);
        EXPECT_EQ(error.heading, base::Heading::Error) << c.json;
        EXPECT_NE(error.text.find(c.expected), std::string::npos) << c.json << "\n-> " << error.text;
    }
}

TEST(DiagramJson, TextsThatWindows1252CanWriteAreAccepted) {
    Diagram d = newDiagram();
    ASSERT_TRUE(applyDiagramJson(Json::parse(R"({"curves": [{"title": "€ ¶ é œ"}]})"), d).empty());
    // Windows-1252: € 0x80, ¶ 0xB6, é 0xE9, œ 0x9C.
    EXPECT_EQ(d.curves[0].title, "\x80 \xB6 \xE9 \x9C");
}

}  // namespace
}  // namespace ordinax::cli
