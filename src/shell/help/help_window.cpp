// The manual's window.
#include "shell/help/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ordinax::shell {

QString helpPagePath(const QString& folder, const QString& topic) {
    const QDir dir(folder);
    // A topic is a page name; anything else (a path, an empty text) gets the contents.
    const bool plain = !topic.isEmpty() && !topic.contains(QLatin1Char('/')) && !topic.contains(QLatin1String(".."));
    if (plain && QFileInfo::exists(dir.filePath(topic + QStringLiteral(".html"))))
        return dir.filePath(topic + QStringLiteral(".html"));
    const QString contents = dir.filePath(QStringLiteral("index.html"));
    return QFileInfo::exists(contents) ? contents : QString();
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QDialog(parent), folder_(folder) {
    setWindowTitle(QStringLiteral("Aide d'Ordinax"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setModal(false);
    resize(760, 640);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* contents = new QPushButton(QStringLiteral("&Sommaire"), this);
    auto* back = new QPushButton(QStringLiteral("&Précédent"), this);
    auto* forward = new QPushButton(QStringLiteral("S&uivant"), this);
    auto* searchLabel = new QLabel(QStringLiteral("&Rechercher :"), this);
    search_ = new QLineEdit(this);
    searchLabel->setBuddy(search_);
    search_->setAccessibleName(QStringLiteral("Rechercher dans la page"));
    search_->setClearButtonEnabled(true);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addSpacing(12);
    bar->addWidget(searchLabel);
    bar->addWidget(search_, 1);
    bar->addWidget(close);
    layout->addLayout(bar);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    browser_->setAccessibleName(QStringLiteral("Page du manuel"));
    layout->addWidget(browser_, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(QString()); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Aide d'Ordinax") : QStringLiteral("Aide d'Ordinax - ") + title);
    });
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(close, &QPushButton::clicked, this, &HelpWindow::close);
    setTabOrder(contents, back);
    setTabOrder(back, forward);
    setTabOrder(forward, search_);
    setTabOrder(search_, close);
    setTabOrder(close, browser_);
}

bool HelpWindow::showTopic(const QString& topic) {
    const QString page = helpPagePath(folder_, topic);
    if (page.isEmpty()) return false;
    browser_->setSource(QUrl::fromLocalFile(page));
    return true;
}

QString HelpWindow::currentPage() const {
    return QFileInfo(browser_->source().toLocalFile()).completeBaseName();
}

void HelpWindow::findNext() {
    const QString wanted = search_->text();
    if (wanted.isEmpty()) return;
    // From the cursor onwards, then once more from the top.
    if (browser_->find(wanted)) return;
    browser_->moveCursor(QTextCursor::Start);
    browser_->find(wanted);
}

}  // namespace ordinax::shell
