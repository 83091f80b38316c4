#pragma once
// The control model: components read from a layout, graphic controls painted
// by their screen, windowed controls that are child widgets above them.

#include "ui/Types.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <memory>

class QMouseEvent;
class QPainter;
class QWidget;
class TForm;
struct LayoutValue;

// An event handler of a screen, bound by name when the layout is read.
using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public QObject {
    Q_OBJECT
public:
    explicit TComponent(TForm& owner);
    TForm& Owner() const { return owner_; }
    QString Name() const { return objectName(); }

    // Applies one stored setting; raises EReadError for one the kind lacks.
    virtual void SetStoredProperty(const QString& name, const LayoutValue& value);
    // Binds a stored event ("OnClick"); raises EReadError for one the kind lacks.
    virtual void BindEvent(const QString& event, TNotifyEvent handler);
    // Called once every component of the screen has been read.
    virtual void Loaded() {}
    // Called the first time the screen is shown.
    virtual void FirstShown() {}
    // Rescales rectangle and font for another display resolution.
    virtual void ScaleBy(int multiplier, int divisor) { Q_UNUSED(multiplier) Q_UNUSED(divisor) }

protected:
    // Runs a bound handler; a failure goes to the handler of last resort.
    void Fire(const TNotifyEvent& handler);

private:
    TForm& owner_;
};

class TControl : public TComponent {
    Q_OBJECT
public:
    using TComponent::TComponent;

    int Left() const { return bounds_.x(); }
    int Top() const { return bounds_.y(); }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    QRect BoundsRect() const { return bounds_; }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled) { enabled_ = enabled; }
    TCursor Cursor() const { return cursor_; }
    virtual void SetCursor(TCursor cursor) { cursor_ = cursor; }

    // The font the control draws with: its own, or its screen's (ParentFont).
    TFont EffectiveFont() const;
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }

    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void ScaleBy(int multiplier, int divisor) override;

protected:
    virtual void BoundsChanged(const QRect& old) { Q_UNUSED(old) }
    virtual void FontChanged() {}

private:
    QRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    TCursor cursor_ = TCursor::crDefault;
    TFont font_;
    bool parentFont_ = true;
};

// No window of its own: painted by the screen in creation order, and given
// the mouse where no windowed control lies.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    using TControl::TControl;
    virtual void Paint(QPainter& painter) = 0;
    virtual void MouseDown(const QPoint& clientPos) { Q_UNUSED(clientPos) }
    virtual void MouseUp(const QPoint& clientPos) { Q_UNUSED(clientPos) }
    // Repaints the control's rectangle on its screen.
    void Invalidate();
    void SetVisible(bool visible) override;

protected:
    void BoundsChanged(const QRect& old) override;
};

// A child widget of the screen's surface, so it lies above every graphic control.
class TWinControl : public TControl {
    Q_OBJECT
public:
    TWinControl(TForm& owner, std::unique_ptr<QWidget> widget);
    ~TWinControl() override;
    QWidget* Widget() const { return widget_.get(); }
    int TabOrder() const { return tabOrder_; }
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;

protected:
    void BoundsChanged(const QRect& old) override;
    void FontChanged() override;

private:
    std::unique_ptr<QWidget> widget_;
    int tabOrder_ = -1;
};
