// Context menus of the view's elements.
#include "shell/context_menus.h"

#include <array>

namespace ordinax::shell {

namespace {

using I = CommandId;

constexpr std::array TagItems = {
    ContextItem{I::TagText, "&Texte..."},
    ContextItem{I::TagDelete, "&Supprimer..."},
    ContextItem{I::TagDeleteAll, "S&upprimer toutes"},
    ContextItem{I::TagFill, "&Fond...", true},
    ContextItem{I::TagBorder, "&Bordure..."},
    ContextItem{I::TagShadow, "&Ombre..."},
    ContextItem{I::TagRaise, "Placer au-dessus", true},
    ContextItem{I::TagLower, "Placer au-dessous"},
};

constexpr std::array LegendItems = {
    ContextItem{I::LegendText, "&Texte..."},
    ContextItem{I::LegendInsert, "&Insérer..."},
    ContextItem{I::LegendDelete, "&Supprimer..."},
    ContextItem{I::LegendDeleteAll, "S&upprimer toutes"},
    ContextItem{I::LegendReposition, "&Repositionner...", true},
    ContextItem{I::LegendFill, "&Fond...", true},
    ContextItem{I::LegendBorder, "&Bordure..."},
    ContextItem{I::LegendShadow, "&Ombre..."},
};

// The plot and the page background share the insertion and deletion items.
constexpr std::array PlotItems = {
    ContextItem{I::PlotFill, "&Fond..."},
    ContextItem{I::PlotBorder, "&Bordure..."},
    ContextItem{I::PlotShadow, "&Ombre..."},
    ContextItem{I::LabelInsert, "&Insérer un libellé...", true},
    ContextItem{I::LegendInsert, "&Insérer une légende..."},
    ContextItem{I::TagInsert, "&Insérer une étiquette..."},
    ContextItem{I::LabelDeleteAll, "S&upprimer tous les libellés", true},
    ContextItem{I::LegendDeleteAll, "S&upprimer toutes les légendes"},
    ContextItem{I::TagDeleteAll, "S&upprimer toutes les étiquettes"},
};

constexpr std::array BackgroundItems = {
    ContextItem{I::BackgroundFill, "&Fond..."},
    ContextItem{I::BackgroundBorder, "&Bordure..."},
    ContextItem{I::BackgroundShadow, "&Ombre..."},
    ContextItem{I::LabelInsert, "&Insérer un libellé...", true},
    ContextItem{I::LegendInsert, "&Insérer une légende..."},
    ContextItem{I::TagInsert, "&Insérer une étiquette..."},
    ContextItem{I::LabelDeleteAll, "S&upprimer tous les libellés", true},
    ContextItem{I::LegendDeleteAll, "S&upprimer toutes les légendes"},
    ContextItem{I::TagDeleteAll, "S&upprimer toutes les étiquettes"},
};

constexpr std::array ScaleItems = {
    ContextItem{I::ScaleAuto, "&Echelles auto"},
    ContextItem{I::ScaleManual, "&Définition manuelle..."},
    ContextItem{I::ScaleGrid, "&Quadrillage (tirets, grille)..."},
};

constexpr std::array LabelItems = {
    ContextItem{I::LabelText, "&Texte..."},
    ContextItem{I::LabelDelete, "&Supprimer..."},
    ContextItem{I::LabelReposition, "&Repositionner...", true},
    ContextItem{I::LabelFill, "&Fond...", true},
    ContextItem{I::LabelBorder, "&Bordure..."},
    ContextItem{I::LabelShadow, "&Ombre..."},
};

}  // namespace

std::span<const ContextItem> contextMenuItems(render::HitKind kind) {
    switch (kind) {
        case render::HitKind::Tag:
            return TagItems;
        case render::HitKind::Legend:
            return LegendItems;
        case render::HitKind::Plot:
            return PlotItems;
        case render::HitKind::Scale:
            return ScaleItems;
        case render::HitKind::Label:
            return LabelItems;
        case render::HitKind::Background:
            break;
    }
    return BackgroundItems;
}

CommandId editCommand(render::HitKind kind) {
    switch (kind) {
        case render::HitKind::Tag:
            return I::TagText;
        case render::HitKind::Legend:
            return I::LegendText;
        case render::HitKind::Plot:
            return I::PlotFill;
        case render::HitKind::Scale:
            return I::ScaleManual;
        case render::HitKind::Label:
            return I::LabelText;
        case render::HitKind::Background:
            break;
    }
    return I::BackgroundFill;
}

}  // namespace ordinax::shell
