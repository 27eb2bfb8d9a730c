// A window description: the window's own settings and one row per control,
// written by each program as a table and built into widgets by Form.
#pragma once

#include "color.h"
#include "fonts.h"

#include <QAccessible>
#include <QString>
#include <optional>
#include <vector>

namespace forms {

enum class Kind { Frame, PictureBox, Label, TextBox, CommandButton, PictureButton, Image, Line, Timer };

// Flat: a 1 px line; Sunken: a 2 px 3D edge (picture boxes); Etched: a frame's groove.
enum class Border { None, Flat, Sunken, Etched };

// The properties of one control beyond its place; set fluently in the tables,
// e.g. with().font(TimesNewRoman(14.25)).tab(1).
struct Props {
    QString caption;  // caption, or the text of a text box
    ColorRef back, fore;
    std::optional<FontSpec> font;
    QString picture, downPicture, disabledPicture;
    Border border = Border::None;
    bool visible = true;
    bool enabled = true;
    bool transparent = false;  // a label without its own background
    int tabIndex = -1;         // -1: not in the tab order
    int interval = 0;          // timers, in ms
    int lineWidth = 1;         // line objects, in pixels
    QString accessibleName, accessibleDescription;  // for screen readers
    QAccessible::Role role = QAccessible::NoRole;     // NoRole: by kind
    QString captionLabel;  // a label of the same container that says what this label's value is
    QString enterButton;   // a text box's: the button that Return or Enter in it presses, when enabled

    Props &text(QString s) { caption = std::move(s); return *this; }
    Props &backColor(ColorRef c) { back = c; return *this; }
    Props &foreColor(ColorRef c) { fore = c; return *this; }
    Props &withFont(FontSpec f) { font = std::move(f); return *this; }
    Props &pic(QString p) { picture = std::move(p); return *this; }
    Props &faces(QString up, QString down, QString disabled)
    {
        picture = std::move(up);
        downPicture = std::move(down);
        disabledPicture = std::move(disabled);
        return *this;
    }
    Props &bordered(Border b) { border = b; return *this; }
    Props &hidden() { visible = false; return *this; }
    Props &transparentBack() { transparent = true; return *this; }
    Props &tab(int index) { tabIndex = index; return *this; }
    Props &every(int ms) { interval = ms; return *this; }
    Props &disabled() { enabled = false; return *this; }
    Props &width(int px) { lineWidth = px; return *this; }
    Props &speaks(QString name, QString description, QAccessible::Role as = QAccessible::NoRole)
    {
        accessibleName = std::move(name);
        accessibleDescription = std::move(description);
        role = as;
        return *this;
    }
    Props &labelledBy(QString label) { captionLabel = std::move(label); return *this; }
    Props &returnPresses(QString button) { enterButton = std::move(button); return *this; }
};

inline Props with() { return {}; }

// Geometry in twips relative to the container ("" is the window). For a line
// object the four numbers are X1, Y1, X2, Y2 instead.
struct ControlSpec {
    QString name;
    Kind kind;
    QString container;
    int left = 0, top = 0, width = 0, height = 0;
    Props props = {};
};

struct WindowSpec {
    // The translation context of the texts below, which are written in the
    // windows' own language, Chinese, and marked with QT_TR_NOOP.
    const char *context = "";
    QString caption;
    int clientWidth = 0, clientHeight = 0;  // twips
    ColorRef back;
    QString picture;  // background, painted at its own size from the top-left
    QString icon;
    FontSpec font;    // for controls whose row names no font
    // Windowed controls of one container stack in this order, the first on top.
    std::vector<ControlSpec> controls;
};

constexpr int TwipsPerPixel = 15;
inline int toPixels(int twips) { return qRound(twips / double(TwipsPerPixel)); }

} // namespace forms
