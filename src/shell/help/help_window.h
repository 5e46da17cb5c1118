// The manual's window: the French user manual shipped with the program (one
// HTML page per menu and dialog in the program's "help" folder), with the
// contents, back and forward, and a search in the page. It stays open beside
// the window or dialog it was asked from.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QTextBrowser;

namespace ordinax::shell {

// The page of a topic in the manual's folder: "<topic>.html", the contents
// page "index.html" for an empty or unknown topic; empty when the manual is missing.
QString helpPagePath(const QString& folder, const QString& topic);

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows the page of `topic`; false when the manual cannot be found.
    bool showTopic(const QString& topic);
    QString currentPage() const;
    QTextBrowser& browser() { return *browser_; }

private:
    void findNext();

    QString folder_;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
};

}  // namespace ordinax::shell
