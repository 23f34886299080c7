#include "fonts.h"

#include <QFontInfo>
#include <QHash>

#include <cmath>

namespace amorix {
namespace {

// The face that stands in for a family: the family itself where installed,
// otherwise the nearest sans face. Resolved once per family, so that every
// font built later is matched directly instead of through the fallback search.
QString installedFace(const QString& family)
{
    static QHash<QString, QString> faces;
    auto known = faces.constFind(family);
    if (known != faces.constEnd())
        return *known;
    QFont wanted(family);
    wanted.setStyleHint(QFont::SansSerif);
    return faces.insert(family, QFontInfo(wanted).family()).value();
}

} // namespace

QFont faceFont(const QString& family, double points, bool bold, bool underline)
{
    QFont font(installedFace(family));
    font.setStyleHint(QFont::SansSerif);
    // Sizes are in pixels at 96 dpi, as the windows were drawn for; the
    // device pixel ratio scales text and controls alike.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont verdana(double points, bool bold, bool underline)
{
    return faceFont(QStringLiteral("Verdana"), points, bold, underline);
}

} // namespace amorix
