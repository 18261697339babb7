#include "fitcheck.h"

#include <QFont>
#include <QFontMetrics>
#include <QTextDocument>

namespace zk::bank {

FitBox AnswerLabelBox() { return {QStringLiteral("MS Sans Serif"), 12, true, 155, 0, 0}; }
FitBox QuestionMemoBox() { return {QStringLiteral("Times New Roman"), 17, true, 484, 76, 2}; }
FitBox QualifyingItemBox() { return {QStringLiteral("Times New Roman"), 13, true, 160, 0, 0}; }
FitBox QualifyingTaskBox() { return {QStringLiteral("Times New Roman"), 13, true, 492, 36, 3}; }

QString Overflow(const QString& text, const FitBox& box)
{
    QFont font(box.family);
    font.setPixelSize(box.pixelSize);
    font.setBold(box.bold);
    if (box.height == 0) {
        const int w = QFontMetrics(font).horizontalAdvance(text);
        if (w > box.width)
            return QStringLiteral("%1 px wide, the box holds %2 px").arg(w).arg(box.width);
        return {};
    }
    // Laid out as the game's read-only text boxes lay it out: word-wrapped, centred or not alike.
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setPlainText(text);
    doc.setTextWidth(box.width - 2 * box.margin);
    const int h = qCeil(doc.size().height());
    if (h > box.height - 2 * box.margin)
        return QStringLiteral("%1 px high when wrapped, the box holds %2 px").arg(h).arg(box.height - 2 * box.margin);
    return {};
}

}  // namespace zk::bank
