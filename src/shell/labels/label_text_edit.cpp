// The text field of the label editor.
#include "shell/labels/label_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "shell/labels/label_document.h"

namespace ordinax::shell {

LabelTextEdit::LabelTextEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
}

void LabelTextEdit::setLabel(const richtext::LabelBase& base, std::string rtfFrame, int slot) {
    base_ = base;
    frame_ = std::move(rtfFrame);
    slot_ = slot;
}

QStringList LabelTextEdit::rtfTypes() {
    return {QStringLiteral("text/rtf"), QStringLiteral("text/richtext"), QStringLiteral("application/rtf")};
}

void LabelTextEdit::keyPressEvent(QKeyEvent* event) {
    // A label is one paragraph whose lines are separated by line feeds.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & Qt::ControlModifier)) {
        textCursor().insertText(QString(QChar(0x2028)));
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

QMimeData* LabelTextEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    const QTextCursor cursor = textCursor();
    const std::string markup = richtext::writeLabel(selectionRuns(cursor, base_), base_);
    const std::string rtf = richtext::markupToRtf(markup, base_.font, frame_, base_.pixelsPerInch);
    const QByteArray bytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
    for (const QString& type : rtfTypes()) data->setData(type, bytes);
    QString plain = cursor.selectedText();
    plain.replace(QChar(0x2028), QLatin1Char('\n')).replace(QChar(0x2029), QLatin1Char('\n'));
    data->setText(plain);
    return data;
}

bool LabelTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    for (const QString& type : rtfTypes())
        if (source->hasFormat(type)) return true;
    return source->hasText();
}

void LabelTextEdit::insertFromMimeData(const QMimeData* source) {
    for (const QString& type : rtfTypes()) {
        if (!source->hasFormat(type)) continue;
        const QByteArray bytes = source->data(type);
        const richtext::RtfMarkup read =
            richtext::rtfToMarkup(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), slot_,
                                  &base_.font, base_.pixelsPerInch);
        QTextCursor cursor = textCursor();
        cursor.beginEditBlock();
        insertRuns(cursor, richtext::parseLabel(read.markup, base_), base_);
        cursor.endEditBlock();
        setTextCursor(cursor);
        if (read.alignment != 0) emit alignmentPasted(read.alignment);
        // What was read before the stop is kept; the user is told the rest is missing.
        if (read.status != richtext::RtfStatus::Ok && warning_) warning_(static_cast<int>(read.status));
        return;
    }
    if (!source->hasText()) return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QChar(0x2028));
    textCursor().insertText(text);
}

}  // namespace ordinax::shell
