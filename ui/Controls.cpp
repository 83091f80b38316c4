#include "ui/Controls.h"

#include "app/Application.h"
#include "app/Exceptions.h"
#include "ui/Form.h"
#include "ui/Layout.h"

#include <QWidget>

namespace {

[[noreturn]] void NoSuchProperty(const QString& name)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

int ScaleValue(int value, int multiplier, int divisor)
{
    return int((qint64(value) * multiplier + (value >= 0 ? divisor / 2 : -divisor / 2)) / divisor);
}

TCursor CursorFromName(const LayoutValue& value)
{
    const QString name = value.ToIdentifier();
    if (name == QLatin1String("crHandPoint"))
        return TCursor::crHandPoint;
    if (name == QLatin1String("crDefault"))
        return TCursor::crDefault;
    if (name == QLatin1String("crArrow"))
        return TCursor::crArrow;
    if (name == QLatin1String("crIBeam"))
        return TCursor::crIBeam;
    throw EReadError(QStringLiteral("Invalid property value %1").arg(name));
}

}  // namespace

// ---- TComponent -----------------------------------------------------------

TComponent::TComponent(TForm& owner) : owner_(owner) {}

void TComponent::SetStoredProperty(const QString& name, const LayoutValue&) { NoSuchProperty(name); }

void TComponent::BindEvent(const QString& event, TNotifyEvent) { NoSuchProperty(event); }

void TComponent::Fire(const TNotifyEvent& handler)
{
    if (handler)
        owner_.RunHandler(handler, this);
}

// ---- TControl -------------------------------------------------------------

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QRect old = bounds_;
    bounds_ = QRect(left, top, qMax(0, width), qMax(0, height));
    if (bounds_ == old)
        return;
    BoundsChanged(old);
    Owner().ControlChanged(old.united(bounds_));
}

void TControl::SetVisible(bool visible) { visible_ = visible; }

TFont TControl::EffectiveFont() const { return parentFont_ ? Owner().Font() : font_; }

void TControl::SetFont(const TFont& font)
{
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

void TControl::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    const QRect& b = bounds_;
    if (name == QLatin1String("Left"))
        SetBounds(value.ToInt(), b.y(), b.width(), b.height());
    else if (name == QLatin1String("Top"))
        SetBounds(b.x(), value.ToInt(), b.width(), b.height());
    else if (name == QLatin1String("Width"))
        SetBounds(b.x(), b.y(), value.ToInt(), b.height());
    else if (name == QLatin1String("Height"))
        SetBounds(b.x(), b.y(), b.width(), value.ToInt());
    else if (name == QLatin1String("Visible"))
        SetVisible(value.ToBool());
    else if (name == QLatin1String("Enabled"))
        SetEnabled(value.ToBool());
    else if (name == QLatin1String("Cursor"))
        SetCursor(CursorFromName(value));
    else if (name == QLatin1String("ParentFont")) {
        parentFont_ = value.ToBool();
        FontChanged();
    } else if (name.startsWith(QLatin1String("Font."))) {
        TFont font = font_;
        const QString part = name.mid(5);
        if (part == QLatin1String("Name"))
            font.Name = value.ToText();
        else if (part == QLatin1String("Height"))
            font.Height = value.ToInt();
        else if (part == QLatin1String("Color")) {
            font.Color = Colors::FromName(value.ToIdentifier());
            if (!font.Color.isValid())
                throw EReadError(QStringLiteral("Invalid property value %1").arg(value.text));
        } else if (part == QLatin1String("Style")) {
            if (value.kind != LayoutValue::Kind::Set)
                throw EReadError(QStringLiteral("Invalid property value"));
            font.Bold = false;
            for (const QString& style : value.list) {
                if (style == QLatin1String("fsBold"))
                    font.Bold = true;
                else
                    throw EReadError(QStringLiteral("Invalid property value %1").arg(style));
            }
        } else if (part == QLatin1String("Charset")) {
            if (value.kind == LayoutValue::Kind::Integer)
                font.Charset = value.ToInt();
            else if (value.text == QLatin1String("ANSI_CHARSET"))
                font.Charset = ANSI_CHARSET;
            else if (value.text == QLatin1String("DEFAULT_CHARSET"))
                font.Charset = DEFAULT_CHARSET;
            else if (value.text == QLatin1String("GB2312_CHARSET"))
                font.Charset = GB2312_CHARSET;
            else
                throw EReadError(QStringLiteral("Invalid property value %1").arg(value.text));
        } else {
            NoSuchProperty(name);
        }
        SetFont(font);
    } else {
        TComponent::SetStoredProperty(name, value);
    }
}

void TControl::ScaleBy(int multiplier, int divisor)
{
    SetBounds(ScaleValue(Left(), multiplier, divisor), ScaleValue(Top(), multiplier, divisor),
              ScaleValue(Width(), multiplier, divisor), ScaleValue(Height(), multiplier, divisor));
    if (!parentFont_) {
        TFont font = font_;
        font.Height = ScaleValue(font.Height, multiplier, divisor);
        SetFont(font);
    }
}

// ---- TGraphicControl ------------------------------------------------------

void TGraphicControl::Invalidate() { Owner().Surface()->update(BoundsRect()); }

void TGraphicControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    Invalidate();
}

void TGraphicControl::BoundsChanged(const QRect& old) { Owner().Surface()->update(old.united(BoundsRect())); }

// ---- TWinControl ----------------------------------------------------------

TWinControl::TWinControl(TForm& owner, std::unique_ptr<QWidget> widget)
    : TControl(owner), widget_(std::move(widget))
{
    widget_->setParent(owner.Surface());
    widget_->show();
}

TWinControl::~TWinControl() = default;

void TWinControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    widget_->setVisible(visible);
}

void TWinControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    widget_->setEnabled(enabled);
}

void TWinControl::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("TabOrder"))
        tabOrder_ = value.ToInt();
    else
        TControl::SetStoredProperty(name, value);
}

void TWinControl::BoundsChanged(const QRect&) { widget_->setGeometry(BoundsRect()); }

void TWinControl::FontChanged()
{
    const TFont font = EffectiveFont();
    widget_->setFont(font.ToQFont());
}
