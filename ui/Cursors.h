#pragma once

#include <QByteArray>
#include <QCursor>

// The program's own pointing-hand cursor, drawn as text (see
// resources/hand-cursor.txt) with its hot spot at the index finger's tip.
QCursor HandCursorFromText(const QByteArray& art);
QCursor LoadHandCursor();
