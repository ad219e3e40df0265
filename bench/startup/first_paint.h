#pragma once

class QWidget;

// Once the window has been painted for the first time, writes one line on
// stdout, "<widgets> <shown>" (its child widgets, and how many of them are
// shown), and ends the process at once.
void reportFirstPaint(QWidget& window);
