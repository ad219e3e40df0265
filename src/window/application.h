#pragma once

namespace ajuste {

// Process-wide settings, once the QApplication exists: the program's desktop
// entry and icon, and what the window is drawn for: the Fusion style, and
// the face that stands in for MS Sans Serif; Qt's own texts in the user's
// language.
void setUpApplication();

} // namespace ajuste
