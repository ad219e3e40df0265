#pragma once

#include <QByteArray>

class QWidget;

// The window's controls written down as one line of JSON: each control's
// nearest Qt class that a bare window can build (at worst QWidget), its
// place, whether it is hidden, its text or orientation, and its own controls.
QByteArray describeControls(const QWidget& window);

// Builds into a bare window, sized as the form, stand-ins of the form's controls.
void buildStandIns(QWidget& window, const QByteArray& description);
