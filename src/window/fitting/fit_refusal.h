#pragma once

#include "fitting/least_squares.h"

#include <QString>

namespace ajuste {

class Form1;

// Why "Mejor ajuste" found nothing to show, and what to try, in a sentence;
// empty when the fit converged.
QString fitRefusal(const FitResult& fit, const Form1& form);

} // namespace ajuste
