# A lesson driven through accessible actions alone (180°+α, α = 30), then the
# six read-outs as a screen reader finds them: each after its caption, naming
# what it is and its value, or that it has none; and the changes announced.
import time

import pyatspi
from gi.repository import GLib


def wait(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):  # delivers events
            pass
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise SystemExit(f"FAIL: {what}")
        time.sleep(0.05)


def nodes(root):
    yield root
    for child in root:
        yield from nodes(child)


def find(root, role, name):
    return next(n for n in nodes(root) if n.getRole() == role and n.name == name)


def readouts(window):  # (caption, value) in the order a screen reader reads them
    order = list(nodes(window))
    pairs = [(r.getTarget(0), n) for n in order for r in n.getRelationSet()
             if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    for caption, value in pairs:
        if order.index(caption) > order.index(value):
            raise SystemExit(f"FAIL: {value.name!r} is read before its caption")
    return pairs


heard = []
pyatspi.Registry.registerEventListener(heard.append, "object:property-change:accessible-name")
window = wait("unitrix on the bus", lambda: next(
    (a[0] for a in pyatspi.Registry.getDesktop(0) if a and a.name == "unitrix" and a.childCount), None))

before = readouts(window)
if len(before) != 6 or any("无数值" not in value.name for _, value in before):
    raise SystemExit(f"FAIL: empty read-outs say {[value.name for _, value in before]}")

press = lambda node: node.queryAction().doAction(0)
press(find(window, pyatspi.ROLE_PUSH_BUTTON, "展开公式列表"))
press(find(window, pyatspi.ROLE_PUSH_BUTTON, "180°+α"))
find(window, pyatspi.ROLE_TEXT, "角α（度）").queryEditableText().setTextContents("30")
press(next(n for n in window if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "确定"))
tangent = before[-1][1]
wait("the lesson ends", lambda: "无数值" not in tangent.name)

expected = [("OP", "正弦", "0.5"), ("OP", "余弦", "0.866"), ("OP", "正切", "0.5774"),
            ("OQ", "正弦", "-0.5"), ("OQ", "余弦", "-0.866"), ("OQ", "正切", "0.5774")]
after = readouts(window)
for (side, meaning, number), (caption, value) in zip(expected, after, strict=True):
    name = value.name  # the caption, as the chosen formula has made it, and the value
    if not (side in name and meaning in name and caption.name in name and number in name.split()):
        raise SystemExit(f"FAIL: {name!r}, expected {side} {meaning} {number} after {caption.name!r}")
wait("the tangent of OQ announces its change", lambda: any(e.source == tangent for e in heard), 10)
print("PASS")
