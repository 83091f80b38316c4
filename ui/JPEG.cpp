#include "ui/JPEG.h"

#include "app/Exceptions.h"

#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// One libjpeg decompressor with an error manager that turns fatal errors into
// a jump back to the guarded call, keeping libjpeg's message number. Warnings
// (data that ends early, corrupt entropy data) are ignored.
class Decompressor {
public:
    explicit Decompressor(const QByteArray& bytes) : bytes_(bytes)
    {
        info_.err = jpeg_std_error(&errors_.manager);
        errors_.manager.error_exit = &Decompressor::OnFatal;
        errors_.manager.emit_message = [](j_common_ptr, int) {};
        errors_.manager.output_message = [](j_common_ptr) {};
    }
    ~Decompressor()
    {
        if (created_)
            jpeg_destroy_decompress(&info_);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // Returns 0, or the message number of the fatal error.
    int ReadHeader(int& width, int& height)
    {
        if (setjmp(errors_.jump))
            return errors_.code;
        Start();
        width = int(info_.image_width);
        height = int(info_.image_height);
        if (qint64(width) * height > kMaxPicturePixels)
            return JERR_IMAGE_TOO_BIG;
        return 0;
    }

    // Decodes the whole image into `out` (24-bit colour, one padding byte per
    // pixel); `rows` counts the rows that were decoded before any failure.
    int Decode(QImage& out, int& rows)
    {
        rows = 0;
        if (setjmp(errors_.jump))
            return errors_.code;
        Start();
        if (qint64(info_.image_width) * info_.image_height > kMaxPicturePixels)
            return JERR_IMAGE_TOO_BIG;
        const bool cmyk = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
        info_.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
        jpeg_start_decompress(&info_);
        out = QImage(int(info_.output_width), int(info_.output_height), QImage::Format_RGB32);
        if (out.isNull())
            return JERR_OUT_OF_MEMORY;
        while (info_.output_scanline < info_.output_height) {
            JSAMPROW row = out.scanLine(int(info_.output_scanline));
            jpeg_read_scanlines(&info_, &row, 1);
            if (cmyk)
                CmykToBgrx(row, int(info_.output_width));
            rows = int(info_.output_scanline);
        }
        jpeg_finish_decompress(&info_);
        return 0;
    }

private:
    struct Errors {
        jpeg_error_mgr manager;  // first, so libjpeg's pointer is ours
        std::jmp_buf jump;
        int code = 0;
    };

    static void OnFatal(j_common_ptr info)
    {
        auto* errors = reinterpret_cast<Errors*>(info->err);
        errors->code = info->err->msg_code;
        std::longjmp(errors->jump, 1);
    }

    void Start()
    {
        jpeg_create_decompress(&info_);
        created_ = true;
        jpeg_mem_src(&info_, reinterpret_cast<const unsigned char*>(bytes_.constData()),
                     static_cast<unsigned long>(bytes_.size()));
        jpeg_read_header(&info_, TRUE);
    }

    // Adobe writes CMYK inverted; in place, 4 bytes a pixel.
    static void CmykToBgrx(unsigned char* p, int width)
    {
        for (int x = 0; x < width; ++x, p += 4) {
            const int c = p[0], m = p[1], y = p[2], k = p[3];
            p[0] = static_cast<unsigned char>(y * k / 255);
            p[1] = static_cast<unsigned char>(m * k / 255);
            p[2] = static_cast<unsigned char>(c * k / 255);
            p[3] = 0xFF;
        }
    }

    const QByteArray& bytes_;
    jpeg_decompress_struct info_{};
    Errors errors_{};
    bool created_ = false;
};

[[noreturn]] void RaiseJpegError(int code)
{
    throw EJPEG(QStringLiteral("JPEG error #%1").arg(code));
}

}  // namespace

void TJPEGImage::LoadFromBytes(const QByteArray& bytes)
{
    int width = 0, height = 0;
    if (!bytes.isEmpty()) {
        Decompressor decompressor(bytes);
        if (const int code = decompressor.ReadHeader(width, height))
            RaiseJpegError(code);
    }
    bytes_ = bytes;
    width_ = width;
    height_ = height;
    decodeTried_ = false;
    decodedRows_ = 0;
    bitmap_ = QImage();
}

void TJPEGImage::Decode()
{
    if (decodeTried_)
        return;
    decodeTried_ = true;
    Decompressor decompressor(bytes_);
    if (const int code = decompressor.Decode(bitmap_, decodedRows_))
        RaiseJpegError(code);
}

void TJPEGImage::Draw(QPainter& painter, QPoint at)
{
    Decode();
    if (decodedRows_ > 0)
        painter.drawImage(at, bitmap_, QRect(0, 0, bitmap_.width(), decodedRows_));
}
