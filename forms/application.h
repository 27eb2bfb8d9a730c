// The application-wide settings both programs start with.
#pragma once

class QApplication;

namespace forms {

// Style, fonts, the windows' language (the desktop's, where a translation of
// ours exists, else Chinese) and Qt's own texts in it, the same on every
// desktop a classroom may have.
void setUpApplication(QApplication &app);

} // namespace forms
