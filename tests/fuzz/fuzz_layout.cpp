// Fuzz target: reading layout data. Anything it cannot read must end in
// EReadError, never in a crash or a hang.

#include "app/Exceptions.h"
#include "ui/Layout.h"

#include <cstddef>
#include <cstdint>

namespace {
QByteArray SmallResource(const QString& name, bool* found)
{
    *found = !name.isEmpty() && name.size() < 40;
    return QByteArray("\xFF\xD8\xFF\xD9", 4);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const LayoutObject layout =
            ParseLayout(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &SmallResource);
        for (const auto& [name, value] : layout.properties) {
            try {
                (void)value.ToInt();
            } catch (const EReadError&) {
            }
        }
    } catch (const EReadError&) {
    }
    return 0;
}
