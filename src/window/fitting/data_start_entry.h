#pragma once

#include "fitting/data_start.h"

#include <QObject>
#include <QString>

namespace ajuste {

class Form1;
class GraphMenu;

// "Valores iniciales desde los datos": the free parameters set to the
// start read off the points, as if typed, and evaluated there; or a
// message saying why there is none, and nothing changed.
class DataStartEntry : public QObject {
    Q_OBJECT
public:
    DataStartEntry(Form1& form, GraphMenu& menu);

private:
    void use();
    QString whyNot(NoDataStart reason) const;

    Form1& form_;
};

} // namespace ajuste
