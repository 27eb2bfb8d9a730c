#include "random_run.h"

#include "forms/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <bit>
#include <cmath>
#include <numbers>
#include <sstream>

namespace robustness {

namespace {

constexpr int Runs = 20;

long environmentNumber(const char *name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

void sendKey(QLineEdit &entry, int key, Qt::KeyboardModifiers modifiers, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&entry, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&entry, &release);
}

} // namespace

std::vector<std::uint64_t> seeds()
{
    if (qEnvironmentVariableIsSet("ZENTRAK_SEED"))
        return {std::uint64_t(environmentNumber("ZENTRAK_SEED", 1))};
    std::vector<std::uint64_t> all;
    for (int seed = 1; seed <= Runs; ++seed)
        all.push_back(std::uint64_t(seed));
    return all;
}

long eventsPerRun() { return environmentNumber("ZENTRAK_EVENTS", 300'000) / Runs; }

std::string replayHint(std::uint64_t seed, const char *binary)
{
    return "replay: ZENTRAK_SEED=" + std::to_string(seed) + " ZENTRAK_EVENTS=" + std::to_string(eventsPerRun() * Runs)
        + " bin/" + binary;
}

void enterText(QLineEdit &entry, Rng &rng)
{
    switch (below(rng, 8)) {
    case 0:
        sendKey(entry, Qt::Key_Backspace, Qt::NoModifier);
        return;
    case 1:
        entry.setText(nastyText(rng));  // pasted
        return;
    default:
        break;
    }
    if (below(rng, 4) != 0)
        sendKey(entry, Qt::Key_A, Qt::ControlModifier);  // typing replaces the selection
    const QString text = nastyText(rng);
    if (text.size() > 64) {
        sendKey(entry, 0, Qt::NoModifier, text);
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        sendKey(entry, 0, Qt::NoModifier, text.mid(i, n));
        i += n - 1;
    }
}

QString quoted(const QString &text)
{
    if (text.size() > 40)
        return u'"' + text.left(20) + QStringLiteral("...\" (%1 chars)").arg(text.size());
    return u'"' + text + u'"';
}

void Liveness::watch(const char *name, forms::Timer &timer, const double &targetDeg, const double &rayAngle)
{
    watched_.push_back({name, timer, targetDeg, rayAngle});
}

void Liveness::tick(forms::Timer &timer)
{
    const bool ran = timer.tick();
    for (Watched &w : watched_)
        if (&w.timer == &timer && ran) {
            ++w.ticks;
            w.tickedNow = true;
        }
}

std::string Liveness::check(long event)
{
    std::string broken;
    for (Watched &w : watched_) {
        const bool on = w.timer.isEnabled();
        if (w.on && !on && w.tickedNow)
            ++finished_;
        const bool newAngle = std::bit_cast<std::uint64_t>(w.targetDeg) != std::bit_cast<std::uint64_t>(w.startedFor);
        const bool movedFromOutside = !w.tickedNow && w.rayAngle != w.lastRayAngle;
        w.lastRayAngle = w.rayAngle;
        if (on && (!w.on || newAngle || movedFromOutside)) {
            w.startedFor = w.targetDeg;
            w.ticks = 0;
            w.startedAt = event;
        }
        w.on = on;
        w.tickedNow = false;
        // An angle that is 0 in radians (0 itself, or too small to differ from
        // it) turns for ever until a reset, as intended.
        if (!on || w.startedFor * (3.14159 / 180) == 0)
            continue;
        if (!std::isfinite(w.startedFor)) {
            broken += std::string(w.name) + " started for " + std::to_string(w.startedFor) + " degrees; ";
            continue;
        }
        const long limit = long(std::ceil(std::fabs(w.startedFor) * std::numbers::pi / 180 / 0.1)) + 2;
        if (w.ticks > limit) {
            std::ostringstream out;
            out.precision(17);
            out << w.name << " started for " << w.startedFor << " degrees at event " << w.startedAt
                << " still runs after " << w.ticks << " ticks (at most " << limit << "); ";
            broken += out.str();
        }
    }
    return broken;
}

QStringList clickableControls(const forms::Form &window, const QString &except)
{
    QStringList names;
    for (const QString &name : window.controlNames()) {
        QObject *control = window.findChild<QObject *>(name);
        const bool takesClicks = qobject_cast<QAbstractButton *>(control) || qobject_cast<forms::Surface *>(control)
            || qobject_cast<forms::Image *>(control);
        if (takesClicks && name != except)
            names.push_back(name);
    }
    names.sort();  // the hash order of the names differs from run to run
    return names;
}

std::string unexpectedMessages(testing_support::MessageBoxes &boxes, long &count)
{
    std::string broken;
    if (boxes.shown.size() > 1)
        broken += std::to_string(boxes.shown.size()) + " message boxes for one event; ";
    for (const auto &box : boxes.shown)
        if (box.prompt != QStringLiteral("角度超出规定范围，请重新输入。") || box.title != QStringLiteral("提示")
            || box.style != 48)
            broken += "message box \"" + box.prompt.toStdString() + "\" titled \"" + box.title.toStdString() + "\"; ";
    count += long(boxes.shown.size());
    boxes.shown.clear();
    return broken;
}

std::string nonFiniteLines(const forms::Form &window)
{
    std::string broken;
    for (const QString &name : window.controlNames()) {
        if (!name.startsWith(QLatin1String("Line")))
            continue;
        const forms::LineObject &line = window.line(name);
        for (float v : {line.X1(), line.Y1(), line.X2(), line.Y2()})
            if (!std::isfinite(v)) {
                broken += name.toStdString() + " is " + lineState(line) + "; ";
                break;
            }
    }
    return broken;
}

std::string nonFiniteDrawing(forms::PictureBox &canvas, const char *name)
{
    std::string broken;
    for (const forms::DrawCall &c : canvas.recorded())
        for (float v : {c.x1, c.y1, c.x2, c.y2})
            if (!std::isfinite(v)) {
                std::ostringstream out;
                out << name << " drew op " << int(c.op) << " at (" << c.x1 << ", " << c.y1 << ", " << c.x2 << ", "
                    << c.y2 << "); ";
                broken += out.str();
                break;
            }
    canvas.clearRecorded();
    return broken;
}

std::string differences(const State &now, const State &fresh)
{
    std::string diff;
    for (const auto &[what, shown] : fresh) {
        const auto it = now.find(what);
        const std::string got = it == now.end() ? "(missing)" : it->second;
        if (got != shown)
            diff += what + " is " + got + ", fresh " + shown + "; ";
    }
    return diff;
}

std::string ends(const forms::LineObject &line)
{
    std::ostringstream out;
    out << '(' << line.X1() << ", " << line.Y1() << ")-(" << line.X2() << ", " << line.Y2() << ')';
    return out.str();
}

std::string lineState(const forms::LineObject &line)
{
    return (line.isVisible() ? "shown " : "hidden ") + ends(line);
}

std::string numbers(std::initializer_list<double> values)
{
    std::ostringstream out;
    out.precision(17);
    for (double v : values)
        out << v << ' ';
    return out.str();
}

std::string strokeState(const forms::LineObject &line)
{
    const bool collapsed = line.X1() == 0 && line.Y1() == 0 && line.X2() == 0 && line.Y2() == 0;
    return !line.isVisible() || collapsed ? "nothing" : lineState(line);
}

std::string drawingState(const forms::PictureBox &canvas)
{
    const QImage &image = canvas.drawing();
    return std::to_string(image.width()) + "x" + std::to_string(image.height()) + " #"
        + std::to_string(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
}

void History::add(QString event)
{
    ++count_;
    last_.push_back(std::move(event));
    if (last_.size() > 60)
        last_.pop_front();
}

std::string History::text() const
{
    std::string text = "last events (of " + std::to_string(count_) + "):\n";
    long number = count_ - long(last_.size());
    for (const QString &event : last_)
        text += "  " + std::to_string(++number) + " " + event.toStdString() + "\n";
    return text;
}

} // namespace robustness
