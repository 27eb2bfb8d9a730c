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
                EXPECT_NE(drawn(QString::fromUtf8(typed)), missing) << entry->objectName().toStdString() << ' ' << typed;
        }
}

// Every whole degree under every formula: no text on the canvas prints over
// another (2 pixels clear between their inks) and each of P's and Q's stands
// whole, 3 pixels inside the canvas. Each text's ink is found by printing it
// alone.
class Texts : public Scaled, public testing::WithParamInterface<int> {};

TEST_P(Texts, NeverPrintOverEachOther)
{
    testing_support::MessageBoxes boxes;  // Q's angle out of range after P's
    form.Picture1.setRecording(true);
    form.Picture6_Click();
    (GetParam() == 1 ? form.Image12 : GetParam() == 2 ? form.Image13 : form.Image14).click();
    const int r = qRound(form.Picture1.devicePixelRatioF());  // not shown: the drawing is all there is to see
    forms::PictureBox &solo = form.Picture2;  // hidden: sized as the canvas, a place to print one text alone
    solo.setGeometry(form.Picture1.geometry());
    solo.setCanvasFont(form.Picture1.canvasFont());
    solo.Scale(-2, 2, 2, -2);
    QHash<QString, QRegion> inks;  // in device pixels: all but the white of the canvas
    auto inkOf = [&](const forms::DrawCall &c) -> const QRegion & {
        QRegion &ink = inks[QStringLiteral("%1 %2 %3 %4").arg(c.text).arg(c.x1).arg(c.y1).arg(c.italic)];
        if (ink.isEmpty()) {
            solo.Cls(), solo.CurrentX = c.x1, solo.CurrentY = c.y1, solo.FontItalic = c.italic, solo.Print(c.text);
            const QRect near = QRect(solo.printed().back().ink.topLeft() * r, solo.printed().back().ink.size() * r).adjusted(-4 * r, -4 * r, 4 * r, 4 * r) & solo.drawing().rect();
            ink = testing_support::inkRegion(solo.drawing().copy(near), qRgb(255, 255, 255)).translated(near.topLeft());
        }
        return ink;
    };
    auto crowd = [&](const QRegion &a, const QRegion &b) {  // less than 2 logical pixels of clear space between them
        return std::ranges::any_of(b, [&](const QRect &k) { return a.intersects(k.adjusted(-2 * r, -2 * r, 2 * r, 2 * r)); });
    };
    const QRect inside = QRect(QPoint(), form.Picture1.drawing().size()).adjusted(3 * r, 3 * r, -3 * r, -3 * r);
    QStringList crowded;
    for (int alpha = -1800; alpha <= 1800 && crowded.size() < 5; ++alpha) {
        form.Command2_Click();
        form.Picture1.clearRecorded();
        form.Text1.setText(QString::number(alpha));
        form.Command1_Click();
        testing_support::runToEnd(form.Timer1, 400);
        testing_support::runToEnd(form.Timer2, 400);
        std::vector<forms::DrawCall> texts;
        for (const forms::DrawCall &c : form.Picture1.recorded())
            if (c.op == forms::DrawCall::Op::Print && std::ranges::find(texts, c) == texts.end()) texts.push_back(c);
        for (size_t i = 0; i < texts.size(); ++i) {
            if (texts[i].text.contains('(') && !inside.contains(inkOf(texts[i]).boundingRect()))
                crowded << QStringLiteral("%1: %2 cut or at the edge").arg(alpha).arg(texts[i].text);
            for (size_t j = i + 1; j < texts.size(); ++j)
                if (crowd(inkOf(texts[i]), inkOf(texts[j]))) crowded << QStringLiteral("%1: %2 and %3").arg(alpha).arg(texts[i].text, texts[j].text);
        }
    }
    EXPECT_EQ(crowded.join("; "), "");
}
INSTANTIATE_TEST_SUITE_P(Formulas, Texts, testing::Values(1, 2, 3));

} // namespace
