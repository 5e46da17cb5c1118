// ordinax-cli digitize: reference points and clicked points given in picture
// pixels (y downwards), converted exactly as the acquisition window converts
// them; with -o the points become the curve of a new diagram, shown with
// automatic scales as the window leaves it.
#include "cli/digitize_command.h"

#include <QByteArray>
#include <QFile>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "acquisition/acquisition_state.h"
#include "acquisition/pixel_points.h"
#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "cli/cli_support.h"
#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "exchange/file_io.h"
#include "exchange/import_preview.h"
#include "qt/image_output.h"
#include "qt/picture_loader.h"

namespace ordinax::cli {

namespace {

using acquisition::PixelPoint;

struct DigitizeOptions {
    SettingsChoice settings;
    std::string picture;
    std::string origin, endX, endY, corner;
    std::string xRange, yRange;
    bool logX = false, logY = false;
    std::string points, pointsFile;
    std::string title;  // Windows-1252 once validated
    std::string output;
    bool compact = false;
};

int digitizeUsage(const std::string& text) {
    std::cerr << "Erreur d'utilisation : " << text << "\nVoir « ordinax-cli digitize --help ».\n" << std::flush;
    return ExitUsage;
}

// "XO:XE": the values of the origin and of the end of an axis.
std::optional<acquisition::AxisValues> digitizeAxisRange(const std::string& text, bool logarithmic) {
    // The separator is the ':' that follows a number ("-5:5", "1e-3:10").
    const std::size_t colon = text.find(':', 1);
    if (colon == std::string::npos) return std::nullopt;
    const std::optional<double> origin = base::parseNumber(std::string_view(text).substr(0, colon));
    const std::optional<double> extremity = base::parseNumber(std::string_view(text).substr(colon + 1));
    if (!origin || !extremity) return std::nullopt;
    acquisition::AxisValues axis{logarithmic ? acquisition::AxisKind::Logarithmic : acquisition::AxisKind::Linear,
                                 *origin, *extremity};
    return acquisition::checkedAxisValues(axis);
}

bool insidePicture(const PixelPoint& p, int width, int height) {
    return p.x < width && p.y < height;
}

std::string pixelText(const PixelPoint& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

int runDigitize(const DigitizeOptions& o) {
    // The picture: decoded as the window decodes it, for its size in pixels.
    qt::ensureGuiApplication();
    QFile file(QString::fromStdString(o.picture));
    std::shared_ptr<const qt::DecodedPicture> picture;
    if (file.size() <= qt::kMaxPictureFileBytes && file.open(QIODevice::ReadOnly))
        picture = qt::decodePicture(file.readAll());
    if (!picture) return reportFailure(base::makeMessage(base::MsgPictureOpenFailed, base::Heading::Error, o.picture));
    const int width = picture->info().width, height = picture->info().height;

    acquisition::AcquisitionState state;
    const std::pair<const std::string*, int> references[] = {{&o.origin, acquisition::Origin},
                                                             {&o.endX, acquisition::EndX},
                                                             {&o.endY, acquisition::EndY},
                                                             {&o.corner, acquisition::Corner}};
    for (const auto& [text, index] : references) {
        if (text->empty()) continue;
        const std::optional<PixelPoint> point = acquisition::parsePixelPoint(*text);
        if (!point) return digitizeUsage(std::string("point de référence illisible : ") + *text);
        if (!insidePicture(*point, width, height))
            return reportFailure(errorMessage("Le point de référence " + pixelText(*point) + " est hors de l'image (" +
                                              std::to_string(width) + " x " + std::to_string(height) + ")."));
        state.references[static_cast<std::size_t>(index)] = *point;
    }
    const std::optional<acquisition::AxisValues> xAxis = digitizeAxisRange(o.xRange, o.logX);
    const std::optional<acquisition::AxisValues> yAxis = digitizeAxisRange(o.yRange, o.logY);
    if (!xAxis) return digitizeUsage("--x-range attend XO:XE, par exemple 0:10");
    if (!yAxis) return digitizeUsage("--y-range attend YO:YE, par exemple 0:10");
    state.xAxis = *xAxis;
    state.yAxis = *yAxis;

    std::string pointsText = o.points;
    if (!o.pointsFile.empty()) {
        // MaxPoints points of a few dozen characters each, on lines or all on one.
        constexpr base::TextLimits PointsFileLimits{std::size_t{64} << 20, std::size_t{64} << 20};
        base::Message error;
        std::optional<std::string> read = exchange::readFileBytes(o.pointsFile, PointsFileLimits, error);
        if (!read) return reportFailure(error);
        pointsText = std::move(*read);
    }
    const acquisition::PixelPointList list = acquisition::parsePixelPoints(pointsText, document::MaxPoints);
    if (list.badItem > 0)
        return reportFailure(errorMessage("Le point n° " + std::to_string(list.badItem) + " est illisible : « " +
                                          base::windows1252ToUtf8(list.badText) + " » (attendu : PX,PY)."));
    if (list.tooMany)
        return reportFailure(base::makeMessage(base::MsgMaxPointsExceeded, base::Heading::Error,
                                               std::to_string(document::MaxPoints)));
    for (const PixelPoint& p : list.points) {
        if (!insidePicture(p, width, height))
            return reportFailure(errorMessage("Le point " + pixelText(p) + " est hors de l'image (" +
                                              std::to_string(width) + " x " + std::to_string(height) + ")."));
        acquisition::addClickedPoint(state, p);
    }

    const acquisition::ConversionResult converted = acquisition::convertClickedPoints(state);
    if (!converted.ok) return reportFailure(converted.message);

    if (!o.output.empty()) {
        base::Message error;
        const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
        if (!preferences) return reportFailure(error);
        document::Diagram diagram;
        document::resetDiagram(diagram, preferences->diagram);
        const document::AllocateResult slot = document::allocateCurve(diagram, preferences->diagram, -1);
        document::Curve& curve = diagram.curves[static_cast<std::size_t>(slot.index)];
        std::string title = o.title;
        if (title.empty()) {
            title = document::DefaultCurveTitle;
            title.replace(title.find("%d"), 2, std::to_string(slot.index + 1));
        }
        acquisition::fillAcquiredCurve(curve, converted.points, title);
        exchange::showImportedCurves(diagram, exchange::ImportMode::Curve);
        if (const int saved = saveOrReport(diagram, o.output); saved != ExitSuccess) return saved;
    }

    Json points = Json::array();
    for (const document::Point& p : converted.points) points.push_back(Json::array({p.x, p.y}));
    Json out = Json::object();
    out["points"] = std::move(points);
    return writeJson(out, {}, o.compact);
}

// A model text from the command line (UTF-8), refused when Windows-1252 cannot write it.
CLI::Validator digitizeTitleText() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            const std::optional<std::string> converted = base::utf8ToWindows1252(value);
            if (!converted) return "le titre ne s'écrit pas en Windows-1252";
            if (converted->size() > 512) return "le titre dépasse 512 caractères";
            value = *converted;
            return {};
        },
        "");
}

}  // namespace

