# A lesson by accessible actions (180°+α, α = 30); each read-out after its caption, saying its meaning and value
# (or none), and announced.
import os
import time

import pyatspi
from gi.repository import GLib


def wait(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while not (found := probe()):
        while GLib.MainContext.default().iteration(False):  # delivers events
            pass
        if time.monotonic() > deadline: raise SystemExit(f"FAIL: {what}")
        time.sleep(0.05)
    return found


def find(role, name):  # the shallowest: the window's own "确定", not a panel's
    return pyatspi.findDescendant(window, lambda n: n.getRole() == role and n.name == name, breadth_first=True)


def readouts():  # (caption, value) in the order a screen reader reads them
    order = pyatspi.findAllDescendants(window, lambda n: True)
    pairs = [(r.getTarget(0), n) for n in order for r in n.getRelationSet()
             if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if any(order.index(caption) > order.index(value) for caption, value in pairs):
        raise SystemExit(f"FAIL: a read-out comes before its caption: {[value.name for _, value in pairs]}")
    return pairs


# What the windows say in English (LANGUAGE=en), beside their own Chinese.
english = dict(zip(["展开公式列表", "角α（度）", "确定", "无数值", "正弦", "余弦", "正切"],
                   ["Open the formula list", "Angle α (degrees)", "OK", "no value", "sin", "cos", "tan"]))
said = (lambda text: english[text]) if os.environ.get("LANGUAGE", "").startswith("en") else (lambda text: text)

heard = []
pyatspi.Registry.registerEventListener(heard.append, "object:property-change:accessible-name")
window = wait("unitrix on the bus", lambda: next(
    (a[0] for a in pyatspi.Registry.getDesktop(0) if a and a.name == "unitrix" and a.childCount), None))
before = readouts()
if len(before) != 6 or any(said("无数值") not in value.name for _, value in before):
    raise SystemExit(f"FAIL: empty read-outs say {[value.name for _, value in before]}")

find(pyatspi.ROLE_PUSH_BUTTON, said("展开公式列表")).queryAction().doAction(0)
find(pyatspi.ROLE_PUSH_BUTTON, "180°+α").queryAction().doAction(0)
find(pyatspi.ROLE_TEXT, said("角α（度）")).queryEditableText().setTextContents("30")
find(pyatspi.ROLE_PUSH_BUTTON, said("确定")).queryAction().doAction(0)
tangent = before[-1][1]
wait("the lesson ends", lambda: said("无数值") not in tangent.name)

expected = ["OP 正弦 0.5", "OP 余弦 0.866", "OP 正切 0.5774", "OQ 正弦 -0.5", "OQ 余弦 -0.866", "OQ 正切 0.5774"]
for want, (caption, value) in zip(expected, readouts(), strict=True):
    side, meaning, number = want.split()  # named beside the caption, as the chosen formula has made it
    meaning = said(meaning)
    if not all(part in value.name for part in (side, meaning, caption.name)) or number not in value.name.split():
        raise SystemExit(f"FAIL: {value.name!r}, expected {want} after {caption.name!r}")
wait("the tangent of OQ announces its change", lambda: any(e.source == tangent for e in heard), 10)
