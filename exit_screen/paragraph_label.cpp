#include "paragraph_label.h"

#include <QPainter>
#include <QRegularExpression>

namespace amorix {

QString withParagraphGaps(const QString& text)
{
    static const QRegularExpression run(QStringLiteral(" {%1,}").arg(kParagraphSpaces));
    return QString(text).replace(run, QStringLiteral("\n\n"));
}

void ParagraphLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, withParagraphGaps(text()));
}

} // namespace amorix
