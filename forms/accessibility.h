// What a screen reader hears of the controls Qt has no accessible kind for
// (pictures, picture boxes and frames) and of the labels that read out values.
#pragma once

namespace forms {

// Registers the accessible interfaces of our own controls. Call once.
void installAccessibility();

} // namespace forms
