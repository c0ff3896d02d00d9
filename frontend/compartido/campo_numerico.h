// The numeric key filter applied to a line edit, where the key actually lands.
#pragma once

class QLineEdit;

namespace oscilab {

// validanumfloat for a key typed into `campo`: the key replaces the selection, or goes in
// at the cursor. `tecla` becomes 0 when refused, or the key to type instead (46 for ",").
bool validanumfloat(int& tecla, const QLineEdit& campo);

// Types `tecla` into `campo` when the filter replaced the key pressed (`pulsada`) with it.
// Returns whether it did, so that the window drops the original key event.
bool escribeSustituta(QLineEdit& campo, int pulsada, int tecla);

} // namespace oscilab
