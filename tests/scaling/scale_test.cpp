// Both windows run at scale factor 1 and at 2 (a projector): what a pupil
// types and the texts on the canvas stand legible at either. (How the windows
// look at either, edges and pictures and all, the reference pictures tell.)
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"


namespace {

struct Scaled : testing::Test {
    unitrix::Form1 form;
};

// Whatever a pupil types shows in real glyphs: full-width digits and signs
// from a Chinese input method, Chinese, Greek. A glyph no face has is drawn as
// the same box as a code point that is assigned to nothing.
TEST_F(Scaled, EveryEntryDrawsWhatAPupilTypesInRealGlyphs)
{
    angulon::Form1 rows;
    for (forms::Form *window : {&form.window(), &rows.window()})
        for (QLineEdit *entry : window->findChildren<QLineEdit *>()) {
            auto drawn = [&](const QString &typed) { return entry->setText(typed), entry->grab().toImage(); };
            const QImage missing = drawn(QString(QChar(0x0378)));
            for (const char *typed : {"３", "－", "．", "角", "α"})
                EXPECT_NE(drawn(QString::fromUtf8(typed)), missing)
                    << entry->objectName().toStdString() << ' ' << typed;
        }
}

} // namespace
