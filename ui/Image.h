#pragma once

#include "ui/Controls.h"
#include "ui/Graphics.h"

// A picture drawn at natural size from the top-left corner, clipped to the
// control; an empty one draws nothing but still takes clicks (a hot spot).
class TImage : public TGraphicControl {
    Q_OBJECT
public:
    explicit TImage(TForm& owner);
    TPicture& Picture() { return picture_; }
    void Paint(QPainter& painter) override;
    // A click: the left button pressed over the control and released inside it.
    void MouseDown(const QPoint& clientPos) override;
    void MouseUp(const QPoint& clientPos) override;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void BindEvent(const QString& event, TNotifyEvent handler) override;

    TNotifyEvent OnClick;

private:
    TPicture picture_;
    bool pressed_ = false;
};
