#include "ui/Label.h"

#include "ui/Form.h"
#include "ui/Layout.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(TForm& owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetCaption(const QString& caption)
{
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TLabel::Paint(QPainter& painter)
{
    const TFont font = EffectiveFont();
    painter.fillRect(BoundsRect(), Owner().Color());
    painter.setFont(font.ToQFont());
    painter.setPen(font.Color);
    painter.drawText(BoundsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void TLabel::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("Caption"))
        SetCaption(value.ToText());
    else if (name == QLatin1String("AutoSize"))
        autoSize_ = value.ToBool();
    else
        TGraphicControl::SetStoredProperty(name, value);
}

void TLabel::Loaded()
{
    loaded_ = true;
    AdjustSize();
}

void TLabel::FontChanged()
{
    AdjustSize();
    Invalidate();
}

void TLabel::AdjustSize()
{
    if (!autoSize_ || !loaded_)
        return;
    const QFontMetrics metrics(EffectiveFont().ToQFont());
    SetBounds(Left(), Top(), metrics.horizontalAdvance(caption_), metrics.height());
}
