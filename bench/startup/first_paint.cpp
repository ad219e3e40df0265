#include "first_paint.h"

#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window gets its paint event before its controls get theirs:
        // report once the whole pass, flush included, is over.
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(this, &FirstPaint::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() const
    {
        const auto widgets = window_.findChildren<QWidget*>();
        long long shown = 0;
        for (const QWidget* w : widgets)
            shown += w->isVisible();
        std::printf("%lld %lld\n", static_cast<long long>(widgets.size()), shown);
        std::fflush(stdout);
        std::_Exit(0);
    }

    QWidget& window_;
    bool painted_ = false;
};

} // namespace

void reportFirstPaint(QWidget& window)
{
    new FirstPaint(window);
}
