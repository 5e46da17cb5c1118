// The command-line parser's refusals in French: every kind of usage error
// met through a real command line, none left in the parser's English.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace ordinax::cli::test {
namespace {

TEST(UsageErrors, ParserRefusalsAreInFrench) {
    TempFolder folder;
    const struct {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        {{}, "une commande est requise"},
        {{"quoi"}, "une commande est requise"},
        {{"info", "a.orx", "b.orx"}, "l'argument suivant n'était pas attendu : b.orx"},
        {{"info", "a.orx", "b.orx", "c.orx"}, "les arguments suivants n'étaient pas attendus : "},
        {{"info"}, "FICHIER est obligatoire"},
        {{"derive", "a.orx", "--curve", "0"}, "--output est obligatoire"},
        {{"fit", "a.orx", "--curve", "-1", "--model", "LIN"}, "--curve : « -1 » n'est pas un nombre positif ou nul"},
        {{"fit", "a.orx", "--curve", "zéro", "--model", "LIN"}, "--curve : « zéro » n'est pas un nombre positif ou nul"},
        {{"render", "a.orx", "-o", "a.png", "--width", "0"},
         "--width : « 0 » n'est pas un nombre compris entre 1 et 30000"},
        {{"render", "a.orx", "-o", "a.png", "--mode", "grand"}, "--mode : « grand » ne fait pas partie de {normal,page}"},
        {{"export", "a.orx", "--curve", "0", "--format", "xls", "-o", "a"},
         "--format : « xls » ne fait pas partie de {csv,dos,space,tab}"},
        {{"function", "--expr"}, "--expr : valeur manquante (TEXTE)"},
        {{"new", "-o", "a.orx", "--settings", "a.ini", "--factory"}, "--settings et --factory ne s'emploient pas ensemble"},
        {{"value", "a.orx", "--curve", "0", "--x", "abc"}, "--x : nombre attendu, « abc » reçu"},
    };
    // Words of the parser's own texts that must not reach the user.
    const std::regex english("expected|required|argument was|arguments were|Could not|not in|Value |excludes|requires|"
                             "missing|subcommand|allowed");
    for (const auto& c : cases) {
        const RunResult r = runCli(c.args, folder.path());
        std::string line;
        for (const auto& a : c.args) line += a + " ";
        EXPECT_EQ(r.status, 2) << line << r.err;
        EXPECT_EQ(r.err.rfind("Erreur d'utilisation : ", 0), 0u) << line << r.err;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << line << r.err;
        EXPECT_FALSE(std::regex_search(r.err, english)) << line << r.err;
        EXPECT_NE(r.err.find("Voir « ordinax-cli --help »."), std::string::npos) << line << r.err;
    }
}

TEST(UsageErrors, ValueChecksInTheHelpAreInFrench) {
    TempFolder folder;
    const RunResult render = runCli({"render", "--help"}, folder.path());
    EXPECT_EQ(render.status, 0);
    EXPECT_NE(render.out.find("--width PX:ENTIER de 1 à 30000"), std::string::npos) << render.out;
    const RunResult fit = runCli({"fit", "--help"}, folder.path());
    EXPECT_NE(fit.out.find("--curve N:POSITIF OU NUL (obligatoire)"), std::string::npos) << fit.out;
    for (const RunResult* r : {&render, &fit}) {
        EXPECT_EQ(r->out.find(" in ["), std::string::npos) << r->out;
        EXPECT_EQ(r->out.find("NONNEGATIVE"), std::string::npos) << r->out;
    }
}

}  // namespace
}  // namespace ordinax::cli::test
