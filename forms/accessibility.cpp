#include "accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
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

// A label. One that a caption labels (its buddy) is a read-out: a bare number
// means nothing to a pupil who hears it, so its name is the caption and the
// value, or that there is none yet. Qt announces the change whenever the text
// changes, as the label has no accessible name of its own.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !label()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const auto captions = relations(QAccessible::Label);
        if (captions.isEmpty())
            return label()->text();
        const QString value = label()->text().isEmpty() ? QCoreApplication::translate("forms", "无数值") : label()->text();
        return captions.first().first->text(QAccessible::Name) + u' ' + value;
    }

    // A caption says which read-out it labels, as Qt's own label interface does.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && label()->buddy())
            found.append({QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
        return found;
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
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
    if (className == QLatin1String("forms::Label"))
        return new LabelAccessible(static_cast<QLabel *>(widget));
    return nullptr;
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

} // namespace forms
