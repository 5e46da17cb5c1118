// Label runs in a Qt text document.
#include "shell/labels/label_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>
#include <unordered_map>

#include "qt/font_mapping.h"
#include "render/font_choice.h"

namespace ordinax::shell {

namespace {

using richtext::LabelBase;
using richtext::LabelRun;
using richtext::RunStyle;

// Character-format properties that keep the markup of a run.
constexpr int CodesProperty = QTextFormat::UserProperty + 1;
constexpr int StyleProperty = QTextFormat::UserProperty + 2;

// Bytes without a character of their own show as U+F000 + byte.
constexpr char32_t PrivateBase = 0xF000;
constexpr char32_t LineSeparator = 0x2028;
constexpr char32_t ParagraphSeparator = 0x2029;

enum class Encoding { Text, Symbol, Wingdings };

Encoding encodingOf(const RunStyle& style) {
    if (style.greek || style.face == "Symbol") return Encoding::Symbol;
    if (style.face == "Wingdings") return Encoding::Wingdings;
    return Encoding::Text;
}

char32_t toUnicode(unsigned char byte, Encoding encoding) {
    if (byte == '\n') return LineSeparator;
    if (byte == '\t') return U'\t';
    char32_t c = 0;
    switch (encoding) {
        case Encoding::Text:
            c = qt::windows1252ToUnicode(byte);
            break;
        case Encoding::Symbol:
            c = qt::symbolToUnicode(byte);
            break;
        case Encoding::Wingdings:
            c = qt::wingdingsToUnicode(byte);
            break;
    }
    // Control bytes and unassigned ones keep their value through the private range.
    if (c == 0 || byte < 0x20) return PrivateBase + byte;
    return c;
}

using Reverse = std::unordered_map<char32_t, unsigned char>;

Reverse reverseOf(char32_t (*table)(unsigned char)) {
    Reverse reverse;
    for (int b = 0xFF; b >= 0x20; --b) {
        const char32_t c = table(static_cast<unsigned char>(b));
        if (c != 0) reverse[c] = static_cast<unsigned char>(b);
    }
    return reverse;
}

const Reverse& reverseText() {
    static const Reverse r = reverseOf(qt::windows1252ToUnicode);
    return r;
}
const Reverse& reverseSymbol() {
    static const Reverse r = reverseOf(qt::symbolToUnicode);
    return r;
}
const Reverse& reverseWingdings() {
    static const Reverse r = reverseOf(qt::wingdingsToUnicode);
    return r;
}

std::optional<unsigned char> find(const Reverse& reverse, char32_t c) {
    const auto it = reverse.find(c);
    if (it == reverse.end()) return std::nullopt;
    return it->second;
}

// One character of the document as a byte of markup in a style.
struct MarkupChar {
    char byte;
    RunStyle style;
};

MarkupChar markupChar(char32_t c, RunStyle style) {
    if (c == LineSeparator || c == ParagraphSeparator || c == U'\n') return {'\n', style};
    if (c == U'\t') return {'\t', style};
    if (c >= PrivateBase && c <= PrivateBase + 0xFF) return {static_cast<char>(c - PrivateBase), style};
    switch (encodingOf(style)) {
        case Encoding::Symbol:
            if (const auto b = find(reverseSymbol(), c)) return {static_cast<char>(*b), style};
            break;
        case Encoding::Wingdings:
            if (const auto b = find(reverseWingdings(), c)) return {static_cast<char>(*b), style};
            break;
        case Encoding::Text:
            break;
    }
    RunStyle plain = style;
    plain.greek = false;
    if (plain.face == "Symbol" || plain.face == "Wingdings") plain.face.clear();
    if (const auto b = find(reverseText(), c)) return {static_cast<char>(*b), plain};
    // A Greek letter or sign typed in ordinary text: a Greek run.
    if (const auto b = find(reverseSymbol(), c)) {
        RunStyle greek = plain;
        greek.greek = true;
        return {static_cast<char>(*b), greek};
    }
    // Unicode subscript and superscript digits: the digit in a script run.
    if (c >= 0x2080 && c <= 0x2089) {
        RunStyle sub = plain;
        sub.subscript = true;
        sub.superscript = false;
        return {static_cast<char>('0' + (c - 0x2080)), sub};
    }
    if (c == 0x2070 || (c >= 0x2074 && c <= 0x2079)) {
        RunStyle super = plain;
        super.superscript = true;
        super.subscript = false;
        return {static_cast<char>(c == 0x2070 ? '0' : '0' + (c - 0x2070)), super};
    }
    return {'?', plain};
}

QByteArray styleBytes(const RunStyle& s) {
    QByteArray out =
        QByteArray::number(s.bold) + ' ' + QByteArray::number(s.italic) + ' ' + QByteArray::number(s.underline) + ' ' +
        QByteArray::number(s.ruled) + ' ' + QByteArray::number(s.superscript) + ' ' + QByteArray::number(s.subscript) +
        ' ' + QByteArray::number(s.greek) + ' ' + QByteArray::number(s.shift) + ' ' + QByteArray::number(s.colourSet) +
        ' ' + QByteArray::number(s.colour) + ' ' + QByteArray::number(s.halfPoints) + ' ' +
        QByteArray::number(s.charSet) + ' ' + QByteArray::number(s.pitchAndFamily) + ' ';
    out += QByteArray(s.face.data(), static_cast<qsizetype>(s.face.size()));
    return out;
}

std::optional<RunStyle> styleFromBytes(const QByteArray& bytes) {
    const QList<QByteArray> parts = bytes.split(' ');
    if (parts.size() < 14) return std::nullopt;
    RunStyle s;
    bool ok = true;
    auto number = [&](int i) {
        bool good = false;
        const long long v = parts[i].toLongLong(&good);
        ok = ok && good;
        return v;
    };
    s.bold = number(0) != 0;
    s.italic = number(1) != 0;
    s.underline = number(2) != 0;
    s.ruled = number(3) != 0;
    s.superscript = number(4) != 0;
    s.subscript = number(5) != 0;
    s.greek = number(6) != 0;
    s.shift = static_cast<int>(number(7));
    s.colourSet = number(8) != 0;
    s.colour = static_cast<richtext::Colour>(number(9));
    s.halfPoints = static_cast<int>(number(10));
    s.charSet = static_cast<std::uint8_t>(number(11));
    s.pitchAndFamily = static_cast<std::uint8_t>(number(12));
    // The face is the rest: a face name may hold blanks.
    const qsizetype at = bytes.indexOf(' ', 0);
    qsizetype pos = at;
    for (int i = 1; i < 13 && pos >= 0; ++i) pos = bytes.indexOf(' ', pos + 1);
    if (!ok || pos < 0) return std::nullopt;
    const QByteArray face = bytes.mid(pos + 1);
    s.face.assign(face.constData(), static_cast<std::size_t>(face.size()));
    return s;
}

QTextCharFormat::VerticalAlignment alignmentOf(const RunStyle& s) {
    if (s.superscript && !s.subscript) return QTextCharFormat::AlignSuperScript;
    if (s.subscript && !s.superscript) return QTextCharFormat::AlignSubScript;
    return QTextCharFormat::AlignNormal;
}

QColor qtColour(richtext::Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

richtext::Colour bgr(const QColor& c) {
    return richtext::rgbColour(c.red(), c.green(), c.blue());
}

QString familyOf(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty()) return families.first();
    return format.font().family();
}

// Adds the characters of one fragment to the runs.
void appendFragment(std::vector<LabelRun>& runs, const QString& text, const QTextCharFormat& format,
                    const LabelBase& base, bool& firstOfFragment) {
    const RunStyle style = formatStyle(format, base);
    const QByteArray codes = format.property(CodesProperty).toByteArray();
    for (const char32_t c : text.toUcs4()) {
        const MarkupChar mc = markupChar(c, style);
        // The fragment's kept codes go with its first character only.
        const std::string ownCodes = firstOfFragment ? codes.toStdString() : std::string();
        firstOfFragment = false;
        if (runs.empty() || !ownCodes.empty() || !(runs.back().style == mc.style))
            runs.push_back({ownCodes, {}, mc.style});
        runs.back().text += mc.byte;
    }
}

std::vector<LabelRun> runsBetween(const QTextDocument& document, int from, int to, const LabelBase& base) {
    std::vector<LabelRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int blockStart = block.position();
        if (blockStart > to) break;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start >= end) continue;
            bool first = start == fragment.position();
            appendFragment(runs, fragment.text().mid(start - fragment.position(), end - start), fragment.charFormat(),
                           base, first);
        }
        // Paragraphs (pasted text) end with a line feed in the look before it.
        const int separator = blockStart + block.length() - 1;
        if (block.next().isValid() && separator >= from && separator < to) {
            if (runs.empty()) runs.push_back({{}, {}, richtext::initialStyle(base)});
            runs.back().text += '\n';
        }
    }
    return runs;
}

}  // namespace

