#pragma once

#include "fitting/model.h"
#include "graph/view.h"

#include <QObject>
#include <QStringList>

class QLabel;

namespace ajuste {

class Form1;

// What the logarithmic scale cannot show: the points with f(t) ≤ 0, and a
// curve with a ≤ 0, which is ≤ 0 everywhere.
QStringList logScaleNotes(const View& view, const Params& p);

// Says it beside the graph, while the graph shows.
class LogNote : public QObject {
    Q_OBJECT
public:
    explicit LogNote(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    Form1& form_;
    QLabel* label_;
};

} // namespace ajuste
