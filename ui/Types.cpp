#include "ui/Types.h"

#include <QHash>

namespace Colors {
QColor BtnFace() { return QColor(0xD4, 0xD0, 0xC8); }
QColor Window() { return QColor(0xFF, 0xFF, 0xFF); }
QColor WindowText() { return QColor(0x00, 0x00, 0x00); }

QColor FromName(const QString& name)
{
    static const QHash<QString, QColor> named = {
        {"clBtnFace", BtnFace()},        {"clWindow", Window()},
        {"clWindowText", WindowText()},  {"clBlack", QColor(0, 0, 0)},
        {"clMaroon", QColor(128, 0, 0)}, {"clGreen", QColor(0, 128, 0)},
        {"clOlive", QColor(128, 128, 0)}, {"clNavy", QColor(0, 0, 128)},
        {"clPurple", QColor(128, 0, 128)}, {"clTeal", QColor(0, 128, 128)},
        {"clGray", QColor(128, 128, 128)}, {"clSilver", QColor(192, 192, 192)},
        {"clRed", QColor(255, 0, 0)},    {"clLime", QColor(0, 255, 0)},
        {"clYellow", QColor(255, 255, 0)}, {"clBlue", QColor(0, 0, 255)},
        {"clFuchsia", QColor(255, 0, 255)}, {"clAqua", QColor(0, 255, 255)},
        {"clWhite", QColor(255, 255, 255)},
    };
    return named.value(name);
}
}

QFont TFont::ToQFont() const
{
    QFont font(Name);
    // A negative height is the em height in pixels; a positive one includes
    // the internal leading, which the em height approximates closely enough.
    font.setPixelSize(qMax(1, Height < 0 ? -Height : Height));
    font.setBold(Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool TFont::operator==(const TFont& o) const
{
    return Name == o.Name && Height == o.Height && Color == o.Color && Bold == o.Bold &&
           Charset == o.Charset;
}
