#pragma once

namespace ajuste {

// Process-wide settings the window is drawn for, once the QApplication
// exists: the Fusion style, and the face that stands in for MS Sans Serif.
void setUpApplication();

} // namespace ajuste
