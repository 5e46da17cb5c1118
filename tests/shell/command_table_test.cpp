// The command table: the menu texts and accelerators, and the enabling rules.
#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace ordinax::shell {
namespace {

// Every menu item as the user sees it (label, tab, accelerator), typed from the
// command list of the application's menus, with the menu it belongs to.
struct Expected {
    const char* menu;
    const char* text;
};
const Expected kMenuItems[] = {
    {"&Fichier", "&Nouveau\tCtrl+N"},
    {"&Fichier", "&Ouvrir...\tCtrl+O"},
    {"&Fichier", "&Enregistrer\tCtrl+S"},
    {"&Fichier", "Enregistrer &sous..."},
    {"&Fichier/Importer un &diagramme", "Depuis le presse-papiers..."},
    {"&Fichier/Importer un &diagramme", "A partir d'un fichier texte..."},
    {"&Fichier", "Exporter le diagramme..."},
    {"&Fichier", "&Mise en page...\tCtrl+M"},
    {"&Fichier", "&Aperçu avant impression"},
    {"&Fichier", "Con&figuration de l'impression..."},
    {"&Fichier", "&Imprimer...\tCtrl+P"},
    {"&Fichier", "&Quitter Ordinax"},
    {"&Courbe", "&Nouvelle..."},
    {"&Courbe", "&Dupliquer..."},
    {"&Courbe", "Conca&téner..."},
    {"&Courbe", "Su&pprimer..."},
    {"&Courbe", "Activer, désa&ctiver..."},
    {"&Courbe", "&Ordonner..."},
    {"&Courbe", "Délimiter le t&racé..."},
    {"&Courbe", "&Informations...\tCtrl+I"},
    {"&Courbe", "&Sélectionner..."},
    {"&Courbe", "&Modifier les points...\tCtrl+T"},
    {"&Courbe", "&Lissage...\tCtrl+L"},
    {"&Courbe", "Symbole associé aux points..."},
    {"&Courbe", "Ligne de tracé (lissage, IC)..."},
    {"&Courbe", "&Exporter..."},
    {"&Edition", "&Annuler\tCtrl+Z"},
    {"&Edition", "&Rétablir\tCtrl+Y"},
    {"&Edition", "Copier le &diagramme\tCtrl+C"},
    {"Ec&helles", "&Echelles auto"},
    {"Ec&helles", "&Définition manuelle..."},
    {"Ec&helles", "&Quadrillage..."},
    {"For&mat/&Arrière-plan", "&Fond..."},
    {"For&mat/&Arrière-plan", "&Bordure..."},
    {"For&mat/&Arrière-plan", "&Ombre..."},
    {"For&mat/&Diagramme", "&Fond..."},
    {"For&mat/&Diagramme", "&Bordure..."},
    {"For&mat/&Diagramme", "&Ombre..."},
    {"For&mat/&Libellés", "&Texte..."},
    {"For&mat/&Libellés", "S&upprimer tous"},
    {"For&mat/Lége&ndes", "&Insérer..."},
    {"For&mat/Lége&ndes", "S&upprimer toutes"},
    {"For&mat/E&tiquettes", "&Repositionner..."},
    {"For&mat/E&tiquettes", "S&upprimer toutes"},
    {"For&mat/E&tiquettes", "Placer au-dessus"},
    {"For&mat/E&tiquettes", "Placer au-dessous"},
    {"O&utils", "&Macros..."},
    {"O&utils", "Déri&vée numérique..."},
    {"O&utils", "&Surface (intégrale) et longueur..."},
    {"O&utils", "y = f(x)..."},
    {"O&utils", "x = f(y)..."},
    {"O&utils", "Courbe des résiduels..."},
    {"O&utils", "Spectre d'intensité..."},
    {"O&utils", "Spectre de phase..."},
    {"O&utils", "E&xplorateur de fichiers Ordinax...\tCtrl+E"},
    {"O&utils", "Pipette"},
    {"&Options", "&Préférences..."},
    {"&Options/&Langue d'impression", "&Français"},
    {"&Options/&Langue d'impression", "A&nglais"},
    {"&Options/&Langue d'impression", "&Allemand"},
    {"&Options", "Messages &sonores"},
    {"&Affichage", "&Rafraîchir"},
    {"&Affichage", "&Modifier marges et tirets par défaut..."},
    {"&Affichage", "&Toutes les courbes activées\tCtrl+D"},
    {"&Affichage", "&Courbe sélectionnée"},
    {"&Affichage", "&Normal"},
    {"&Affichage", "&Largeur page"},
    {"&Affichage", "&Pleine page"},
    {"&Affichage", "Barre d'&outils"},
    {"&Affichage", "&Barre d'état"},
    {"&Affichage", "&Ecran d'accueil"},
    {"A&ide", "&Rubriques d'aide\tF1"},
    {"A&ide", "&Utilisation de l'aide"},
    {"A&ide", "&A propos de Ordinax ..."},
};

TEST(CommandTable, EveryMenuItemIsPresentWithItsTextAndAccelerator) {
    std::multimap<std::string, std::string> present;
    for (const CommandEntry& entry : commandTable()) present.emplace(std::string(entry.menu), menuText(entry));
    for (const Expected& item : kMenuItems) {
        bool found = false;
        const auto [first, last] = present.equal_range(item.menu);
        for (auto it = first; it != last; ++it) found = found || it->second == item.text;
        EXPECT_TRUE(found) << item.menu << " / " << item.text;
    }
}

TEST(CommandTable, EachMenuHasEveryLabelOnceAndEveryMnemonicLabelIsDistinct) {
    // Labels and formatting items repeat across the Format submenus, never inside one menu.
    std::set<std::pair<std::string, std::string>> seen;
    std::set<std::string> accelerators;
    for (const CommandEntry& entry : commandTable()) {
        EXPECT_TRUE(seen.insert({std::string(entry.menu), std::string(entry.label)}).second) << entry.label;
        if (!entry.accelerator.empty()) {
            EXPECT_TRUE(accelerators.insert(std::string(entry.accelerator)).second) << entry.accelerator;
        }
        EXPECT_EQ(commandEntry(entry.id).label, entry.label);
    }
    // The format submenus: 8 items each for titles and legends, 10 for tags.
    std::map<std::string, int> counts;
    for (const CommandEntry& entry : commandTable()) ++counts[std::string(entry.menu)];
    EXPECT_EQ(counts["For&mat/&Libellés"], 8);
    EXPECT_EQ(counts["For&mat/Lége&ndes"], 8);
    EXPECT_EQ(counts["For&mat/E&tiquettes"], 10);
}

TEST(CommandTable, EnablingFollowsDisplayModeHistoryAndSelection) {
    struct Case {
        CommandId id;
        CommandContext context;
        bool enabled;
    };
    const Case cases[] = {
        {CommandId::FileNew, {0, false, false, false}, true},
        {CommandId::FileOpen, {0, false, false, false}, true},
        {CommandId::FileSave, {0, false, false, false}, false},
        {CommandId::FilePrint, {0, false, false, false}, false},
        {CommandId::FilePrint, {1, false, false, false}, true},
        {CommandId::FilePrintPreview, {3, false, false, false}, true},
        {CommandId::FilePrint, {4, false, false, false}, false},
        // Undo and redo need a step and a displayed diagram.
        {CommandId::EditUndo, {0, true, true, false}, false},
        {CommandId::EditUndo, {2, false, true, false}, false},
        {CommandId::EditUndo, {2, true, false, false}, true},
        {CommandId::EditRedo, {2, true, false, false}, false},
        {CommandId::EditRedo, {3, false, true, false}, true},
        {CommandId::TagRaise, {1, false, false, false}, false},
        {CommandId::TagLower, {1, false, false, true}, true},
        {CommandId::ViewNormal, {0, false, false, false}, true},
        // The analysis commands need a shown diagram with a curve.
        {CommandId::CurveSmoothing, {1, false, false, false, 2, -1}, true},
        {CommandId::CurveSmoothing, {1, false, false, false, 0, -1}, false},
        {CommandId::ToolResiduals, {0, false, false, false, 2, 0}, false},
        // A new curve can start a diagram; the other curve commands need a curve shown.
        {CommandId::CurveNew, {0, false, false, false, 0}, true},
        {CommandId::CurveSymbol, {1, false, false, false, 0}, false},
        {CommandId::CurveSymbol, {0, false, false, false, 2}, false},
        {CommandId::CurveEditPoints, {1, false, false, false, 1}, true},
        // Macros act on the diagram on screen.
        {CommandId::ToolMacros, {0, false, false, false}, false},
        {CommandId::ToolMacros, {1, false, false, false}, true},
        // Getting data in, the explorer and the manual need no diagram on screen.
        {CommandId::FileImportText, {0, false, false, false}, true},
        {CommandId::FileImportClipboard, {0, false, false, false}, true},
        {CommandId::ToolExplorer, {0, false, false, false}, true},
        {CommandId::HelpTopics, {0, false, false, false}, true},
        {CommandId::HelpUsingHelp, {0, false, false, false}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isEnabled(commandEntry(c.id), c.context), c.enabled) << commandEntry(c.id).label;
}

}  // namespace
}  // namespace ordinax::shell
