#pragma once

#include "window/form1.h"

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <optional>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The palette colours the window shows, as RGB.
inline const QColor kWhite(255, 255, 255);
inline const QColor kGrey(192, 192, 192);
inline const QColor kMagenta(128, 0, 128);
inline const QColor kRed(128, 0, 0);
inline const QColor kBlue(0, 0, 128);
inline const QColor kGreen(0, 255, 0);

// Sets the locale variables the window will read (null leaves one unset),
// and puts the environment back.
class LocaleGuard {
public:
    explicit LocaleGuard(const char* lcAll, const char* lcNumeric = nullptr, const char* lang = nullptr);
    ~LocaleGuard();
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved;
};

// A temporary folder, the current one for its lifetime.
class InTemporaryFolder {
public:
    InTemporaryFolder();
    ~InTemporaryFolder();
    InTemporaryFolder(const InTemporaryFolder&) = delete;
    InTemporaryFolder& operator=(const InTemporaryFolder&) = delete;
    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
    QString previous;
};

// The PDF and the SVG of one picture, rasterised alike by poppler's and
// librsvg's tools, as dark as each other: texts drawn at one size.
void expectPdfDrawsAsSvg(const QString& pdf, const QString& svg);

// A shown Form1 whose messages are recorded, each with the window's state
// at the moment it was shown.
class WindowTest : public ::testing::Test {
protected:
    struct Message {
        QString text;
        ajuste::WindowState state;
    };

    explicit WindowTest(const char* locale = "es_ES.UTF-8") : locale(locale) {}

    void SetUp() override;
    void TearDown() override;

    template <class T = QWidget>
    T* find(const char* name) const
    {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* xv(int row) const;
    QLineEdit* yv(int row) const;
    QColor background(QWidget* box) const;
    QColor errorBox() const;                 // the background of label10
    int position(const char* bar) const;     // a scroll bar's
    QString textOf(const char* name) const;  // a label's caption or a box's text
    double shownNumber(const char* name) const; // the same, read back as a number
    QString numberText(double x) const;      // x as the window writes it
    QString messageTexts() const;
    QStringList readOuts() const;   // Label6, Label7, Label8, label9, label10
    QStringList tableTexts() const; // xv(0), yv(0), xv(1) …
    QByteArray fileBytes(const char* name = "datos.txt") const;
    void writeFile(const QByteArray& bytes) const; // datos.txt
    void writeFile(const char* name, const QByteArray& bytes) const;

    void typeInto(QLineEdit* box, const QString& text) const; // key by key
    void fillRow(int row, const QString& t, const QString& y) const;
    void retype(const char* box, const QString& text) const; // cleared, then typed
    void click(const char* name) const;
    // Opens w's context menu with a real event, and clicks the entry whose
    // text starts with `entry` (none: closes it); returns the menu's texts.
    QStringList useMenu(QWidget* w, const QString& entry = {}) const;
    void enterGraphView(); // with the rows typed so far
    void typeWorkedExample() const;
    void expectStartParameters() const; // a = 5, c = 1, t0 = 0, in their boxes and bars
    void expectWorkedStep() const; // one step of 0,001 from there
    // Exactly one view's controls shown, and the always-visible ones.
    void expectTableView() const;
    void expectGraphView() const;

    const ajuste::WindowState& state() const { return form->state(); }

    LocaleGuard locale;
    std::unique_ptr<ajuste::Form1> form;
    std::vector<Message> messages;
    std::function<void()> onMessage; // runs inside the message, when set
    QStringList questions; // each with its answers
    int answer = 0;        // the index chosen; -1 cancels
};

// The graph view over the worked example, at a = 5, c = 1, t0 = 0.
class WorkedExample : public WindowTest {
protected:
    void SetUp() override;

    QStringList shownAtStart; // the read-outs on entering
};
