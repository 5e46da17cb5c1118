// The label text editor.
#include "shell/labels/label_editor_dialog.h"

#include <QFontComboBox>
#include <QMenu>
#include <QPainter>
#include <QTextBlock>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_presentation.h"
#include "document/label_choices.h"
#include "qt/font_mapping.h"
#include "render/font_choice.h"
#include "render/text_blocks.h"
#include "richtext/rtf_editor_colours.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/placement/placement_names.h"
#include "shell/labels/label_document.h"
#include "shell/user_prompts.h"
#include "ui_label_editor_dialog.h"

namespace ordinax::shell {

namespace {

using richtext::LabelRun;
using richtext::RunStyle;

QList<int> offeredSizes() {
    QList<int> sizes;
    for (int s = 6; s <= 12; ++s) sizes << s;
    for (int s = 14; s <= 48; s += 2) sizes << s;
    for (int s = 52; s <= 128; s += 4) sizes << s;
    return sizes;
}

QIcon swatch(richtext::Colour colour, bool automatic) {
    QPixmap pixmap(16, 16);
    pixmap.fill(automatic ? Qt::transparent
                          : QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    if (automatic) painter.drawLine(0, 15, 15, 0);
    return QIcon(pixmap);
}

QIcon themed(const char* name, QStyle::StandardPixmap fallback, QWidget* widget) {
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    return icon.isNull() && fallback != QStyle::SP_CustomBase ? widget->style()->standardIcon(fallback) : icon;
}

// Alignment codes of titles and tags and the Qt alignment of the field.
Qt::Alignment qtAlignment(int code) {
    if (code == 1) return Qt::AlignLeft;
    if (code == 2) return Qt::AlignRight;
    return Qt::AlignHCenter;
}

}  // namespace

LabelEditorDialog::LabelEditorDialog(Group group, DiagramEdit& edit, UserPrompts& prompts, int selectedSlot,
                                     int selectedCurve, std::string rtfFrame, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      group_(group),
      edit_(edit),
      ui_(std::make_unique<Ui::LabelEditorDialog>()),
      opened_(edit.working()) {
    ui_->setupUi(this);
    base_.font = base::fontFromTextOrDefault(render::LabelBaseFont);
    base_.pixelsPerInch = 96;
    const document::Diagram& diagram = edit_.working();
    int start = 0;
    auto add = [&](Element element, const QString& name, bool selected) {
        if (selected) start = static_cast<int>(elements_.size());
        elements_.push_back(element);
        ui_->element->addItem(name);
    };
    switch (group) {
        case Group::Labels:
            for (const int slot : document::shownLabelSlots(diagram))
                add({slot, -1}, slotName(slot), slot == selectedSlot);
            break;
        case Group::Legends:
            for (const int curve : document::curvesWithLegend(diagram))
                add({-1, curve}, curveName(diagram, curve), curve == selectedCurve);
            break;
        case Group::Tags:
            for (const int tag : document::tagsShown(diagram)) {
                const int slot = document::FirstTagSlot + tag;
                add({slot, -1}, slotName(slot), slot == selectedSlot);
            }
            break;
    }
    ui_->element->setEnabled(elements_.size() > 1);
    ui_->text->setLabel(base_, std::move(rtfFrame), 0);
    ui_->text->setPasteWarning([this](int status) {
        this->prompts().show(base::makeMessage(base::MsgRtfUnreadable, base::Heading::Warning, std::to_string(status)));
    });

    // Buttons, lists and their icons.
    struct Button {
        QToolButton* button;
        const char* icon;
        QStyle::StandardPixmap fallback;
    };
    const Button buttons[] = {
        {ui_->bold, "format-text-bold", QStyle::SP_CustomBase},
        {ui_->italic, "format-text-italic", QStyle::SP_CustomBase},
        {ui_->underline, "format-text-underline", QStyle::SP_CustomBase},
        {ui_->ruled, "format-text-strikethrough", QStyle::SP_CustomBase},
        {ui_->smaller, "zoom-out", QStyle::SP_ArrowDown},
        {ui_->larger, "zoom-in", QStyle::SP_ArrowUp},
        {ui_->alignLeft, "format-justify-left", QStyle::SP_CustomBase},
        {ui_->alignCentre, "format-justify-center", QStyle::SP_CustomBase},
        {ui_->alignRight, "format-justify-right", QStyle::SP_CustomBase},
        {ui_->selectAll, "edit-select-all", QStyle::SP_CustomBase},
        {ui_->refresh, "view-refresh", QStyle::SP_BrowserReload},
    };
    for (const Button& b : buttons) {
        const QIcon icon = themed(b.icon, b.fallback, this);
        if (!icon.isNull()) {
            b.button->setIcon(icon);
            b.button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
    }
    // Faces are chosen from the list, not typed.
    ui_->face->setEditable(false);
    for (const int size : offeredSizes()) ui_->size->addItem(QString::number(size), size);
    ui_->colour->addItem(swatch(0, true),
                         QString::fromLatin1(richtext::AutomaticColourName.data(),
                                             static_cast<qsizetype>(richtext::AutomaticColourName.size())));
    for (const richtext::EditorColour& c : richtext::EditorColours)
        ui_->colour->addItem(swatch(c.colour, false), QString::fromStdString(base::windows1252ToUtf8(c.name)),
                             static_cast<uint>(c.colour));
    auto* symbols = new QMenu(ui_->symbol);
    fillCharacterMenu(symbols, false);
    ui_->symbol->setMenu(symbols);
    ui_->symbol->setPopupMode(QToolButton::InstantPopup);
    auto* dingbats = new QMenu(ui_->wingdings);
    fillCharacterMenu(dingbats, true);
    ui_->wingdings->setMenu(dingbats);
    ui_->wingdings->setPopupMode(QToolButton::InstantPopup);

    auto weight = [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    };
    connect(ui_->bold, &QToolButton::clicked, this, weight);
    connect(ui_->italic, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    connect(ui_->underline, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });
    connect(ui_->ruled, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontStrikeOut(on);
        mergeFormat(f);
    });
    connect(ui_->subscript, &QToolButton::clicked, this, [this] { toggleScript(false); });
    connect(ui_->superscript, &QToolButton::clicked, this, [this] { toggleScript(true); });
    connect(ui_->smaller, &QToolButton::clicked, this, [this] { stepSize(-1); });
    connect(ui_->larger, &QToolButton::clicked, this, [this] { stepSize(1); });
    connect(ui_->size, &QComboBox::activated, this, [this](int index) {
        QTextCharFormat f;
        f.setFontPointSize(ui_->size->itemData(index).toInt());
        mergeFormat(f);
    });
    connect(ui_->face, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
        if (loading_) return;
        QTextCharFormat f;
        f.setFontFamilies({font.family()});
        mergeFormat(f);
    });
    connect(ui_->colour, &QComboBox::activated, this, [this](int index) {
        if (index == 0) {
            // "<Automatique>": the label's own colour, no colour code.
            clearColour();
            return;
        }
        QTextCharFormat f;
        const auto colour = static_cast<richtext::Colour>(ui_->colour->itemData(index).toUInt());
        f.setForeground(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
        mergeFormat(f);
    });
    connect(ui_->alignLeft, &QToolButton::clicked, this, [this] { setAlignment(1); });
    connect(ui_->alignCentre, &QToolButton::clicked, this, [this] { setAlignment(3); });
    connect(ui_->alignRight, &QToolButton::clicked, this, [this] { setAlignment(2); });
    connect(ui_->text, &LabelTextEdit::alignmentPasted, this, [this](int code) {
        if (alignable()) setAlignment(code);
    });
    connect(ui_->date, &QToolButton::clicked, this, [this] {
        insertBytes(richtext::dateTimeText(0, base::Language::French),
                    formatStyle(ui_->text->currentCharFormat(), base_));
    });
    connect(ui_->time, &QToolButton::clicked, this, [this] {
        insertBytes(richtext::dateTimeText(1, base::Language::French),
                    formatStyle(ui_->text->currentCharFormat(), base_));
    });
    connect(ui_->selectAll, &QToolButton::clicked, ui_->text, &QTextEdit::selectAll);
    connect(ui_->refresh, &QToolButton::clicked, this, [this] {
        store(false);
        load(current_);
    });
    connect(ui_->text, &QTextEdit::currentCharFormatChanged, this, &LabelEditorDialog::formatChanged);
    connect(ui_->text, &QTextEdit::textChanged, this, [this] {
        if (!loading_) store(false);
    });
    connect(ui_->element, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_) return;
        store(true);
        load(index);
    });
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &LabelEditorDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &LabelEditorDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("editeur-de-texte"));
    resize(680, 380);
    if (!elements_.empty()) {
        loading_ = true;
        ui_->element->setCurrentIndex(start);
        loading_ = false;
        load(start);
    }
    ui_->text->setFocus();
    edit_.preview();
}

