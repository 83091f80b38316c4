#pragma once
// Small shared vocabulary of the screen model: colours, fonts, cursors.

#include <QColor>
#include <QFont>
#include <QString>

class QObject;
using TObject = QObject;  // the sender that every event handler receives

// Colours are held as what they mean on screen; system colours use the
// classic desktop scheme the layouts were made for.
namespace Colors {
QColor BtnFace();
QColor Window();
QColor WindowText();
// Looks up a colour name as stored in layouts ("clBlue", "clBtnFace" ...).
// Returns an invalid colour for an unknown name.
QColor FromName(const QString& name);
}

enum class TCursor { crDefault, crArrow, crHandPoint, crIBeam };

// Character sets are kept as data: the font mapper here works in Unicode.
enum Charset : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };

struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;  // negative: character height in pixels without leading
    QColor Color = Colors::WindowText();
    bool Bold = false;
    int Charset = DEFAULT_CHARSET;

    // A font of this description for drawing.
    QFont ToQFont() const;
    bool operator==(const TFont& other) const;
};
