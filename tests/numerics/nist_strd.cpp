// Reader of the NIST StRD files: certified block and data block located by
// the line ranges of the header.
#include "nist_strd.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace ordinax::numerics::test {

namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

double number(const std::string& text) {
    if (text == "Infinity") return std::numeric_limits<double>::infinity();
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) throw std::runtime_error("not a number: " + text);
    return value;
}

// "... (lines 31 to 46)" -> {31, 46}
std::pair<int, int> lineRange(const std::string& line) {
    const auto w = words(line);
    for (std::size_t i = 0; i + 3 < w.size(); ++i)
        if (w[i] == "(lines") return {std::stoi(w[i + 1]), std::stoi(w[i + 3])};
    throw std::runtime_error("no line range in: " + line);
}

std::vector<std::string> readLines(const std::string& name) {
    std::ifstream file(std::string(ORDINAX_SOURCE_DIR) + "/tests/numerics/data/nist-strd/" + name + ".dat", std::ios::binary);
    if (!file) throw std::runtime_error("missing NIST file " + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The line range of the header line that names `block` ("Certified Values", "Data").
std::pair<int, int> blockRange(const std::vector<std::string>& lines, const std::string& block) {
    for (std::size_t i = 0; i < 10 && i < lines.size(); ++i)
        if (lines[i].find(block) != std::string::npos) return lineRange(lines[i]);
    throw std::runtime_error("no " + block + " range");
}

}  // namespace

NistDataset readNist(const std::string& name) {
    const std::vector<std::string> lines = readLines(name);
    const auto [certifiedFirst, certifiedLast] = lineRange(lines.at(4));
    const auto [dataFirst, dataLast] = lineRange(lines.at(5));
    NistDataset data;
    for (int i = certifiedFirst; i <= certifiedLast; ++i) {
        const auto w = words(lines.at(static_cast<std::size_t>(i - 1)));
        if (w.empty()) continue;
        if (w[0].size() >= 2 && w[0][0] == 'B' && std::isdigit(static_cast<unsigned char>(w[0][1]))) {
            data.estimate.push_back(number(w.at(1)));
            data.deviation.push_back(number(w.at(2)));
        } else if (w[0] == "Standard" && w.size() == 3) {
            data.residualDeviation = number(w[2]);
        } else if (w[0] == "R-Squared") {
            data.rSquared = number(w.at(1));
        } else if (w[0] == "Regression") {
            data.fStatistic = number(w.at(4));
        }
    }
    for (int i = dataFirst; i <= dataLast; ++i) {
        const auto w = words(lines.at(static_cast<std::size_t>(i - 1)));
        data.points.push_back({number(w.at(1)), number(w.at(0))});
    }
    return data;
}

NistNonlinear readNistNonlinear(const std::string& name) {
    const std::vector<std::string> lines = readLines(name);
    const auto [certifiedFirst, certifiedLast] = blockRange(lines, "Certified Values");
    const auto [dataFirst, dataLast] = blockRange(lines, "Data ");
    NistNonlinear data;
    for (int i = certifiedFirst; i <= certifiedLast; ++i) {
        const auto w = words(lines.at(static_cast<std::size_t>(i - 1)));
        if (w.empty()) continue;
        // "b1 = start1 start2 estimate deviation"
        if (w[0].size() >= 2 && w[0][0] == 'b' && std::isdigit(static_cast<unsigned char>(w[0][1]))) {
            data.estimate.push_back(number(w.at(4)));
            data.deviation.push_back(number(w.at(5)));
        } else if (w[0] == "Residual" && w.at(1) == "Sum") {
            data.residualSquares = number(w.at(4));
        } else if (w[0] == "Residual" && w.at(1) == "Standard") {
            data.residualDeviation = number(w.at(3));
        } else if (w[0] == "Degrees") {
            data.dof = static_cast<int>(number(w.at(3)));
        }
    }
    for (int i = dataFirst; i <= dataLast; ++i) {
        const auto w = words(lines.at(static_cast<std::size_t>(i - 1)));
        data.points.push_back({number(w.at(1)), number(w.at(0))});
    }
    return data;
}

double logRelativeError(double certified, double computed) {
    if (certified == computed) return 15.0;
    const double scale = certified != 0.0 ? std::fabs(certified) : 1.0;
    const double lre = -std::log10(std::fabs(certified - computed) / scale);
    return lre > 15.0 ? 15.0 : lre;
}

}  // namespace ordinax::numerics::test
