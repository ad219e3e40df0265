#include "window/form1.h"

#include "window/features.h"
#include "window/graph/graph_widget.h"
#include "window/palette.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"
#include "window/twips.h"
#include "window/user_locale.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ajuste {

namespace {

inline constexpr int kFormWidth = 10860; // twips
inline constexpr int kFormHeight = 10365;

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), numbers_(userNumberFormat()), dialogs_(this)
{
    setWindowTitle(texts::kCaption);
    setFont(QFont("MS Sans Serif", 8));
    const double pixelsPerTwip = logicalDpiX() / kTwipsPerInch;
    resize(toPixels(kFormWidth, pixelsPerTwip), toPixels(kFormHeight, pixelsPerTwip));
    buildControls(pixelsPerTwip);
    // The step size is shown in the user's own notation ("0,001" in Spanish),
    // so that it reads back as one thousandth in any locale.
    fit_.Text1->setText(text(0.001));
    connectEvents();
    Form_Load();
    addFeatures(*this);
}

void Form1::connectEvents()
{
    connect(fit_.graf, &Graph::clicked, this, &Form1::graf_Click);
    connect(views_.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(fit_.paso, &QPushButton::clicked, this, &Form1::paso_Click);
    connect(fit_.paso3, &QPushButton::clicked, this, &Form1::paso3_Click);
    connect(fit_.paso4, &QPushButton::clicked, this, &Form1::paso4_Click);
    connect(files_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(files_.Recuperar, &QPushButton::clicked, this, &Form1::Recuperar_Click);
    for (Parameter k : kParameters) {
        const ParamRow& row = fit_.rows[k];
        connect(row.bar, &QScrollBar::valueChanged, this, [this, &row] { scrollChanged(row); });
        connect(row.fix, &QCheckBox::stateChanged, this, &Form1::fixedChanged);
        row.box->installEventFilter(this);
    }
    for (int row = 0; row < kRows; ++row)
        for (int column : {0, 1})
            table_.at(row, column)->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    for (Parameter k : kParameters)
        if (watched == fit_.rows[k].box)
            valueBoxEvent(fit_.rows[k], event);
    if (event->type() == QEvent::KeyPress && watched->property("index").isValid()) { // a data cell
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty())
            warnAboutPeriod(typed.front().unicode());
    }
    return QWidget::eventFilter(watched, event);
}

// Key presses reach the handlers before the box, which then takes the key
// as typed. Focus lost to a message box or another window is no leaving of
// the box: only a move to another control of this window counts.
void Form1::valueBoxEvent(const ParamRow& row, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty())
            valueKeyPressed(row, typed.front().unicode());
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            valueLeft(row);
    }
}

void Form1::Form_Load()
{
    state_.ocupado = true;
    state_.modoTabla = true;
    fit_.graf->setBackground(palette::lightGreen);
    resetParameters();
    showGroups(Group::Axes, Group::ParameterPictures, false);
    state_.ocupado = false;
}

// The opening of the handlers that change the parameters: nothing while
// other work holds ocupado, else they take it.
bool Form1::takeOcupado()
{
    if (state_.ocupado)
        return false;
    state_.ocupado = true;
    return true;
}

double Form1::value(const QString& text) const
{
    return typedNumber(text, numbers_);
}

QString Form1::text(double x) const
{
    return numberText(x, numbers_);
}

Form1::Points Form1::points() const
{
    return {std::span(state_.tdatos).first(state_.npuntos), std::span(state_.ydatos).first(state_.npuntos)};
}

} // namespace ajuste
