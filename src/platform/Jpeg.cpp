#include "platform/Jpeg.h"

#include "platform/Exceptions.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg ends a fatal error in error_exit, which must not return: it jumps back to the checkpoint
// of the step that runs. The message kept is that of the first fault, the cause of the others.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf checkpoint;
    char message[JMSG_LENGTH_MAX];
    // The data ended before the end marker; libjpeg went on as if the marker were there.
    bool endMissing;
};

ErrorManager &ManagerOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager *>(info->err);
}

void KeepFirstMessage(j_common_ptr info)
{
    ErrorManager &manager = ManagerOf(info);
    if (manager.message[0] == '\0')
        (*info->err->format_message)(info, manager.message);
}

[[noreturn]] void JumpBack(j_common_ptr info)
{
    KeepFirstMessage(info);
    std::longjmp(ManagerOf(info).checkpoint, 1);
}

// libjpeg only warns where data is missing or damaged and fills the rest of the picture with
// grey; a figure that is not all there is an error like any other. Data that ends where only the
// end marker is missing leaves a complete picture: the end is judged once the data is read.
// Other warnings are harmless.
void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
        KeepFirstMessage(info);
        ManagerOf(info).endMissing = true;
        break;
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
        JumpBack(info);
    default:
        break;
    }
}

// A picture of several scans is read whole when decompression starts. Without its end marker it
// is complete only if it is progressive and every coefficient got its last refinement.
bool AllScansRead(jpeg_decompress_struct *info)
{
    if (!jpeg_has_multiple_scans(info))
        return true;
    if (!info->progressive_mode)
        return false;
    for (int c = 0; c < info->num_components; ++c)
        for (int k = 0; k < DCTSIZE2; ++k)
            if (info->coef_bits[c][k] != 0)
                return false;
    return true;
}

bool IsCmyk(const jpeg_decompress_struct *info)
{
    return info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
}

// Each step runs under its own checkpoint and holds no object with a destructor, so a jump back
// skips nothing.
bool ReadHeader(jpeg_decompress_struct *info, ErrorManager *manager, const QByteArray &bytes)
{
    if (setjmp(manager->checkpoint))
        return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    return true;
}

bool StartDecompress(jpeg_decompress_struct *info, ErrorManager *manager)
{
    if (setjmp(manager->checkpoint))
        return false;
    // libjpeg turns YCCK into CMYK; the RGB is worked out here.
    info->out_color_space
        = info->num_components == 1 ? JCS_GRAYSCALE : (IsCmyk(info) ? JCS_CMYK : JCS_RGB);
    jpeg_start_decompress(info);
    return !manager->endMissing || AllScansRead(info);
}

// Adobe's programs write CMYK inverted (0 is full ink) and mark the file with their APP14 marker.
void CmykToRgb(const JSAMPLE *cmyk, uchar *rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int i = 0; i < 3; ++i) {
            const int c = inverted ? cmyk[i] : 255 - cmyk[i];
            rgb[i] = uchar((c * k + 127) / 255);
        }
    }
}

// `cmykRow` holds one line of CMYK samples where the picture is CMYK, else it is null and the
// lines are decoded straight into the picture.
bool ReadScanlines(
    jpeg_decompress_struct *info, ErrorManager *manager, QImage *picture, JSAMPLE *cmykRow)
{
    if (setjmp(manager->checkpoint))
        return false;
    while (info->output_scanline < info->output_height) {
        uchar *line = picture->scanLine(int(info->output_scanline));
        JSAMPROW row = cmykRow ? cmykRow : line;
        jpeg_read_scanlines(info, &row, 1);
        if (cmykRow)
            CmykToRgb(cmykRow, line, info->output_width, info->saw_Adobe_marker);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

namespace Jpeg {

QImage Decode(const QByteArray &bytes, const QString &name, qint64 maxPixels)
{
    jpeg_decompress_struct info {};
    ErrorManager manager {};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpBack;
    manager.base.emit_message = EmitMessage;

    QString fault;
    QImage picture;
    std::vector<JSAMPLE> cmykRow;
    bool ok = ReadHeader(&info, &manager, bytes);
    if (ok && qint64(info.image_width) * info.image_height > maxPixels) {
        ok = false;
        fault = QStringLiteral("it has %1 x %2 pixels, more than the %3 million this program "
                               "shows")
                    .arg(info.image_width)
                    .arg(info.image_height)
                    .arg(maxPixels / 1'000'000);
    }
    ok = ok && StartDecompress(&info, &manager);
    if (ok) {
        picture = QImage(int(info.output_width), int(info.output_height),
            info.output_components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (info.out_color_space == JCS_CMYK)
            cmykRow.resize(size_t(info.output_width) * 4);
        if (picture.isNull())
            fault = QStringLiteral("there is not enough memory for it");
        ok = !picture.isNull()
            && ReadScanlines(&info, &manager, &picture, cmykRow.empty() ? nullptr : cmykRow.data());
    }
    jpeg_destroy_decompress(&info);
    if (!ok)
        throw EInOutError(
            QStringLiteral("The picture \"%1\" cannot be read: %2")
                .arg(name, fault.isEmpty() ? QString::fromLocal8Bit(manager.message) : fault));
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
