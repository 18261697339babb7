#include "pictures/decoders.h"

#include "core/errors.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first

#include <jerror.h>
#include <jpeglib.h>

namespace zk {
namespace {

// A picture larger than this is refused the way libjpeg refuses a request it cannot
// meet, rather than left to a failed allocation (damaged headers claim huge sizes).
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

// Kept in the caller's frame: what the decompressor changes stays valid after a longjmp.
struct Session {
    ErrorManager err;
    jpeg_decompress_struct cinfo;
};

[[noreturn]] void OnError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }

// Warnings (a file cut short in its scan data, a corrupt entropy segment) are not fatal:
// libjpeg fills in what is missing and the picture is shown as far as it goes.
void OnMessage(j_common_ptr, int) {}
void OnOutput(j_common_ptr) {}

// Everything with a destructor lives here, outside the frame that longjmp unwinds.
struct Target {
    QImage image;
};

bool Allocate(Target* target, int width, int height, bool grey)
{
    target->image = QImage(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    return !target->image.isNull();
}

// Only plain C data in this frame: a longjmp back into it skips no destructor.
// Returns 0 on success, else libjpeg's msg_code. With headerOnly, only the output size is
// filled in and no pixels are allocated.
int Decompress(const unsigned char* data, unsigned long size, Target* target, Session* session, bool headerOnly,
               QSize* outSize)
{
    ErrorManager* err = &session->err;
    jpeg_decompress_struct& cinfo = session->cinfo;
    cinfo.err = jpeg_std_error(&err->pub);
    err->pub.error_exit = OnError;
    err->pub.emit_message = OnMessage;
    err->pub.output_message = OnOutput;
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(&cinfo);  // safe on a half-made one: the session started zeroed
        return err->pub.msg_code;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxPictureBytes;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    // CMYK pictures are left to libjpeg's own refusal: the game ships none.
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(&cinfo);
    *outSize = QSize(int(cinfo.output_width), int(cinfo.output_height));
    if (headerOnly) {
        jpeg_destroy_decompress(&cinfo);
        return 0;
    }
    const qint64 bytes = qint64(cinfo.output_width) * cinfo.output_height * cinfo.output_components;
    if (bytes > kMaxPictureBytes || !Allocate(target, int(cinfo.output_width), int(cinfo.output_height), grey))
        ERREXIT1(&cinfo, JERR_OUT_OF_MEMORY, 0);

    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = target->image.scanLine(int(cinfo.output_scanline));
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            ERREXIT(&cinfo, JERR_INPUT_EOF);  // a memory source never suspends; guard anyway
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

}  // namespace

QString JpegErrorText(int msgCode) { return QStringLiteral("JPEG error #%1").arg(msgCode); }

namespace {
QSize Run(const QByteArray& bytes, Target* target, bool headerOnly)
{
    Session session{};
    QSize size;
    const int code = Decompress(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                static_cast<unsigned long>(bytes.size()), target, &session, headerOnly, &size);
    if (code != 0)
        throw PictureError(JpegErrorText(code));
    return size;
}
}  // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    Target target;
    Run(bytes, &target, false);
    return target.image;
}

QSize JpegSize(const QByteArray& bytes)
{
    Target target;
    return Run(bytes, &target, true);
}

}  // namespace zk
