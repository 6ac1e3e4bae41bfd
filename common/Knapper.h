#pragma once

#include <QString>

class QPushButton;
class QToolButton;

// The windows' buttons: a name for tests and for the accessibility tree, a
// caption, and a hint shown as tooltip and in the status bar.
QPushButton* knap(const QString& navn, const QString& caption, const QString& hint = {});

// A flat button, its picture (when it gets one) beside the caption.
QToolButton* fladKnap(const QString& navn, const QString& caption, const QString& hint);
