#include "pictures/decoders.h"

#include "core/errors.h"

#include <QBuffer>
#include <QImageReader>

namespace zk {
namespace {

// Skips a chain of data sub-blocks; false when the data ends before its terminator.
bool SkipSubBlocks(const QByteArray& b, qsizetype& pos)
{
    for (;;) {
        if (pos >= b.size())
            return false;
        const int length = uchar(b[pos++]);
        if (length == 0)
            return true;
        pos += length;
    }
}

qsizetype ColourTableBytes(uchar flags) { return (flags & 0x80) ? qsizetype(3) << ((flags & 7) + 1) : 0; }

// Qt's reader takes a file cut off after a whole frame for a complete, shorter one, so a
// broken animation would quietly become a still. Walking the blocks tells the two apart.
// A file that ends on a block boundary and only lacks the trailer byte is accepted.
bool EndsInsideBlock(const QByteArray& b)
{
    constexpr qsizetype headerSize = 13;
    if (b.size() < headerSize)
        return true;
    qsizetype pos = headerSize + ColourTableBytes(uchar(b[10]));
    while (pos < b.size()) {
        switch (uchar(b[pos++])) {
        case 0x3B:  // trailer
            return false;
        case 0x21:  // extension: label, then sub-blocks
            ++pos;
            if (!SkipSubBlocks(b, pos))
                return true;
            break;
        case 0x2C: {  // image: descriptor, local colour table, LZW code size, sub-blocks
            if (pos + 9 > b.size())
                return true;
            pos += 9 + ColourTableBytes(uchar(b[pos + 8]));
            ++pos;
            if (!SkipSubBlocks(b, pos))
                return true;
            break;
        }
        default: return false;  // anything else is the reader's to judge
        }
    }
    return false;
}

}  // namespace

GifInfo CheckGif(const QByteArray& bytes)
{
    QByteArray data = bytes;  // QBuffer wants a mutable array; this copy is shallow
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    reader.setAutoDetectImageFormat(false);  // only the GIF plugin, not every one Qt finds
    const int expected = reader.imageCount();

    GifInfo info;
    info.loopCount = reader.loopCount();
    QString failure;
    for (;;) {
        QImage frame;
        // The reader always ends on a failed read; it only matters when frames are missing.
        if (!reader.read(&frame)) {
            failure = reader.errorString();
            break;
        }
        if (info.delays.isEmpty())
            info.firstFrame = frame.convertToFormat(QImage::Format_ARGB32);
        info.delays << reader.nextImageDelay();
    }
    if (info.delays.isEmpty() || info.frameCount() < expected || EndsInsideBlock(bytes))
        throw PictureError(failure);
    return info;
}

}  // namespace zk
