#include "events.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace forms {

namespace {
int running = 0;
MsgBoxHook msgBoxHook;
std::vector<std::function<void()>> afterEvent;
} // namespace

bool deliver(const std::function<void()> &handler)
{
    if (running > 0)
        return false;
    ++running;
    struct Leave {
        ~Leave()
        {
            --running;
            for (size_t i = 0; i < afterEvent.size(); ++i)
                afterEvent[i]();
            afterEvent.clear();  // keeps its room: no allocation per tick
        }
    } leave;
    handler();
    return true;
}

bool handlerRunning() { return running > 0; }

void whenEventEnds(std::function<void()> work) { afterEvent.push_back(std::move(work)); }

void setMsgBoxHook(MsgBoxHook hook) { msgBoxHook = std::move(hook); }

void MsgBox(const QString &prompt, int style, const QString &title)
{
    if (msgBoxHook) {
        msgBoxHook(prompt, style, title);
        return;
    }
    const QMessageBox::Icon icon = (style & 0x70) == 48 ? QMessageBox::Warning
                                 : (style & 0x70) == 16 ? QMessageBox::Critical
                                 : (style & 0x70) == 64 ? QMessageBox::Information
                                                        : QMessageBox::NoIcon;
    QMessageBox box(icon, title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *ok = box.addButton(QCoreApplication::translate("forms", "确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace forms
