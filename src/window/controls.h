#pragma once

#include <vector>

class QWidget;

namespace ajuste {

// Builds every control of the window from its description, placed in
// twips at the display's resolution, and chains them in tab order.
void buildControls(QWidget* form, double pixelsPerTwip);

int toPixels(double twips, double pixelsPerTwip);

} // namespace ajuste
