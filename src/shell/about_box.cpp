// The about box and the welcome screen.
#include "shell/about_box.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/preferences.h"

namespace ordinax::shell {

void showAboutBox(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("A propos de Ordinax"),
                       QStringLiteral("<h3>Ordinax %1</h3>"
                                      "<p>Tracé et analyse de courbes XY : lissage, régressions, séries de "
                                      "Fourier, dérivées, intégrales, unités.</p>"
                                      "<p>© Vantoris</p>")
                           .arg(QString::fromLatin1(settings::ProgramVersion)));
}

WelcomeDialog::WelcomeDialog(const QStringList& recentFiles, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bienvenue dans Ordinax"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<h2>Ordinax %1</h2><p>Tracé et analyse de courbes XY</p>")
                                 .arg(QString::fromLatin1(settings::ProgramVersion)),
                             this);
    layout->addWidget(title);
    auto* buttons = new QHBoxLayout;
    auto* create = new QPushButton(QStringLiteral("&Nouveau diagramme"), this);
    auto* open = new QPushButton(QStringLiteral("&Ouvrir un diagramme..."), this);
    buttons->addWidget(create);
    buttons->addWidget(open);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Diagrammes récents :"), this));
    list_ = new QListWidget(this);
    for (const QString& path : recentFiles) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), list_);
        item->setToolTip(path);
        item->setData(Qt::UserRole, path);
    }
    layout->addWidget(list_);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(create, &QPushButton::clicked, this, [this] { choose(NewDiagram); });
    connect(open, &QPushButton::clicked, this, [this] { choose(OpenDiagram); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        recent_ = item->data(Qt::UserRole).toString();
        choose(RecentFile);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void WelcomeDialog::choose(Choice choice) {
    choice_ = choice;
    accept();
}

}  // namespace ordinax::shell
