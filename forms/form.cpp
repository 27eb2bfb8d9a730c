#include "form.h"

#include "events.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <map>

namespace forms {

namespace {

bool isWindowed(Kind kind)
{
    return kind == Kind::Frame || kind == Kind::PictureBox || kind == Kind::TextBox
        || kind == Kind::CommandButton || kind == Kind::PictureButton;
}

QColor colorOr(const ColorRef &ref, const QPalette &palette, QPalette::ColorRole fallback)
{
    return ref.isSet() ? ref.resolve(palette) : palette.color(QPalette::Active, fallback);
}

// The windows' own texts (captions, labels, canvas letters) are all in the
// face they name; not looking for fallback faces saves start-up time. What a
// pupil types may be anything (full-width digits, Chinese, Greek), so text
// boxes look for fallbacks, said explicitly: a child inherits the strategy
// of the window's font unless it sets its own.
QFont ownText(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}
QFont typedText(QFont font)
{
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace

Form::Form(const WindowSpec &spec) : Surface(nullptr)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(spec.caption);
    if (!spec.icon.isEmpty()) {
        const QIcon icon(spec.icon);
        if (icon.isNull())  // without Qt's SVG icon engine, for one
            std::fprintf(stderr, "forms: cannot load window icon %s\n", qPrintable(spec.icon));
        setWindowIcon(icon);
    }
    setFont(ownText(toQFont(spec.font)));
    setBackColor(colorOr(spec.back, palette(), QPalette::Window));
    setPicture(Picture(spec.picture));
    client_ = QSize(toPixels(spec.clientWidth), toPixels(spec.clientHeight));
    setLayoutRect(*this, QRect(QPoint(), client_));
    build(spec);
    addZoomKeys();
    // A window too large for its screen opens at the largest zoom that fits,
    // its frame and title included.
    const QSize free = screen()->availableGeometry().size() - QSize(16, 48);
    const double fits = std::min(free.width() / double(client_.width()), free.height() / double(client_.height()));
    setMinimumSize(client_ / 4);
    asked_ = client_ * std::min(1.0, fits);
    resize(asked_);
    applyZoom(fit());
}

void Form::build(const WindowSpec &spec)
{
    auto translated = [&](const QString &text) {
        return QCoreApplication::translate(spec.context, text.toUtf8().constData());
    };
    std::map<int, QWidget *> byTabIndex;
    QHash<QWidget *, std::vector<std::pair<QWidget *, bool>>> stacks;  // container -> (child, windowed)
    std::vector<std::pair<QLineEdit *, QString>> entries;              // text box -> the button Return presses

    for (const ControlSpec &row : spec.controls) {
        const Props &p = row.props;
        const QString caption = translated(p.caption), name = translated(p.accessibleName);
        Surface *container = row.container.isEmpty() ? this : qobject_cast<Surface *>(controls_.value(row.container));
        if (!container)
            missing(row.container);
        const QPalette palette = container->palette();
        const QRect layout(layoutOf(*container).topLeft() + container->clientArea().topLeft()
                               + QPoint(toPixels(row.left), toPixels(row.top)),
                           QSize(toPixels(row.width), toPixels(row.height)));
        QWidget *widget = nullptr;

        switch (row.kind) {
        case Kind::Line: {
            LineObject &line = container->addLine(colorOr(p.fore, palette, QPalette::Text), p.lineWidth);
            line.place(row.left, row.top, row.width, row.height);
            line.setVisible(p.visible);
            lines_.insert(row.name, &line);
            continue;
        }
        case Kind::Timer: {
            auto *timer = new Timer(p.interval, this);
            timer->setObjectName(row.name);
            timer->setEnabled(p.enabled);
            controls_.insert(row.name, timer);
            continue;
        }
        case Kind::Frame: {
            auto *frame = new Frame(container, caption, colorOr(p.fore, palette, QPalette::WindowText),
                                   p.border == Border::Etched);
            frame->setBackColor(colorOr(p.back, palette, QPalette::Window));
            widget = frame;
            break;
        }
        case Kind::PictureBox: {
            auto *box = new PictureBox(container, p.border);
            box->setBackColor(colorOr(p.back, palette, QPalette::Window));
            box->foreColor = colorOr(p.fore, palette, QPalette::Text);
            box->setPicture(Picture(p.picture));
            if (p.font) {
                box->setCanvasFont(ownText(toQFont(*p.font)));
                box->FontItalic = p.font->italic;
            }
            box->setFocusPolicy(p.tabIndex >= 0 ? Qt::StrongFocus : Qt::NoFocus);
            widget = box;
            break;
        }
        case Kind::Label: {
            auto *label = new Label(caption, container);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setContentsMargins(0, 0, 0, 0);
            QPalette colors = label->palette();
            colors.setColor(QPalette::WindowText, colorOr(p.fore, palette, QPalette::ButtonText));
            colors.setColor(QPalette::Window, colorOr(p.back, palette, QPalette::Window));
            label->setPalette(colors);
            label->setAutoFillBackground(!p.transparent);
            // The caption, listed before, becomes the label a screen reader names this one by.
            if (!p.captionLabel.isEmpty())
                get<QLabel>(p.captionLabel).setBuddy(label);
            widget = label;
            break;
        }
        case Kind::TextBox: {
            auto *box = new QLineEdit(p.caption, container);
            if (!p.enterButton.isEmpty())
                entries.emplace_back(box, p.enterButton);
            box->setFont(typedText(p.font ? toQFont(*p.font) : box->font()));
            box->setProperty("formsPixelSize", box->font().pixelSize());  // at zoom 1
            if (p.fore.isSet()) {
                QPalette colors = box->palette();
                colors.setColor(QPalette::Text, p.fore.resolve(palette));
                box->setPalette(colors);
            }
            widget = box;
            break;
        }
        case Kind::CommandButton: {
            auto *button = new CommandButton(caption, container);
            button->setAutoDefault(true);  // Return presses the focused button
            widget = button;
            break;
        }
        case Kind::PictureButton:
            widget = new PictureButton(container, Picture(p.picture), Picture(p.downPicture),
                                       Picture(p.disabledPicture));
            break;
        case Kind::Image: {
            auto *image = new Image(container);
            image->setPicture(Picture(p.picture, name));
            widget = image;
            break;
        }
        }

        widget->setObjectName(row.name);
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(translated(p.accessibleDescription));
        if (p.role != QAccessible::NoRole)
            widget->setProperty("formsRole", int(p.role));
        if (p.font && row.kind != Kind::TextBox)
            widget->setFont(ownText(toQFont(*p.font)));
        setLayoutRect(*widget, layout);
        placed_.push_back(widget);
        place(*widget);
        widget->setEnabled(p.enabled);
        widget->setVisible(p.visible);
        if (p.tabIndex >= 0)
            byTabIndex[p.tabIndex] = widget;
        stacks[container].push_back({widget, isWindowed(row.kind)});
        controls_.insert(row.name, widget);
    }

    // Windowed controls listed earlier lie on top; labels and images lie on
    // their container's surface, below every windowed control, in listed
    // order from the bottom up: the order a screen reader reads them in.
    for (auto &children : stacks)
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (it->second)
                it->first->raise();
            else
                it->first->lower();
        }

