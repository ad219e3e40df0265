#pragma once

#include <QByteArray>

class QWidget;

// "<widgets> <shown>": the window's child widgets, and how many of them are shown.
QByteArray countControls(const QWidget& window);

// Once the window has been painted for the first time, writes report(window)
// on stdout as one line and ends the process at once.
void reportFirstPaint(QWidget& window, QByteArray (*report)(const QWidget& window) = countControls);
