// Fuzz target: reading a picture file's bytes as a bitmap or a JPEG, and
// decoding the JPEG. Failures must be the program's exceptions, nothing else.

#include "app/Exceptions.h"
#include "ui/JPEG.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool bitmap = size >= 2 && data[0] == 'B' && data[1] == 'M';
    try {
        if (bitmap) {
            TBitmap picture;
            picture.LoadFromBytes(bytes);
        } else {
            TJPEGImage picture;
            picture.LoadFromBytes(bytes);
            try {
                picture.Decode();
            } catch (const EJPEG&) {
            }
        }
    } catch (const EInvalidGraphic&) {
    } catch (const EJPEG&) {
    }
    return 0;
}
