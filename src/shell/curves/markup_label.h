// Label markup on the screen of a dialog: a widget that draws a markup text
// (colours, fonts, Greek letters, raised and lowered runs) as the diagram
// does, and the plain text of a markup for buttons and screen readers.
#pragma once

#include <QWidget>
#include <string>

namespace ordinax::shell {

// The characters a markup text shows, codes left out and the Greek (Symbol
// font) runs turned into their Unicode letters. `markup` is UTF-8.
QString markupPlainText(const std::string& markup);

class MarkupLabel : public QWidget {
    Q_OBJECT

public:
    explicit MarkupLabel(QWidget* parent = nullptr);

    // The markup text (UTF-8) to draw; its plain text is the accessible name.
    void setMarkup(const std::string& markup);
    const std::string& markup() const { return markup_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string markup_;  // Windows-1252, as the layout reads it
};

}  // namespace ordinax::shell
