// Fonts named by the window descriptions, mapped to the faces we install.
#pragma once

#include <QFont>
#include <QString>

namespace forms {

struct FontSpec {
    QString face;
    double points = 9;
    bool bold = false;
    bool italic = false;
};

// Maps "宋体" and "Times New Roman" to their installed twins explicitly, so the
// look does not depend on fontconfig's guesses. Call once after QApplication.
void installFontSubstitutions();

// Sized in pixels at 96 dpi (1 pt = 4/3 px) rather than in points, so text
// keeps its place in a layout measured in twips whatever the desktop's dpi.
QFont toQFont(const FontSpec &spec);

} // namespace forms