QTextCharFormat runFormat(const RunStyle& style, const LabelBase& base) {
    QTextCharFormat format;
    const std::string face = style.greek ? std::string("Symbol") : richtext::effectiveFace(style, base);
    format.setFontFamilies({qt::familyForFace(face)});
    const double points = richtext::effectiveHalfPoints(style, base) / 2.0;
    format.setFontPointSize(points);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.ruled);
    format.setVerticalAlignment(alignmentOf(style));
    if (style.shift != 0 && points > 0) format.setBaselineOffset(style.shift / 2.0 / points * 100.0);
    if (style.colourSet) format.setForeground(qtColour(style.colour));
    format.setProperty(StyleProperty, styleBytes(style));
    return format;
}

RunStyle formatStyle(const QTextCharFormat& format, const LabelBase& base) {
    const auto kept = styleFromBytes(format.property(StyleProperty).toByteArray());
    const RunStyle stored = kept ? *kept : richtext::initialStyle(base);
    RunStyle s = stored;
    const bool bold = format.fontWeight() >= QFont::DemiBold;
    if (bold != stored.bold) s.bold = bold;
    s.italic = format.fontItalic();
    s.underline = format.fontUnderline();
    s.ruled = format.fontStrikeOut();
    const auto valign = format.verticalAlignment();
    if (valign != alignmentOf(stored)) {
        s.superscript = valign == QTextCharFormat::AlignSuperScript;
        s.subscript = valign == QTextCharFormat::AlignSubScript;
    }
    const bool coloured =
        format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush;
    if (!coloured) {
        s.colourSet = false;
    } else {
        const richtext::Colour colour = bgr(format.foreground().color());
        if (!stored.colourSet || stored.colour != colour) {
            s.colourSet = true;
            s.colour = colour;
        }
    }
    const int halfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2.0));
    if (halfPoints > 0 && halfPoints != richtext::effectiveHalfPoints(stored, base)) s.halfPoints = halfPoints;
    if (!stored.greek) {
        const std::string face = render::windowsFaceForFamily(familyOf(format).toStdString());
        if (!face.empty() && face != richtext::effectiveFace(stored, base)) {
            render::ChosenFont chosen;
            chosen.family = familyOf(format).toStdString();
            const base::LogFont font = render::chosenFont(base::LogFont{}, chosen);
            s.face = face;
            s.charSet = font.charSet;
            s.pitchAndFamily = font.pitchAndFamily;
        }
    }
    return s;
}

