#pragma once

#include <QObject>

class QAction;

namespace ajuste {

class Form1;
class GraphMenu;

// "Escala logarítmica": the graph's vertical axis in decades, where an
// exponential is a straight line.
class LogScale : public QObject {
    Q_OBJECT
public:
    LogScale(Form1& form, GraphMenu& menu);

private:
    void toggle(bool on);
    void showState();

    Form1& form_;
    QAction* entry_;
};

} // namespace ajuste
