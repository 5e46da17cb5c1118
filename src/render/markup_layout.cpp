// Layout of label markup: a measuring pass records each line's width, ascent
// and descent, and the drawing pass places the runs of each line by the
// alignment. The first runs' measurements are kept between the passes, so a
// short label is measured once; nothing is allocated per run.
#include "render/markup_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>

#include "richtext/markup_codes.h"

namespace ordinax::render {

namespace {

using richtext::MarkupToken;
using richtext::MarkupTokenKind;

// What the codes read so far have set.
struct MarkupState {
    base::LogFont font;      // face, size, weight, italic and underline in force
    Colour colour = 0;
    bool ruled = false;      // ¶o
    bool superscript = false;
    bool subscript = false;
    bool greek = false;
    int shiftHalfPoints = 0; // ¶e[n] raises by n, ¶s[n] lowers by n
};

struct LineMetrics {
    int width = 0;
    int ascent = 0;
    int descent = 0;
    bool hasRun = false;
    int height() const { return ascent + descent; }
};

struct RunMetrics {
    int width = 0;
    int height = 0;
    int ascent = 0;
    int descent = 0;
};

// Runs whose measurements the drawing pass reuses; later runs are measured again.
constexpr std::size_t CachedRuns = 32;

// Tab positions are multiples of this many widths of "0" in the base font.
constexpr int TabDigits = 4;

int floorHalf(int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

// Start of a line of width w between lo and hi by the alignment.
int alignedStart(int lo, int hi, int w, int alignment) {
    switch (alignment) {
        case AlignRight: return hi - w;
        case AlignCentre: return floorHalf(lo + hi - w) + 1;
        default: return lo;
    }
}

void setFace(base::LogFont& font, std::string_view face) {
    std::memset(font.faceName, 0, sizeof font.faceName);
    std::memcpy(font.faceName, face.data(), std::min(face.size(), sizeof font.faceName - 1));
}

class MarkupLayout {
public:
    MarkupLayout(DrawDevice& device, const base::LogFont& baseFont, Colour baseColour, int angle, double pixelsPerPoint)
        : device_(device), baseFont_(baseFont), baseColour_(baseColour), turned_(angle == 90),
          pixelsPerPoint_(pixelsPerPoint > 0 ? pixelsPerPoint : device.dpiY() / 72.0) {}

    // Reads the text once, filling the line table; returns the line count.
    int measure(std::string_view text) {
        if (text.find('\t') != std::string_view::npos) tabWidth_ = referenceTabWidth();
        walk(text, nullptr);
        return lineCount_;
    }

    // Reads the text again and draws it into the rectangle.
    void draw(std::string_view text, const DevRect& rect, int alignment) {
        rect_ = rect;
        alignment_ = alignment;
        walk(text, &rect_);
    }

    const LineMetrics& line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    bool anyRun() const { return runCount_ > 0; }

private:
    int referenceTabWidth() {
        selectFont(fontOf(MarkupState{baseFont_, baseColour_}));
        return std::max(1, TabDigits * device_.textExtent("0").width);
    }

    base::LogFont fontOf(const MarkupState& s) const {
        base::LogFont f = s.font;
        if (s.superscript || s.subscript) f.height = f.height * 3 / 4;
        if (s.greek) {
            setFace(f, "Symbol");
            f.pitchAndFamily = 82;  // decorative family, variable pitch
            f.charSet = 2;          // the symbol character set, so that q shows a theta
        }
        f.escapement = f.orientation = turned_ ? 900 : 0;
        return f;
    }

    void selectFont(const base::LogFont& font) {
        if (deviceFont_ && *deviceFont_ == font) return;
        device_.setFont(font);
        deviceFont_ = font;
        metrics_.reset();
    }

    FontMetrics currentMetrics() {
        if (!metrics_) metrics_ = device_.fontMetrics();
        return *metrics_;
    }

    RunMetrics measureRun(std::string_view run) {
        const TextExtent e = device_.textExtent(run);
        const FontMetrics m = currentMetrics();
        return {e.width, e.height, m.ascent, m.descent};
    }

    void applyCode(const MarkupToken& t, MarkupState& s) const {
        switch (t.letter) {
            case '0': s.colour = 0; break;
            case 'Z': s.colour = t.colour; break;
            case 'D': case 'W': case 'R': case 'G': case 'B': case 'C': case 'Y': case 'M':
                // Naming the colour in force switches back to black.
                s.colour = s.colour == t.colour ? 0 : t.colour;
                break;
            case 'S': s.font.height = -std::max(1, static_cast<int>(std::lround(t.number / 2.0 * pixelsPerPoint_))); break;
            case 'F':
                setFace(s.font, t.face);
                s.font.charSet = t.charSet;
                s.font.pitchAndFamily = t.pitchAndFamily;
                break;
            case 'b': s.font.weight = s.font.weight >= 600 ? 400 : 700; break;
            case 'i': s.font.italic = s.font.italic ? 0 : 1; break;
            case 'u': s.font.underline = s.font.underline ? 0 : 1; break;
            case 'o': s.ruled = !s.ruled; break;
            case 'g': s.greek = !s.greek; break;
            case 'e':
                if (t.bracketed) s.shiftHalfPoints = t.number;
                else s.superscript = !s.superscript;
                break;
            case 's':
                if (t.bracketed) s.shiftHalfPoints = -t.number;
                else s.subscript = !s.subscript;
                break;
            default: break;  // ¶t: recognised, no effect
        }
    }

    // Baseline shift of a run in pixels, upwards positive.
    int shiftOf(const MarkupState& s, const RunMetrics& m) const {
        int shift = static_cast<int>(std::lround(s.shiftHalfPoints / 2.0 * pixelsPerPoint_));
        if (s.superscript) shift += m.height / 2;
        if (s.subscript) shift -= m.height / 2;
        return shift;
    }

    // An empty line is as high as the font in force where it ends.
    void closeLine(const MarkupState& s) {
        LineMetrics& line = lines_[static_cast<std::size_t>(lineCount_ - 1)];
        if (line.hasRun) return;
        selectFont(fontOf(s));
        const FontMetrics m = currentMetrics();
        line.ascent = m.ascent;
        line.descent = m.descent;
    }

    void drawRun(std::string_view run, const MarkupState& s, const RunMetrics& m, int shift, int lineTop,
                 int runStart) {
        const LineMetrics& line = lines_[static_cast<std::size_t>(lineCount_ - 1)];
        if (!lastColour_ || *lastColour_ != s.colour) {
            device_.setTextColour(s.colour);
            lastColour_ = s.colour;
        }
        // Ruled line through the run, a third of its ascent above its baseline.
        const int rule = shift + m.ascent / 3;
        if (!turned_) {
            const int x = alignedStart(rect_.left, rect_.right, line.width, alignment_) + runStart;
            const int baseline = rect_.top + lineTop + line.ascent;
            device_.text(x, baseline - shift, run);
            if (s.ruled) {
                device_.setPen({PenStyle::Solid, 1, s.colour});
                device_.line({x, baseline - rule}, {x + m.width, baseline - rule});
            }
        } else {
            // Turned anticlockwise: the text reads upwards from the bottom of
            // the rectangle, its top facing left; the next line is on its right.
            const int y = rect_.bottom - alignedStart(0, rect_.height(), line.width, alignment_) - runStart;
            const int baseline = rect_.left + lineTop + line.ascent;
            device_.text(baseline - shift, y, run);
            if (s.ruled) {
                device_.setPen({PenStyle::Solid, 1, s.colour});
                device_.line({baseline - rule, y}, {baseline - rule, y - m.width});
            }
        }
    }

    void walk(std::string_view text, const DevRect* drawInto) {
        const bool drawing = drawInto != nullptr;
        MarkupState s{baseFont_, baseColour_};
        richtext::MarkupReader reader(text);
        lineCount_ = 1;
        if (!drawing) lines_[0] = {};
        int x = 0;        // pen position along the line
        int lineTop = 0;  // offset of the line across the block
        std::size_t run = 0;
        for (MarkupToken t = reader.next();; t = reader.next()) {
            if (t.kind == MarkupTokenKind::Text) {
                selectFont(fontOf(s));
                const RunMetrics m = drawing && run < runCount_ && run < CachedRuns ? cache_[run] : measureRun(t.raw);
                const int shift = shiftOf(s, m);
                if (drawing) {
                    drawRun(t.raw, s, m, shift, lineTop, x);
                } else {
                    if (run < CachedRuns) cache_[run] = m;
                    LineMetrics& line = lines_[static_cast<std::size_t>(lineCount_ - 1)];
                    line.ascent = line.hasRun ? std::max(line.ascent, m.ascent + shift) : m.ascent + shift;
                    line.descent = line.hasRun ? std::max(line.descent, m.descent - shift) : m.descent - shift;
                    line.hasRun = true;
                }
                ++run;
                x += m.width;
            } else if (t.kind == MarkupTokenKind::Tab) {
                x = (x / tabWidth_ + 1) * tabWidth_;
            } else if (t.kind == MarkupTokenKind::Code) {
                applyCode(t, s);
            } else {
                LineMetrics& line = lines_[static_cast<std::size_t>(lineCount_ - 1)];
                if (!drawing) {
                    line.width = x;
                    closeLine(s);
                }
                if (t.kind == MarkupTokenKind::End) break;
                lineTop += line.height();
                x = 0;
                ++lineCount_;
                if (!drawing) lines_[static_cast<std::size_t>(lineCount_ - 1)] = {};
            }
        }
        if (!drawing) runCount_ = run;
    }

    DrawDevice& device_;
    base::LogFont baseFont_;
    Colour baseColour_;
    bool turned_;
    double pixelsPerPoint_;
    int tabWidth_ = 1;
    DevRect rect_;
    int alignment_ = AlignLeft;
    std::array<LineMetrics, richtext::MaxMarkupLines> lines_{};
    int lineCount_ = 0;
    std::array<RunMetrics, CachedRuns> cache_{};
    std::size_t runCount_ = 0;
    std::optional<base::LogFont> deviceFont_;
    std::optional<FontMetrics> metrics_;
    std::optional<Colour> lastColour_;
};

}  // namespace

MarkupSize layoutMarkup(DrawDevice& device, std::string_view text, const base::LogFont& baseFont, Colour baseColour,
                        const DevRect& rect, int alignment, int angle, MarkupMode mode, double pixelsPerPoint) {
    MarkupLayout layout(device, baseFont, baseColour, angle, pixelsPerPoint);
    const int lines = layout.measure(text);
    if (!layout.anyRun()) return {};
    MarkupSize size;
    for (int i = 0; i < lines; ++i) {
        size.width = std::max(size.width, layout.line(i).width);
        size.height += layout.line(i).height();
    }
    if (mode == MarkupMode::Draw) layout.draw(text, rect, alignment);
    if (angle == 90) std::swap(size.width, size.height);
    return size;
}

}  // namespace ordinax::render
