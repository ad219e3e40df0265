#pragma once

#include <QKeySequence>
#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace ajuste {

class Form1;
struct Figure;

// The graph's right-click menu, and its first entries: the figure copied,
// saved as PNG, SVG or PDF, or printed (Ctrl+P while the graph shows).
class GraphMenu : public QObject {
    Q_OBJECT
public:
    explicit GraphMenu(Form1& form);

    // An entry at the menu's end; its keys work while the graph shows.
    QAction* addEntry(const QString& text, const std::function<void()>& work, const QKeySequence& keys = {});
    void addSeparator();

private:
    void copyImage();
    void saveImage();
    void printImage();
    Figure figure() const;

    Form1& form_;
    QMenu* menu_;
};

} // namespace ajuste
