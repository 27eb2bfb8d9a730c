// The application-wide settings both programs start with.
#pragma once

class QApplication;

namespace forms {

// Style, fonts and Qt's own Chinese texts (text-box menus), the same on every
// desktop a classroom may have.
void setUpApplication(QApplication &app);

} // namespace forms