void addDigitizeCommand(CLI::App& app, int& status) {
    std::shared_ptr<DigitizeOptions> o;
    CLI::App* command = addCommand(
        app, status, "digitize",
        "Acquisition d'une courbe sur une image scannérisée, sans fenêtre : les points de référence et les points "
        "cliqués sont donnés en pixels de l'image (y vers le bas) ; trois points de référence, ou quatre avec la "
        "correction de perspective",
        runDigitize, o);
    command->add_option("IMAGE", o->picture, "Image (bmp, gif, jpg, png, tiff, wmf, emf)")->required()->type_name("IMAGE");
    command->add_option("--org", o->origin, "Origine des axes (ORG)")->required()->type_name("PX,PY");
    command->add_option("--ext-x", o->endX, "Extrémité de l'axe des X (EXT_X)")->required()->type_name("PX,PY");
    command->add_option("--ext-y", o->endY, "Extrémité de l'axe des Y (EXT_Y)")->required()->type_name("PX,PY");
    command->add_option("--ext", o->corner, "Coin opposé (EXT), pour corriger la perspective")->type_name("PX,PY");
    command->add_option("--x-range", o->xRange, "Valeurs de l'origine et de l'extrémité de l'axe des X")
        ->required()
        ->type_name("XO:XE");
    command->add_option("--y-range", o->yRange, "Valeurs de l'origine et de l'extrémité de l'axe des Y")
        ->required()
        ->type_name("YO:YE");
    command->add_flag("--log-x", o->logX, "Axe des X logarithmique (base 10)");
    command->add_flag("--log-y", o->logY, "Axe des Y logarithmique (base 10)");
    CLI::Option* inline_ =
        command->add_option("--points", o->points, "Points cliqués, dans l'ordre : \"PX,PY;PX,PY;...\"")
            ->type_name("LISTE");
    CLI::Option* fromFile =
        command->add_option("--points-file", o->pointsFile, "Fichier des points cliqués (un \"PX,PY\" par ligne ou séparés par ;)")
            ->type_name("FICHIER");
    inline_->excludes(fromFile);
    fromFile->excludes(inline_);
    command->add_option("--title", o->title, "Titre de la courbe (défaut : \"Courbe n° 1\")")
        ->type_name("TITRE")
        ->transform(digitizeTitleText());
    command->add_option("-o", o->output, "Diagramme à écrire, avec la courbe acquise")->type_name("SORTIE.orx");
    command->add_flag("--compact", o->compact, "JSON compact, sans indentation");
    command->callback(commandCallback(status, [o] {
        if (o->points.empty() && o->pointsFile.empty()) return digitizeUsage("--points ou --points-file est nécessaire.");
        return runDigitize(*o);
    }));
}

}  // namespace ordinax::cli