    // Return or Enter in an entry does what its button does while that is
    // enabled (a disabled button ignores click()). No button becomes the
    // window's default: Return elsewhere presses only the focused button.
    for (const auto &[entry, button] : entries)
        connect(entry, &QLineEdit::returnPressed, &get<QAbstractButton>(button), &QAbstractButton::click);

    for (auto &[index, widget] : byTabIndex) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!tabOrder_.isEmpty())
            QWidget::setTabOrder(tabOrder_.back(), widget);
        tabOrder_.push_back(widget);
    }
}

void Form::missing(const QString &name)
{
    qFatal("window description has no control named %s", qPrintable(name));
}

LineObject &Form::line(const QString &name) const
{
    LineObject *line = lines_.value(name);
    if (!line)
        missing(name);
    return *line;
}

void Form::onClick(const QString &name, std::function<void()> handler)
{
    QObject *control = controls_.value(name);
    auto run = [handler = std::move(handler)] { deliver(handler); };
    if (control)
        control->setProperty("formsClickable", true);  // pressable by keyboard and screen reader
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        connect(button, &QAbstractButton::clicked, this, run);
    else if (auto *surface = qobject_cast<Surface *>(control))
        connect(surface, &Surface::clicked, this, run);
    else if (auto *image = qobject_cast<Image *>(control))
        connect(image, &Image::clicked, this, run);
    else
        missing(name);
}

void Form::onTimer(const QString &name, std::function<void()> handler)
{
    timer(name).onTimer(std::move(handler));
}

void Form::load(const std::function<void()> &handler) { deliver(handler); }

void Form::click(const QString &name)
{
    QObject *control = controls_.value(name);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->click();
    else if (auto *surface = qobject_cast<Surface *>(control))
        surface->click();
    else if (auto *image = qobject_cast<Image *>(control))
        image->click();
    else
        missing(name);
}

void Form::stopTimers()
{
    for (QObject *control : std::as_const(controls_))
        if (auto *timer = qobject_cast<Timer *>(control))
            timer->setEnabled(false);
}

void Form::End()
{
    ended_ = true;
    stopTimers();
    close();
    QCoreApplication::quit();
}

void Form::showEvent(QShowEvent *event)
{
    Surface::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The first control of the tab order that can take the focus gets it.
    for (QWidget *widget : std::as_const(tabOrder_))
        if (widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            break;
        }
}

// The margin around the page at a zoom is the window's own colour.
void Form::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(rect(), backColor());
    Surface::paintEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program: no tick may follow.
    stopTimers();
    Surface::closeEvent(event);
}

} // namespace forms
