#include "window/data/table_files.h"

#include "window/form1.h"
#include "window/texts.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace ajuste {

namespace {

// An entry whose keys work anywhere in the window.
QAction* windowAction(QWidget& window, const QString& text, const QKeySequence& keys)
{
    auto* action = new QAction(text, &window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

bool isDrag(QEvent::Type type)
{
    return type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
}

} // namespace

// Bound by hand: without a desktop, Qt's standard Save As keys are none.
TableFiles::TableFiles(Form1& form)
    : QObject(&form), form_(form), open_(windowAction(form, texts::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O))),
      saveAs_(windowAction(form, texts::kSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)))
{
    connect(open_, &QAction::triggered, this, &TableFiles::open);
    connect(saveAs_, &QAction::triggered, this, &TableFiles::saveAs);
    // Every box too, so that a file dropped on one opens rather than landing as text.
    form.setAcceptDrops(true);
    form.installEventFilter(this);
    for (QLineEdit* box : form.findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

QList<QAction*> TableFiles::actions() const
{
    return {open_, saveAs_};
}

void TableFiles::open()
{
    const QString path = form_.dialogs().askFileToOpen(texts::kOpenFilters);
    if (!path.isEmpty())
        form_.openFile(path);
}

void TableFiles::saveAs()
{
    const QString path = form_.dialogs().askFileToSave(texts::kSaveFilters);
    if (!path.isEmpty())
        form_.saveTable(path);
}

// A file dragged onto any part of the window opens as with "Abrir…".
bool TableFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (!isDrag(event->type()))
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        form_.openFile(path);
    return true;
}

void openFromCommandLine(Form1& form, const QStringList& arguments)
{
    if (arguments.size() > 1)
        form.openFile(arguments[1]);
}

} // namespace ajuste
