#include "window/graph/log_note.h"

#include "window/form1.h"
#include "window/graph/graph_widget.h"
#include "window/texts.h"
#include "window/twips.h"

#include <QEvent>
#include <QLabel>

namespace ajuste {

namespace {

// Right of the graph, under the formula: free in the form's layout.
inline constexpr int kNoteLeft = 5520, kNoteTop = 1260, kNoteWidth = 3480, kNoteHeight = 760; // twips

} // namespace

QStringList logScaleNotes(const View& view, const Params& p)
{
    QStringList notes;
    if (!view.log)
        return notes;
    if (view.log->hidden > 0)
        notes << texts::hiddenPoints(view.log->hidden);
    if (!(p.a > 0))
        notes << texts::kCurveNotOnLog;
    return notes;
}

LogNote::LogNote(Form1& form) : QObject(&form), form_(form), label_(new QLabel(&form))
{
    const double scale = form.graph().pixelsPerTwip();
    label_->setObjectName("logNote");
    label_->setGeometry(toPixels(kNoteLeft, scale), toPixels(kNoteTop, scale), toPixels(kNoteWidth, scale),
                        toPixels(kNoteHeight, scale));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->hide();
    form.graph().installEventFilter(this);
    connect(&form, &Form1::redrawn, this, &LogNote::update);
}

// Shown and hidden with the graph. Hiding reads nothing of the form: the
// form's destructor hides the graph after its own part is gone.
bool LogNote::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        update();
    else if (event->type() == QEvent::Hide)
        label_->hide();
    return QObject::eventFilter(watched, event);
}

void LogNote::update()
{
    label_->setText(logScaleNotes(form_.state().view, form_.state().p).join('\n'));
    label_->setVisible(form_.graph().isVisible() && !label_->text().isEmpty());
}

} // namespace ajuste
