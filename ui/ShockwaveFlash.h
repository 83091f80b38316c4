#pragma once

#include "ui/Controls.h"

#include <QByteArray>

// The game area's player control. Its stored state (ControlData) is kept as
// the bytes the layout holds; the player itself takes the area when the
// screen is first shown.
class TShockwaveFlash : public TWinControl {
    Q_OBJECT
public:
    explicit TShockwaveFlash(TForm& owner);
    const QByteArray& ControlData() const { return controlData_; }
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;

private:
    QByteArray controlData_;
};