LabelEditorDialog::~LabelEditorDialog() = default;

std::string& LabelEditorDialog::textOf(Element& element) {
    document::Diagram& diagram = edit_.working();
    if (element.curve >= 0) return diagram.curves[static_cast<std::size_t>(element.curve)].legend;
    return diagram.labels[static_cast<std::size_t>(element.slot)].text;
}

bool LabelEditorDialog::alignable() const {
    if (current_ < 0) return false;
    const int slot = elements_[static_cast<std::size_t>(current_)].slot;
    // Titles and tags align their lines by their code; the others by their place.
    return slot == document::LowerTitleSlot || slot == document::UpperTitleSlot || slot >= document::FirstTagSlot;
}

void LabelEditorDialog::load(int index) {
    if (index < 0 || index >= static_cast<int>(elements_.size())) return;
    current_ = index;
    Element& element = elements_[static_cast<std::size_t>(index)];
    loading_ = true;
    std::vector<LabelRun> runs = richtext::parseLabel(textOf(element), base_);
    trailing_ = {};
    if (!runs.empty() && runs.back().text.empty()) {
        trailing_ = runs.back();
        runs.pop_back();
    }
    ui_->text->setSlot(element.slot >= 0 ? element.slot : document::LegendSlot);
    setDocumentRuns(*ui_->text->document(), runs, base_);
    const bool align = alignable();
    for (QToolButton* b : {ui_->alignLeft, ui_->alignCentre, ui_->alignRight}) b->setEnabled(align);
    const int code = element.slot >= 0 ? edit_.working().labels[static_cast<std::size_t>(element.slot)].placement : 0;
    QTextCursor cursor(ui_->text->document());
    QTextBlockFormat block;
    block.setAlignment(align ? qtAlignment(code) : Qt::AlignLeft);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(block);
    ui_->alignLeft->setChecked(align && code == 1);
    ui_->alignRight->setChecked(align && code == 2);
    ui_->alignCentre->setChecked(align && code == 3);
    ui_->text->moveCursor(QTextCursor::End);
    loading_ = false;
    formatChanged();
}

