// Any bytes as a GIF picture: Qt's reader over every frame, errors as PictureError only.
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
    if (size > 64 * 1024)
        return 0;  // the game's pictures are small; keep runs fast
    try {
        const zk::GifInfo info = zk::CheckGif(zkfuzz::Bytes(data, size));
        (void)info;
    } catch (const zk::PictureError&) {
    }
    return 0;
}
