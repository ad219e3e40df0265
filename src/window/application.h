#pragma once

namespace ajuste {

// Process-wide settings, once the QApplication exists: the program's desktop
// entry and icon, and what the window is drawn for: the Fusion style, and
// the face that stands in for MS Sans Serif.
void setUpApplication();

} // namespace ajuste