std::string LabelEditorDialog::markup() const {
    std::vector<LabelRun> runs = documentRuns(*ui_->text->document(), base_);
    if (!trailing_.codes.empty()) runs.push_back(trailing_);
    return richtext::writeLabel(runs, base_);
}

void LabelEditorDialog::store(bool final) {
    if (current_ < 0) return;
    Element& element = elements_[static_cast<std::size_t>(current_)];
    const std::string text = markup();
    // An empty text would empty the slot: only when the user confirms it.
    if (text.empty() && !final) return;
    if (text == textOf(element)) return;
    document::Diagram& diagram = edit_.working();
    if (element.curve >= 0)
        document::setLegendText(diagram, element.curve, text);
    else
        document::setSlotText(diagram, element.slot, text);
    edit_.preview();
}

void LabelEditorDialog::formatChanged() {
    if (loading_) return;
    const QTextCharFormat format = ui_->text->currentCharFormat();
    const RunStyle style = formatStyle(format, base_);
    loading_ = true;
    ui_->bold->setChecked(style.bold);
    ui_->italic->setChecked(style.italic);
    ui_->underline->setChecked(style.underline);
    ui_->ruled->setChecked(style.ruled);
    ui_->subscript->setChecked(style.subscript && !style.superscript);
    ui_->superscript->setChecked(style.superscript && !style.subscript);
    const int size = richtext::effectiveHalfPoints(style, base_) / 2;
    const int at = ui_->size->findData(size);
    if (at >= 0) ui_->size->setCurrentIndex(at);
    ui_->face->setCurrentFont(QFont(qt::familyForFace(richtext::effectiveFace(style, base_))));
    int colour = 0;
    if (style.colourSet)
        for (int i = 1; i < ui_->colour->count(); ++i)
            if (ui_->colour->itemData(i).toUInt() == style.colour) colour = i;
    ui_->colour->setCurrentIndex(colour);
    loading_ = false;
}

