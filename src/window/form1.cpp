#include "window/form1.h"

#include "graph/graph_widget.h"
#include "window/controls.h"
#include "window/palette.h"
#include "window/scroll_bar.h"
#include "window/texts.h"
#include "window/user_locale.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace ajuste {

namespace {

template <class T>
T* control(QWidget* form, const char* name)
{
    return form->findChild<T*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), numbers_(userNumberFormat())
{
    setWindowTitle(texts::kCaption);
    setFont(QFont("MS Sans Serif", 8));
    const double pixelsPerTwip = logicalDpiX() / 1440.0;
    resize(toPixels(10860, pixelsPerTwip), toPixels(10365, pixelsPerTwip));
    buildControls(this, pixelsPerTwip);
    findControls();
    // The step size is shown in the user's own notation ("0,001" in Spanish),
    // so that it reads back as one thousandth in any locale.
    fit_.Text1->setText(text(0.001));
    connectEvents();
    Form_Load();
}

void Form1::setMessenger(Messenger messenger)
{
    messenger_ = std::move(messenger);
}

void Form1::message(const QString& text)
{
    if (messenger_) {
        messenger_(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, texts::kMessageTitle, text, QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(texts::kOk);
    box.exec();
}

void Form1::findControls()
{
    for (QLineEdit* cell : findChildren<QLineEdit*>("xv", Qt::FindDirectChildrenOnly))
        table_.xv[cell->property("index").toInt()] = cell;
    for (QLineEdit* cell : findChildren<QLineEdit*>("yv", Qt::FindDirectChildrenOnly))
        table_.yv[cell->property("index").toInt()] = cell;
    for (int i = 0; i < kRows; ++i)
        table_.all.insert(table_.all.end(), {table_.xv[i], table_.yv[i]});
    table_.all.insert(table_.all.end(), {control<QLabel>(this, "Label11"), control<QLabel>(this, "Label12")});

    auto row = [this](const ParameterScale& scale, const char* bar, const char* box, const char* fix) {
        return ParamRow{&scale, control<ScrollBar>(this, bar), control<QLineEdit>(this, box),
                        control<QCheckBox>(this, fix)};
    };
    fit_.graf = control<Graph>(this, "graf");
    fit_.L = row(kScaleA, "LSCR", "Lval", "Check1");
    fit_.C = row(kScaleC, "CSCR", "Cval", "Check2");
    fit_.C.goesOnAfterRecovery = true;
    fit_.T = row(kScaleT, "TSCR", "Tval", "Check3");
    fit_.Text1 = control<QLineEdit>(this, "Text1");
    fit_.Label6 = control<QLabel>(this, "Label6");
    fit_.Label7 = control<QLabel>(this, "Label7");
    fit_.Label8 = control<QLabel>(this, "Label8");
    fit_.label9 = control<QLineEdit>(this, "label9");
    fit_.label10 = control<QLineEdit>(this, "label10");
    fit_.paso = control<QPushButton>(this, "paso");
    fit_.paso3 = control<QPushButton>(this, "paso3");
    fit_.paso4 = control<QPushButton>(this, "paso4");
    views_.Command5 = control<QPushButton>(this, "Command5");
    files_.Command1 = control<QPushButton>(this, "Command1");
    files_.Recuperar = control<QPushButton>(this, "Recuperar");

    const std::vector<const char*> groups[kGraphGroups] = {
        {"inicio", "Final", "Minimo", "maximo"},
        {"graf"},
        {"paso", "paso3", "paso4"},
        {"Label1", "Label2", "Label3", "Label4", "Label5"},
        {"Label6", "Label7", "Label8"},
        {"label9", "label10", "Text1"},
        {"Label14"},
        {"Check1", "Check2", "Check3"},
        {"LSCR", "Lval", "CSCR", "Cval", "TSCR", "Tval"},
        {"Para", "Picture1", "Picture2", "Picture3"},
    };
    for (int g = 0; g < kGraphGroups; ++g)
        for (const char* name : groups[g])
            views_.graphGroups[g].push_back(control<QWidget>(this, name));
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
    for (const ParamRow* row : {&fit_.L, &fit_.C, &fit_.T}) {
        connect(row->bar, &QScrollBar::valueChanged, this, [this, row] { scrollChanged(*row); });
        row->box->installEventFilter(this);
    }
    for (QLineEdit* cell : table_.xv)
        cell->installEventFilter(this);
    for (QLineEdit* cell : table_.yv)
        cell->installEventFilter(this);
}

// Key presses reach the handlers before the box, which then takes the key
// as typed. Focus lost to a message box or another window is no leaving of
// the box: only a move to another control of this window counts.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const ParamRow* row = nullptr;
    for (const ParamRow* r : {&fit_.L, &fit_.C, &fit_.T})
        if (watched == r->box)
            row = r;

    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty()) {
            const int code = typed.front().unicode();
            if (row)
                valueKeyPressed(*row, code);
            else
                warnAboutPeriod(code);
        }
    } else if (event->type() == QEvent::FocusOut && row) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            valueLeft(*row);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    state_.ocupado = true;
    state_.modoTabla = true;
    fit_.graf->setBackground(palette::lightGreen);
    state_.p.a = 5.0;
    state_.p.c = 1.0;
    fit_.C.bar->setPosition(10);
    fit_.L.bar->setPosition(-50);
    state_.p.t0 = 0.0;
    state_.ymax = 10.0;
    showGroups(0, kGraphGroups, false);
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
    return toNumber(text.toStdString(), numbers_);
}

QString Form1::text(double x) const
{
    return QString::fromStdString(toText(x, numbers_));
}

std::span<const double> Form1::tPoints() const
{
    return std::span(state_.tdatos).first(state_.npuntos);
}

std::span<const double> Form1::yPoints() const
{
    return std::span(state_.ydatos).first(state_.npuntos);
}

} // namespace ajuste
