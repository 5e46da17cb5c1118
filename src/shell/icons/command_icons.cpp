// Icons of the tool bar.
#include "shell/icons/command_icons.h"

#include <QFile>

// The resources of a static library are registered by hand (at global
// scope: the macro declares the registering function where it stands).
static void registerIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace ordinax::shell {

namespace {

struct IconName {
    CommandId id;
    std::string_view name;
};

constexpr IconName Names[] = {
    {CommandId::FileNew, "document-new"},         {CommandId::FileOpen, "document-open"},
    {CommandId::FileSave, "document-save"},       {CommandId::FilePrintPreview, "document-print-preview"},
    {CommandId::FilePrint, "document-print"},     {CommandId::EditUndo, "edit-undo"},
    {CommandId::EditRedo, "edit-redo"},           {CommandId::EditCopyDiagram, "edit-copy"},
    {CommandId::ScaleAuto, "zoom-fit-best"},      {CommandId::ViewNormal, "zoom-original"},
    {CommandId::ViewPageWidth, "zoom-fit-width"}, {CommandId::ViewFullPage, "zoom-fit-page"},
};

// Themes that follow the freedesktop names, tried in this order.
constexpr const char* Themes[] = {"Adwaita", "breeze", "oxygen", "Tango", "gnome"};

}  // namespace

std::string_view commandIconName(CommandId id) {
    for (const IconName& entry : Names)
        if (entry.id == id) return entry.name;
    return {};
}

void chooseIconTheme() {
    registerIconResources();
    if (QIcon::hasThemeIcon(QStringLiteral("document-open"))) return;
    const QString desktop = QIcon::themeName();
    for (const char* theme : Themes) {
        QIcon::setThemeName(QString::fromLatin1(theme));
        if (QIcon::hasThemeIcon(QStringLiteral("document-open"))) return;
    }
    QIcon::setThemeName(desktop);
}

QIcon commandIcon(CommandId id) {
    registerIconResources();
    const std::string_view name = commandIconName(id);
    if (name.empty()) return {};
    const QString themed = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    const QString drawn = QStringLiteral(":/icons/%1.svg").arg(themed);
    const QIcon fallback = QFile::exists(drawn) ? QIcon(drawn) : QIcon();
    return QIcon::fromTheme(themed, fallback);
}

}  // namespace ordinax::shell
