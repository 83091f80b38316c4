#include "ui/ShockwaveFlash.h"

#include "app/Exceptions.h"
#include "ui/Layout.h"

#include <QWidget>

TShockwaveFlash::TShockwaveFlash(TForm& owner) : TWinControl(owner, std::make_unique<QWidget>())
{
    Widget()->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 192, 192);
}

void TShockwaveFlash::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("ControlData")) {
        if (value.kind != LayoutValue::Kind::Bytes)
            throw EReadError(QStringLiteral("Invalid property value"));
        controlData_ = value.bytes;
    } else {
        TWinControl::SetStoredProperty(name, value);
    }
}