QString runText(const std::string& bytes, const RunStyle& style) {
    const Encoding encoding = encodingOf(style);
    std::u32string text;
    text.reserve(bytes.size());
    for (const char b : bytes) text += toUnicode(static_cast<unsigned char>(b), encoding);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

void insertRuns(QTextCursor& cursor, const std::vector<LabelRun>& runs, const LabelBase& base) {
    for (const LabelRun& run : runs) {
        QTextCharFormat format = runFormat(run.style, base);
        format.setProperty(CodesProperty, QByteArray(run.codes.data(), static_cast<qsizetype>(run.codes.size())));
        if (!run.text.empty()) cursor.insertText(runText(run.text, run.style), format);
    }
}

void setDocumentRuns(QTextDocument& document, const std::vector<LabelRun>& runs, const LabelBase& base) {
    document.clear();
    QTextCursor cursor(&document);
    // The empty document starts in the label's own look.
    cursor.setCharFormat(runFormat(richtext::initialStyle(base), base));
    insertRuns(cursor, runs, base);
}

std::vector<LabelRun> documentRuns(const QTextDocument& document, const LabelBase& base) {
    return runsBetween(document, 0, document.characterCount() - 1, base);
}

std::vector<LabelRun> selectionRuns(const QTextCursor& cursor, const LabelBase& base) {
    if (!cursor.hasSelection() || !cursor.document()) return {};
    return runsBetween(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd(), base);
}

}  // namespace ordinax::shell
