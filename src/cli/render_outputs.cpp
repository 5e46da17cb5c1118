// Names of the pictures of a batch rendering.
#include "cli/render_outputs.h"

#include <filesystem>
#include <map>

namespace ordinax::cli {

namespace {

namespace fs = std::filesystem;

std::string nameOf(const std::string& input) { return fs::path(input).stem().string(); }

// The pattern with %n replaced; nullopt for a "%" followed by anything else.
std::optional<std::string> expand(const std::string& pattern, const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == 'n') out += name;
        else if (i + 1 < pattern.size() && pattern[i + 1] == '%') out += '%';
        else return std::nullopt;
        ++i;
    }
    return out;
}

bool isFolder(const std::string& output) {
    if (!output.empty() && output.back() == '/') return true;
    std::error_code error;
    return fs::is_directory(output, error);
}

}  // namespace

std::optional<std::string> renderOutputs(const std::vector<std::string>& inputs, const std::string& output,
                                         const std::string& format, std::vector<std::string>& outputs) {
    outputs.clear();
    const bool pattern = output.find('%') != std::string::npos;
    const bool folder = !pattern && isFolder(output);
    if (!format.empty() && !folder)
        return "--format ne s'applique qu'à un dossier de sortie ; ailleurs l'extension de -o donne le format.";
    if (!pattern && !folder) {
        if (inputs.size() > 1)
            return "plusieurs diagrammes demandent pour -o un dossier (SORTIE/) ou un modèle avec %n "
                   "(par exemple sortie/%n.png).";
        outputs = inputs.empty() ? std::vector<std::string>{} : std::vector<std::string>{output};
        return std::nullopt;
    }
    // Two inputs of the same name would silently overwrite one picture.
    std::map<std::string, std::string> seen;
    for (const std::string& input : inputs) {
        std::string picture;
        if (folder) {
            picture = (fs::path(output) / (nameOf(input) + "." + (format.empty() ? "png" : format))).string();
        } else {
            const std::optional<std::string> expanded = expand(output, nameOf(input));
            if (!expanded) return "le modèle de sortie « " + output + " » ne connaît que %n et %%.";
            picture = *expanded;
        }
        const std::string key = fs::path(picture).lexically_normal().string();
        if (const auto [at, fresh] = seen.emplace(key, input); !fresh)
            return "les diagrammes « " + at->second + " » et « " + input + " » donneraient la même image « " +
                   picture + " ».";
        outputs.push_back(std::move(picture));
    }
    return std::nullopt;
}

}  // namespace ordinax::cli
