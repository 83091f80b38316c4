#include "ui/Image.h"

#include "app/Exceptions.h"
#include "ui/Layout.h"

#include <QPainter>

TImage::TImage(TForm& owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

void TImage::Paint(QPainter& painter)
{
    if (TGraphic* graphic = picture_.Graphic())
        graphic->Draw(painter, BoundsRect().topLeft());
}

void TImage::MouseDown(const QPoint&) { pressed_ = true; }

void TImage::MouseUp(const QPoint& clientPos)
{
    const bool click = pressed_ && BoundsRect().contains(clientPos);
    pressed_ = false;
    if (click)
        Fire(OnClick);
}

void TImage::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name != QLatin1String("Picture.Data")) {
        TGraphicControl::SetStoredProperty(name, value);
        return;
    }
    if (value.kind != LayoutValue::Kind::Picture)
        throw EReadError(QStringLiteral("Invalid property value"));
    std::unique_ptr<TGraphic> graphic = NewGraphic(value.text);
    if (!graphic)
        throw EReadError(QStringLiteral("Class %1 not found").arg(value.text));
    graphic->LoadFromBytes(value.bytes);
    picture_.SetGraphic(std::move(graphic));
}

void TImage::BindEvent(const QString& event, TNotifyEvent handler)
{
    if (event == QLatin1String("OnClick"))
        OnClick = std::move(handler);
    else
        TGraphicControl::BindEvent(event, std::move(handler));
}
