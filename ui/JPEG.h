#pragma once
// JPEG pictures: the compressed bytes are kept, the header gives the size when
// read, and the image data is decoded by libjpeg at the first draw.

#include "ui/Graphics.h"

class TJPEGImage : public TGraphic {
public:
    const char* ClassName() const override { return "TJPEGImage"; }
    // Keeps the bytes and parses the header (raises EJPEG on a fatal error).
    // No bytes at all make an empty picture that fails only when drawn.
    void LoadFromBytes(const QByteArray& bytes) override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The first draw decodes; a fatal decoding error raises EJPEG from that
    // draw, after which the rows decoded so far are drawn without raising.
    void Draw(QPainter& painter, QPoint at) override;
    // Decodes now if not yet done (what the first draw does).
    void Decode();
    bool Decoded() const { return decodeTried_; }
    int DecodedRows() const { return decodedRows_; }
    const QImage& Bitmap() const { return bitmap_; }

private:
    QByteArray bytes_;
    int width_ = 0;
    int height_ = 0;
    bool decodeTried_ = false;
    int decodedRows_ = 0;
    QImage bitmap_;
};
