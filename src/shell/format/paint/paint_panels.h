// The controls of a fill, a border and a shadow, each on a panel of its own:
// the "Fond", "Bordure" and "Ombre" dialogs show one, the preference pages of
// the default paints show the three.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "render/paint_rules.h"
#include "shell/common/colour_choice.h"

namespace Ui {
class FillPanel;
class BorderPanel;
class ShadowPanel;
}  // namespace Ui

namespace ordinax::shell {

class FillPanel : public QWidget {
    Q_OBJECT

public:
    // Chooses a picture file from the current one; empty when cancelled.
    using PictureChooser = std::function<QString(const QString& current)>;

    explicit FillPanel(QWidget* parent = nullptr);
    ~FillPanel() override;

    // The picture controls are shown for the page and the plot only.
    void setPictureOffered(bool offered);
    void setColourChooser(const ColourButton::Chooser& chooser);
    void setPictureChooser(PictureChooser chooser) { pictureChooser_ = std::move(chooser); }

    void load(const render::FillChoice& choice);
    render::FillChoice choice() const;
    Ui::FillPanel& controls() { return *ui_; }

signals:
    void changed();

private:
    void updateEnabling();
    void updateIcons();
    void edited();

    std::unique_ptr<Ui::FillPanel> ui_;
    PictureChooser pictureChooser_;
    bool pictureOffered_ = true;
    bool loading_ = false;
};

class BorderPanel : public QWidget {
    Q_OBJECT

public:
    explicit BorderPanel(QWidget* parent = nullptr);
    ~BorderPanel() override;

    void setColourChooser(const ColourButton::Chooser& chooser);
    void load(const render::BorderChoice& choice);
    render::BorderChoice choice() const;
    // Checks the typed numbers (what leaving the fields does); false when one is refused.
    bool commitFields();
    Ui::BorderPanel& controls() { return *ui_; }

signals:
    void changed();

private:
    void edited();

    std::unique_ptr<Ui::BorderPanel> ui_;
    bool loading_ = false;
};

class ShadowPanel : public QWidget {
    Q_OBJECT

public:
    explicit ShadowPanel(QWidget* parent = nullptr);
    ~ShadowPanel() override;

    void setColourChooser(const ColourButton::Chooser& chooser);
    void load(const render::ShadowChoice& choice);
    render::ShadowChoice choice() const;
    bool commitFields();
    Ui::ShadowPanel& controls() { return *ui_; }

signals:
    void changed();

private:
    void edited();

    std::unique_ptr<Ui::ShadowPanel> ui_;
    bool loading_ = false;
};

}  // namespace ordinax::shell
