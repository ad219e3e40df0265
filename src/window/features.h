#pragma once

namespace ajuste {

class Form1;

// What the program adds to the window: each feature a child
// object of the form, living as long as it does.
void addFeatures(Form1& form);

} // namespace ajuste
