#include "window/graph/log_scale.h"

#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/texts.h"

#include <QAction>

namespace ajuste {

LogScale::LogScale(Form1& form, GraphMenu& menu)
    : QObject(&form), form_(form),
      entry_((menu.addSeparator(), menu.addEntry(texts::kLogScale, [this] { toggle(entry_->isChecked()); })))
{
    entry_->setCheckable(true);
    // New data may leave no point the log view can show; it is then off.
    connect(&form, &Form1::captured, this, &LogScale::showState);
}

void LogScale::toggle(bool on)
{
    form_.setLogarithmic(on);
    showState();
}

void LogScale::showState()
{
    entry_->setChecked(form_.state().logView.has_value());
}

} // namespace ajuste
