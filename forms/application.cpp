#include "application.h"

#include "accessibility.h"
#include "fonts.h"
#include "style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace forms {

void setUpApplication(QApplication &app)
{
    QApplication::setStyle(new ZoomStyle);
    installFontSubstitutions();
    installAccessibility();
    // The message box and the text boxes' menus speak Chinese; fontconfig's
    // fallback would draw it in Japanese glyph shapes. Set for those classes
    // only, the face loads when one opens, not at start-up.
    QFont chinese(QStringLiteral("Noto Sans CJK SC"));
    chinese.setPixelSize(13);
    QApplication::setFont(chinese, "QMessageBox");
    QApplication::setFont(chinese, "QMenu");
    // The windows speak the desktop's language where we have a translation
    // for it, else their own, Chinese; Qt's own texts and the pictures that
    // carry words (resources of that language) follow.
    auto *ours = new QTranslator(&app);
    QLocale language(QLocale::Chinese, QLocale::China);
    if (ours->load(QLocale::system(), QStringLiteral("zentrak"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(ours);
        language = QLocale(ours->language());
    }
    QLocale::setDefault(language);
    auto *qt = new QTranslator(&app);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

} // namespace forms
