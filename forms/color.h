// Colours as the programs pass them (24-bit 0x00BBGGRR numbers) and as the
// window descriptions name them (RGB triples or a role of the desktop palette).
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace forms {

using Color = std::uint32_t;  // 0x00BBGGRR

constexpr Color RGB(int r, int g, int b) { return Color(r) | Color(g) << 8 | Color(b) << 16; }
inline QColor toQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline Color toColor(const QColor &c) { return RGB(c.red(), c.green(), c.blue()); }

// A colour of a window description: unset, a fixed RGB, or a palette role
// ("the system window colour") resolved when the control is built.
struct ColorRef {
    enum class Kind { Unset, Fixed, System } kind = Kind::Unset;
    QRgb rgb = 0;
    QPalette::ColorRole role = QPalette::NoRole;

    static ColorRef fixed(int r, int g, int b) { return {Kind::Fixed, qRgb(r, g, b), QPalette::NoRole}; }
    static ColorRef system(QPalette::ColorRole role) { return {Kind::System, 0, role}; }
    bool isSet() const { return kind != Kind::Unset; }
    QColor resolve(const QPalette &palette) const
    {
        return kind == Kind::Fixed ? QColor(rgb) : palette.color(QPalette::Active, role);
    }
};

// The desktop colours the descriptions refer to by name.
inline const ColorRef WindowColor = ColorRef::system(QPalette::Base);
inline const ColorRef WindowTextColor = ColorRef::system(QPalette::Text);
inline const ColorRef HighlightColor = ColorRef::system(QPalette::Highlight);
inline const ColorRef ButtonTextColor = ColorRef::system(QPalette::ButtonText);

} // namespace forms
