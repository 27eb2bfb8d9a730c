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
class QShortcut;

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

    // The lesson scales with its window: every control, picture, text and
    // line at its described place times the zoom, the largest at which the
    // whole client area fits, centred. Ctrl+plus, Ctrl+minus and Ctrl+0 step
    // it as a browser does, sizing the window to it unless that fills the
    // screen; F11 shows the window on the whole screen, F11 or Escape leaves.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void stepZoom(int steps);

    QStringList controlNames() const { return controls_.keys() + lines_.keys(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    [[noreturn]] static void missing(const QString &name);
    void build(const WindowSpec &spec);
    void stopTimers();
    void addZoomKeys();
    double fit() const;
    void applyZoom(double zoom);
    void place(QWidget &widget);

    QHash<QString, QObject *> controls_;
    QHash<QString, LineObject *> lines_;
    QList<QWidget *> tabOrder_;
    bool ended_ = false;
    bool shownOnce_ = false;
    QSize client_;        // at zoom 1, in layout pixels
    double zoom_ = 1;
    double wanted_ = 0;   // a zoom asked for with the keys; 0: the largest that fits
    QSize asked_;         // the size the window was given for it
    QList<QWidget *> placed_;  // the controls, containers before what they hold
    QShortcut *leaveFullScreen_ = nullptr;
};

} // namespace forms
