// French texts of the command-line parser's errors, recognised by their kind
// and the shape of their English text.
#include "cli/usage_errors.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "base/format.h"

namespace ordinax::cli {

namespace {

struct Rewrite {
    const char* pattern;
    const char* french;  // $1, $2 ... the parts of the pattern
};

std::string apply(const std::string& text, std::initializer_list<Rewrite> rewrites) {
    for (const Rewrite& r : rewrites) {
        const std::regex pattern(r.pattern);
        std::smatch match;
        if (std::regex_match(text, match, pattern)) return match.format(r.french);
    }
    return {};
}

// A bound of a range as the parser writes it ("0.000000", "1.7976931...").
std::string boundText(const std::string& text, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return text;
    return base::formatPrintf("%g", value);
}

// "Value X not in range A to B" of the range checks, which also refuse a
// text that is no number with it.
std::string rangeText(const std::string& value, const std::string& low, const std::string& high) {
    double lowValue = 0.0;
    double highValue = 0.0;
    const std::string lowText = boundText(low, lowValue);
    const std::string highText = boundText(high, highValue);
    std::string expected;
    if (highValue >= 1e300) {
        if (lowValue == 0.0) expected = "un nombre positif ou nul";
        else if (lowValue > 0.0 && lowValue < 1e-300) expected = "un nombre strictement positif";
        else expected = "un nombre supérieur ou égal à " + lowText;
    } else {
        expected = "un nombre compris entre " + lowText + " et " + highText;
    }
    return "« " + value + " » n'est pas " + expected;
}

// The commands' own checks write French: accented letters or French words tell it.
bool looksFrench(const std::string& text) {
    for (const char* mark : {"é", "è", "à", "ê", "ç", "«", " est ", " doit ", " nombre", " le ", " la ", " les "})
        if (text.find(mark) != std::string::npos) return true;
    return false;
}

// The message of a check: the parser's own ones in French, the commands'
// ones (already French) as they are.
std::string checkText(const std::string& text) {
    static const std::regex range("Value ([\\s\\S]*) not in range (\\S+) to (\\S+)");
    std::smatch match;
    if (std::regex_match(text, match, range)) return rangeText(match[1], match[2], match[3]);
    // A word of a table: "Check X value in {word->code,...} OR {codes} FAILED".
    static const std::regex table("Check ([\\s\\S]*) value in (\\{[^}]*\\}) OR \\{[^}]*\\} FAILED");
    if (std::regex_match(text, match, table)) {
        static const std::regex code("->[^,}]*");
        return "« " + std::string(match[1]) + " » ne fait pas partie de " +
               std::regex_replace(std::string(match[2]), code, "");
    }
    const std::string rewritten = apply(
        text, {
                  {"Value ([\\s\\S]*) could not be converted[\\s\\S]*", "la valeur $1 n'a pas pu être convertie"},
                  {"([\\s\\S]*) not in (\\{[\\s\\S]*\\})", "« $1 » ne fait pas partie de $2"},
                  {"File does not exist: ([\\s\\S]*)", "le fichier $1 n'existe pas"},
                  {"Directory does not exist: ([\\s\\S]*)", "le dossier $1 n'existe pas"},
                  {"Path does not exist: ([\\s\\S]*)", "le chemin $1 n'existe pas"},
                  {"Path already exists: ([\\s\\S]*)", "le chemin $1 existe déjà"},
                  {"Failed parsing ([\\s\\S]*) as a ([\\s\\S]*)", "« $1 » n'est pas une valeur de type $2"},
              });
    return rewritten.empty() ? text : rewritten;
}

}  // namespace

std::string frenchUsageError(const CLI::Error& error) { return frenchUsageError(error.what()); }

std::string frenchUsageError(const std::string& text) {
    // Recognised by their text alone: the parser names some errors after the
    // command they happened in rather than after their kind.
    std::string french = apply(
        text,
        {
            {"The following argument was not expected: ([\\s\\S]*)", "l'argument suivant n'était pas attendu : $1"},
            {"The following arguments were not expected: ([\\s\\S]*)", "les arguments suivants n'étaient pas attendus : $1"},
            {"A subcommand is required", "une commande est requise"},
            {"Requires at least (\\d+) subcommands", "au moins $1 commandes sont requises"},
            {"Exactly 1 option from \\[([\\s\\S]*)\\] is required and (\\d+) were given",
             "une seule option parmi [$1] est admise, $2 ont été données"},
            {"Exactly 1 option from \\[([\\s\\S]*)\\]", "une option parmi [$1] est requise"},
            {"At least 1 option from \\[([\\s\\S]*)\\]", "au moins une option parmi [$1] est requise"},
            {"Requires at least (\\d+) options used and only (\\d+) ?were given from \\[([\\s\\S]*)\\]",
             "au moins $1 options parmi [$3] sont requises, $2 ont été données"},
            {"Requires at most 1 options be given from \\[([\\s\\S]*)\\]", "une option au plus parmi [$1] est admise"},
            {"Requires at most (\\d+) options be used and (\\d+) ?were given from \\[([\\s\\S]*)\\]",
             "$1 options au plus parmi [$3] sont admises, $2 ont été données"},
            {"(\\S+) is required", "$1 est obligatoire"},
            {"Expected exactly (\\d+) arguments to ([\\s\\S]*), got (\\d+)", "$2 attend exactement $1 valeurs, $3 reçues"},
            {"Expected at least (\\d+) arguments to ([\\s\\S]*), got (\\d+)", "$2 attend au moins $1 valeurs, $3 reçues"},
            {"(\\S+): At least (\\d+) required but received (\\d+)", "$1 : au moins $2 valeurs requises, $3 reçues"},
            {"(\\S+): At Most (\\d+) required but received (\\d+)", "$1 : au plus $2 valeurs admises, $3 reçues"},
            {"(\\S+): (\\d+) required ([\\s\\S]*) missing", "$1 : valeur manquante ($3)"},
            {"(\\S+) was given a disallowed flag override", "$1 ne prend pas de valeur"},
            {"The value ([\\s\\S]*) is not an allowed value for (\\S+)", "la valeur « $1 » n'est pas admise pour $2"},
            {"Could not convert: (\\S+) = ([\\s\\S]*)", "$1 : « $2 » n'est pas une valeur valide"},
            {"(\\S+): too many inputs for a flag", "$1 : trop de valeurs pour une option sans valeur"},
            {"(\\S+): Should be true/false or a number", "$1 : la valeur doit être true, false ou un nombre"},
            {"(\\S+) excludes (\\S+)", "$1 et $2 ne s'emploient pas ensemble"},
            {"(\\S+) requires (\\S+)", "$1 ne s'emploie qu'avec $2"},
            {"(\\S+): Too many positional arguments with unlimited expected args", "$1 : trop d'arguments"},
            {"([\\s\\S]*) was not readable \\(missing\\?\\)", "le fichier $1 n'a pas pu être lu"},
            {"INI was not able to parse ([\\s\\S]*)", "le fichier de configuration n'a pas pu lire $1"},
            {"(\\S+): This option is not allowed in a configuration file",
             "$1 n'est pas admise dans un fichier de configuration"},
        });
    if (!french.empty()) return french;
    // A check of one option: "NAME: message of the check".
    static const std::regex named("(\\S+): ([\\s\\S]*)");
    std::smatch match;
    if (std::regex_match(text, match, named)) {
        const std::string check = match[2];
        const std::string checked = checkText(check);
        return std::string(match[1]) + " : " + (checked != check || looksFrench(check) ? checked : "valeur refusée");
    }
    french = checkText(text);
    if (french != text || looksFrench(text)) return french;
    // Whatever is left unrecognised is still told in French.
    return "ligne de commande incorrecte";
}

std::string frenchCheckDescription(const std::string& text) {
    static const std::regex range("\\b(INT|UINT|FLOAT|NUMBER) in \\[([^\\]]*) - ([^\\]]*)\\]");
    static const std::regex positive("\\bPOSITIVE\\b");
    static const std::regex nonNegative("\\bNONNEGATIVE\\b");
    std::string out = std::regex_replace(text, nonNegative, "POSITIF OU NUL");
    out = std::regex_replace(out, positive, "STRICTEMENT POSITIF");
    std::smatch match;
    while (std::regex_search(out, match, range)) {
        const std::string type = match[1] == "FLOAT" || match[1] == "NUMBER" ? "RÉEL" : "ENTIER";
        out.replace(static_cast<std::size_t>(match.position(0)), static_cast<std::size_t>(match.length(0)),
                    type + " de " + std::string(match[2]) + " à " + std::string(match[3]));
    }
    return out;
}

namespace {

class FrenchFormatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        return frenchCheckDescription(CLI::Formatter::make_option_opts(option));
    }
};

}  // namespace

std::shared_ptr<CLI::Formatter> frenchFormatter() { return std::make_shared<FrenchFormatter>(); }

}  // namespace ordinax::cli
