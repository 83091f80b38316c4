#pragma once
// Pictures: a holder (TPicture) owning at most one graphic, and the graphic
// kinds that read themselves from bytes, report their size and draw.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <functional>
#include <memory>

class QPainter;

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual const char* ClassName() const = 0;
    // Reads a complete file's bytes; raises on bytes it cannot take.
    virtual void LoadFromBytes(const QByteArray& bytes) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws at natural size with its top-left corner at `at`. May raise
    // (a JPEG decodes at its first draw).
    virtual void Draw(QPainter& painter, QPoint at) = 0;
};

// Windows bitmap ("BM" file).
class TBitmap : public TGraphic {
public:
    const char* ClassName() const override { return "TBitmap"; }
    void LoadFromBytes(const QByteArray& bytes) override;
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void Draw(QPainter& painter, QPoint at) override;
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Windows icon, read through the platform's image support.
class TIcon : public TGraphic {
public:
    const char* ClassName() const override { return "TIcon"; }
    void LoadFromBytes(const QByteArray& bytes) override;
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void Draw(QPainter& painter, QPoint at) override;

private:
    QImage image_;
};

// Windows metafile: kept as a kind of its own, but this platform cannot draw
// one, so reading it is refused.
class TMetafile : public TGraphic {
public:
    const char* ClassName() const override { return "TMetafile"; }
    void LoadFromBytes(const QByteArray& bytes) override;
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    void Draw(QPainter&, QPoint) override {}
};

// Makes an empty graphic of a kind named by class name; null for an unknown one.
std::unique_ptr<TGraphic> NewGraphic(const QString& className);

// Largest picture accepted, in pixels: a bigger one would only exhaust memory.
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

class TPicture {
public:
    TGraphic* Graphic() const { return graphic_.get(); }
    bool Empty() const { return !graphic_; }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // Replaces the held graphic, releasing the old one, and reports the change.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // Reads a picture file (a bare name is looked up in the current
    // directory) into a new graphic of the kind its extension names; on any
    // failure the held graphic stays untouched.
    void LoadFromFile(const QString& fileName);

    std::function<void()> OnChange;

private:
    std::unique_ptr<TGraphic> graphic_;
};
