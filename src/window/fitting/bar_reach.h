#pragma once

#include "fitting/model.h"

namespace ajuste {

class Form1;

// Whether the bars can show every value of p; where one cannot, `refusal`
// is said with the three values, and the caller changes nothing.
bool barsCanShow(Form1& form, const Params& p, const char* refusal);

} // namespace ajuste
