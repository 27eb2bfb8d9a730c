// A picture box that holds clickable pictures is a list a keyboard can use:
// the arrow keys go through its pictures, Space or Return chooses one.
#include "controls.h"
#include "picturebox.h"

#include <QKeyEvent>
#include <algorithm>

namespace forms {

QList<Image *> PictureBox::choices() const
{
    QList<Image *> items;
    for (Image *image : findChildren<Image *>(Qt::FindDirectChildrenOnly))
        if (image->property("formsClickable").toBool())
            items.push_back(image);
    std::sort(items.begin(), items.end(), [](Image *a, Image *b) { return a->y() < b->y(); });
    return items;
}

void PictureBox::highlight(int index)
{
    const QList<Image *> items = choices();
    for (int i = 0; i < items.size(); ++i)
        items[i]->setHighlighted(i == index);
    current_ = index;
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const QList<Image *> items = choices();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (items.isEmpty())
            break;
        if (event->key() == Qt::Key_Down)
            highlight(current_ < 0 ? 0 : std::min<int>(current_ + 1, items.size() - 1));
        else
            highlight(current_ < 0 ? items.size() - 1 : std::max(current_ - 1, 0));
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current_ >= 0 && current_ < items.size())
            items[current_]->click();
        else
            click();
        return;
    default:
        break;
    }
    Surface::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    Surface::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    Surface::focusOutEvent(event);
    highlight(-1);
    update();
}

} // namespace forms
