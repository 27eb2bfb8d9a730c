#include "msgbox.h"

#include "grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

namespace forms {

namespace {
MsgBoxHook msgBoxHook;
} // namespace

void setMsgBoxHook(MsgBoxHook hook) { msgBoxHook = std::move(hook); }

void MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title)
{
    if (msgBoxHook) {
        msgBoxHook(prompt, style, title);
        return;
    }
    const QMessageBox::Icon icon = style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                                 : style == MsgBoxStyle::Critical    ? QMessageBox::Critical
                                                                     : QMessageBox::Information;
    QWidget *window = QApplication::activeWindow();
    QMessageBox box(icon, title, prompt, QMessageBox::NoButton, window);
    if (window && zoomOf(*window) != 1) {  // as large as the lesson it answers, on a projector too
        QFont font = box.font();
        font.setPixelSize(int(std::lround(font.pixelSize() * zoomOf(*window))));
        box.setFont(font);
    }
    QPushButton *ok = box.addButton(QCoreApplication::translate("forms", "确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void refuse(QLineEdit &entry, const QString &prompt, const QString &title)
{
    MsgBox(prompt, MsgBoxStyle::Exclamation, title);
    entry.setText(QString());
    entry.setFocus();
}

} // namespace forms
