#pragma once

#include "ui/Controls.h"

// One line of text at the top left of its rectangle, on the screen's colour;
// sizes itself to its caption once read and whenever caption or font change.
class TLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TLabel(TForm& owner);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void Paint(QPainter& painter) override;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void Loaded() override;

protected:
    void FontChanged() override;

private:
    void AdjustSize();
    QString caption_;
    bool autoSize_ = true;
    bool loaded_ = false;
};
