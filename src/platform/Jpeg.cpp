#include "platform/Jpeg.h"

#include "platform/Exceptions.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg ends a fatal error in error_exit, which must not return: it jumps back to the checkpoint
// of the step that runs, with the message kept here.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf checkpoint;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->checkpoint, 1);
}

// libjpeg only warns where data is missing or damaged and fills the rest of the picture with
// grey; a figure that is not all there is an error like any other. Other warnings are harmless.
void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
        JumpBack(info);
    default:
        break;
    }
}

// Each step runs under its own checkpoint and holds no object with a destructor, so a jump back
// skips nothing.
bool StartDecompress(jpeg_decompress_struct *info, ErrorManager *manager, const QByteArray &bytes)
{
    if (setjmp(manager->checkpoint))
        return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    info->out_color_space = info->num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(info);
    return true;
}

bool ReadScanlines(
    jpeg_decompress_struct *info, ErrorManager *manager, uchar *bits, qsizetype bytesPerLine)
{
    if (setjmp(manager->checkpoint))
        return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + qsizetype(info->output_scanline) * bytesPerLine;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

namespace Jpeg {

QImage Decode(const QByteArray &bytes, const QString &name)
{
    jpeg_decompress_struct info {};
    ErrorManager manager {};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpBack;
    manager.base.emit_message = EmitMessage;

    QImage picture;
    bool ok = StartDecompress(&info, &manager, bytes);
    if (ok) {
        picture = QImage(int(info.output_width), int(info.output_height),
            info.output_components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (picture.isNull())
            qstrncpy(manager.message, "the picture is too large", JMSG_LENGTH_MAX);
        ok = !picture.isNull()
            && ReadScanlines(&info, &manager, picture.bits(), picture.bytesPerLine());
    }
    jpeg_destroy_decompress(&info);
    if (!ok)
        throw EInOutError(QStringLiteral("The picture \"%1\" cannot be read: %2")
                              .arg(name, QString::fromLocal8Bit(manager.message)));
    return picture;
}

QImage Load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return Decode(file.readAll(), path);
}

} // namespace Jpeg
