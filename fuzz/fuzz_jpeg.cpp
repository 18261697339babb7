// Any bytes as a JPEG picture: libjpeg through our error manager, errors as "JPEG error #N".
#include "fuzzsupport.h"
#include "pictures/decoders.h"
#include "core/errors.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zkfuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 256 * 1024)
        return 0;
    try {
        const QImage image = zk::DecodeJpeg(zkfuzz::Bytes(data, size));
        (void)image;
    } catch (const zk::PictureError& e) {
        if (!e.text().startsWith(QStringLiteral("JPEG error #")))
            std::abort();
    }
    return 0;
}
