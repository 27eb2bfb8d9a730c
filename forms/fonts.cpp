#include "fonts.h"

#include <QtMath>

namespace forms {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QFont toQFont(const FontSpec &spec)
{
    QFont font(spec.face);
    font.setPixelSize(qRound(spec.points * 4.0 / 3.0));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

} // namespace forms
