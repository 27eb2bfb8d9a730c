#include "accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace forms {

namespace {

bool isClickable(const QWidget *widget) { return widget->property("formsClickable").toBool(); }

// A picture or picture box: a graphic, a canvas or, when it answers clicks, a
// button that a screen reader can also press.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget *widget) : QAccessibleWidget(widget) {}

    // Asked each time: the interface may be made before the window has
    // attached its click handlers.
    QAccessible::Role role() const override
    {
        const QVariant chosen = widget()->property("formsRole");
        if (chosen.isValid())
            return QAccessible::Role(chosen.toInt());
        if (isClickable(widget()))
            return QAccessible::Button;
        return widget()->inherits("forms::Image") ? QAccessible::Graphic : QAccessible::Canvas;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (isClickable(widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && isClickable(widget()))
            QMetaObject::invokeMethod(widget(), "click");
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("forms::Frame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("forms::Image") || className == QLatin1String("forms::PictureBox"))
        return new PictureAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

} // namespace forms