void LabelEditorDialog::mergeFormat(const QTextCharFormat& format) {
    if (loading_) return;
    // With a selection the look goes to it; without one, to what is typed next
    // (x then "Indice" then 0 gives x with a subscript 0).
    QTextCursor cursor = ui_->text->textCursor();
    if (cursor.hasSelection()) cursor.mergeCharFormat(format);
    ui_->text->mergeCurrentCharFormat(format);
    store(false);
    ui_->text->setFocus();
}

void LabelEditorDialog::toggleScript(bool superscript) {
    const auto current = ui_->text->currentCharFormat().verticalAlignment();
    const auto wanted = superscript ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript;
    QTextCharFormat f;
    f.setVerticalAlignment(current == wanted ? QTextCharFormat::AlignNormal : wanted);
    mergeFormat(f);
    formatChanged();
}

void LabelEditorDialog::stepSize(int direction) {
    const RunStyle style = formatStyle(ui_->text->currentCharFormat(), base_);
    const int points = richtext::effectiveHalfPoints(style, base_) / 2;
    const QList<int> sizes = offeredSizes();
    int next = points;
    if (direction > 0) {
        for (const int s : sizes)
            if (s > points) {
                next = s;
                break;
            }
    } else {
        for (auto it = sizes.rbegin(); it != sizes.rend(); ++it)
            if (*it < points) {
                next = *it;
                break;
            }
    }
    QTextCharFormat f;
    f.setFontPointSize(next);
    mergeFormat(f);
    formatChanged();
}

void LabelEditorDialog::setAlignment(int code) {
    if (!alignable()) return;
    const int slot = elements_[static_cast<std::size_t>(current_)].slot;
    document::repositionLabel(edit_.working(), slot, code);
    QTextCursor cursor(ui_->text->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat block;
    block.setAlignment(qtAlignment(code));
    cursor.mergeBlockFormat(block);
    ui_->alignLeft->setChecked(code == 1);
    ui_->alignRight->setChecked(code == 2);
    ui_->alignCentre->setChecked(code == 3);
    edit_.preview();
}

void LabelEditorDialog::insertBytes(const std::string& bytes, const RunStyle& style) {
    QTextCursor cursor = ui_->text->textCursor();
    insertRuns(cursor, {LabelRun{{}, bytes, style}}, base_);
    ui_->text->setTextCursor(cursor);
    ui_->text->setFocus();
}

void LabelEditorDialog::fillCharacterMenu(QMenu* menu, bool wingdings) {
    const auto characters = wingdings ? richtext::wingdingsCharacters() : richtext::symbolCharacters();
    RunStyle probe;
    probe.greek = !wingdings;
    if (wingdings) probe = richtext::wingdingsStyle(probe);
    QFont font = menu->font();
    font.setFamily(qt::familyForFace(wingdings ? "Wingdings" : "Symbol"));
    font.setPointSizeF(font.pointSizeF() * 1.3);
    for (const unsigned char c : characters) {
        const std::string byte(1, static_cast<char>(c));
        QAction* action = menu->addAction(runText(byte, probe));
        action->setFont(font);
        connect(action, &QAction::triggered, this, [this, byte, wingdings] {
            const RunStyle current = formatStyle(ui_->text->currentCharFormat(), base_);
            RunStyle style = current;
            if (wingdings) {
                style = richtext::wingdingsStyle(current);
            } else {
                style.greek = true;
            }
            insertBytes(byte, style);
        });
    }
}

void LabelEditorDialog::accept() {
    store(true);
    OrdinaxDialog::accept();
}

void LabelEditorDialog::reject() {
    // The working copy goes back to what the editor found (an insertion made
    // before it stays).
    edit_.working() = opened_;
    edit_.preview();
    OrdinaxDialog::reject();
}

void LabelEditorDialog::clearColour() {
    const QTextCursor cursor = ui_->text->textCursor();
    // A colour cannot be merged away: each selected character loses its own.
    const int end = cursor.selectionEnd();
    for (int at = cursor.selectionStart(); at < end; ++at) {
        QTextCursor one(ui_->text->document());
        one.setPosition(at);
        one.setPosition(at + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format = one.charFormat();
        format.clearForeground();
        one.setCharFormat(format);
    }
    QTextCharFormat typing = ui_->text->currentCharFormat();
    typing.clearForeground();
    ui_->text->setCurrentCharFormat(typing);
    store(false);
    ui_->text->setFocus();
}

}  // namespace ordinax::shell
