// The page settings as panels shared by the page-setup sheet ("Mise en
// page", the open diagram) and the preference pages (the defaults of new
// diagrams): the diagram page, the calculation-report page, the header and
// footer bands with the preview of their page codes, and the logo.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "base/logfont.h"
#include "document/diagram.h"
#include "render/page_codes.h"
#include "shell/common/colour_choice.h"

namespace Ui {
class DiagramPagePanel;
class ReportPagePanel;
class BandsPanel;
class LogoPanel;
}  // namespace Ui

namespace ordinax::shell {

class NumberField;

// The diagram page: orientation, margins, size and centring, spacing and,
// in the preferences, the drawing font.
struct DiagramPageChoice {
    int orientation = 0;
    std::array<double, 6> margins{};
    std::array<std::int32_t, 2> centre{1, 1};
    std::array<double, 2> size{17.0, 18.0};
    std::array<std::int32_t, 2> drawSpace{4, 4};
    base::LogFont drawingFont;
    bool operator==(const DiagramPageChoice&) const = default;
};

// A report page: orientation, margins, font.
struct ReportPageChoice {
    int orientation = 0;
    std::array<double, 6> margins{};
    base::LogFont font;
    bool operator==(const ReportPageChoice&) const = default;
};

// Checks the typed numbers of every field below `root` (what leaving them
// does); false when one is refused.
bool commitNumberFields(QWidget* root);

class DiagramPagePanel : public QWidget {
    Q_OBJECT

public:
    explicit DiagramPagePanel(QWidget* parent = nullptr);
    ~DiagramPagePanel() override;
    // The drawing font is a preference only.
    void setFontShown(bool shown);
    void load(const DiagramPageChoice& choice);
    DiagramPageChoice choice() const;
    Ui::DiagramPagePanel& controls() { return *ui_; }

signals:
    void changed();

private:
    std::unique_ptr<Ui::DiagramPagePanel> ui_;
    DiagramPageChoice loaded_;
    bool loading_ = false;
};

class ReportPagePanel : public QWidget {
    Q_OBJECT

public:
    explicit ReportPagePanel(QWidget* parent = nullptr);
    ~ReportPagePanel() override;
    void load(const ReportPageChoice& choice);
    ReportPageChoice choice() const;
    Ui::ReportPagePanel& controls() { return *ui_; }

signals:
    void changed();

private:
    std::unique_ptr<Ui::ReportPagePanel> ui_;
    bool loading_ = false;
};

class BandsPanel : public QWidget {
    Q_OBJECT

public:
    explicit BandsPanel(QWidget* parent = nullptr);
    ~BandsPanel() override;
    void setColourChooser(const ColourButton::Chooser& chooser);
    // The values the previews expand the codes with.
    void setCodeContext(const render::PageCodeContext& context);
    void load(const std::array<document::HeaderFooter, 2>& bands);
    std::array<document::HeaderFooter, 2> bands() const;
    Ui::BandsPanel& controls() { return *ui_; }

signals:
    void changed();

private:
    void updatePreviews();

    std::unique_ptr<Ui::BandsPanel> ui_;
    render::PageCodeContext context_;
    bool loading_ = false;
};

class LogoPanel : public QWidget {
    Q_OBJECT

public:
    explicit LogoPanel(QWidget* parent = nullptr);
    ~LogoPanel() override;
    void load(const document::LogoSettings& logo);
    document::LogoSettings logo() const;
    Ui::LogoPanel& controls() { return *ui_; }

signals:
    void changed();

private:
    void updateEnabling();

    std::unique_ptr<Ui::LogoPanel> ui_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
