// The controls that Qt has no direct counterpart for. Text boxes and command
// buttons are QLineEdit and QPushButton, set up by Form.
#pragma once

#include "pictures.h"
#include "surface.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace forms {

// A frame: a surface with an optional etched border and caption.
class Frame : public Surface {
    Q_OBJECT
public:
    Frame(QWidget *parent, QString caption, QColor captionColor, bool etched);

protected:
    void paintBorder(QPainter &painter, const DeviceGrid &grid) override;

private:
    QString caption_;
    QColor captionColor_;
    bool etched_;
};

// A label: wrapped text from the top-left corner. Lines are laid out on the
// em box, as the Song face the descriptions name does: the CJK face standing
// in for it has much taller ascent and descent, which would push the text
// down out of place (and out from under the controls meant to cover it).
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString &text, QWidget *parent) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent *) override;
};

// An image: shows its picture unscaled from its top-left corner; clickable.
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget *parent) : QWidget(parent) {}

    const Picture &picture() const { return picture_; }
    void setPicture(const Picture &picture);
    Q_INVOKABLE void click() { emit clicked(); }
    // Marks the item a keyboard user is about to choose in a list of pictures.
    void setHighlighted(bool on);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture picture_;
    ClickGesture gesture_;
    bool highlighted_ = false;
};

// A command button as the style draws it, at the window's zoom as a screen
// of that ratio would draw it: its text, its edges and its shading alike.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A command button drawn as a picture, with a face for each state.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget *parent, Picture up, Picture down, Picture disabled);

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture up_, down_, disabled_;
};

} // namespace forms
