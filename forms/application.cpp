#include "application.h"

#include "accessibility.h"
#include "fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace forms {

void setUpApplication(QApplication &app)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutions();
    installAccessibility();
    // Fontconfig's default would give Chinese text Japanese glyph shapes.
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace forms
