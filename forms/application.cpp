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
    // The message box and the text boxes' menus speak Chinese; fontconfig's
    // fallback would draw it in Japanese glyph shapes. Set for those classes
    // only, the face loads when one opens, not at start-up.
    QFont chinese(QStringLiteral("Noto Sans CJK SC"));
    chinese.setPixelSize(13);
    QApplication::setFont(chinese, "QMessageBox");
    QApplication::setFont(chinese, "QMenu");
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace forms
