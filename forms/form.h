// A window built from its description. Programs fetch typed handles to its
// controls by name and attach their handlers to the controls' events.
#pragma once

#include "controls.h"
#include "description.h"
#include "picturebox.h"
#include "surface.h"
#include "timer.h"

#include <QHash>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {

class Form : public Surface {
    Q_OBJECT
public:
    explicit Form(const WindowSpec &spec);

    // A control of the description by name; asking for a name the table does
    // not hold, or for the wrong kind, is a programming error and aborts.
    template <class T> T &get(const QString &name) const
    {
        T *control = qobject_cast<T *>(controls_.value(name));
        if (!control)
            missing(name);
        return *control;
    }
    LineObject &line(const QString &name) const;
    Timer &timer(const QString &name) const { return get<Timer>(name); }

    void onClick(const QString &name, std::function<void()> handler);
    void onTimer(const QString &name, std::function<void()> handler);
    void load(const std::function<void()> &handler);

    // Raises the Click event of a control as the user would.
    void click(const QString &name);

    // End: timers stop, the window closes, the program ends.
    void End();
    bool hasEnded() const { return ended_; }

    QStringList controlNames() const { return controls_.keys() + lines_.keys(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    [[noreturn]] static void missing(const QString &name);
    void build(const WindowSpec &spec);
    void stopTimers();

    QHash<QString, QObject *> controls_;
    QHash<QString, LineObject *> lines_;
    QList<QWidget *> tabOrder_;
    bool ended_ = false;
    bool shownOnce_ = false;
};

} // namespace forms
