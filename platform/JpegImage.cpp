#include "platform/JpegImage.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>


#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg's default error_exit prints and calls exit(). Ours records the text and
// jumps back to Decode(), which holds nothing but plain data across the jump.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char firstWarning[JMSG_LENGTH_MAX];
    int warnings;
};

ErrorManager& ManagerOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

void ErrorExit(j_common_ptr info)
{
    ErrorManager& manager = ManagerOf(info);
    (*info->err->format_message)(info, manager.message);
    std::longjmp(manager.jump, 1);
}

// libjpeg only warns when the data runs out, at the end of the file or in the
// middle of a segment, and fills the rest with grey.
bool EndsEarly(int code) { return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER; }

void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;  // trace output
    ErrorManager& manager = ManagerOf(info);
    // A half-written picture is a bad picture to us.
    if (EndsEarly(info->err->msg_code)) {
        (*info->err->format_message)(info, manager.message);
        std::longjmp(manager.jump, 1);
    }
    if (manager.warnings++ == 0)
        (*info->err->format_message)(info, manager.firstWarning);
}

void OutputMessage(j_common_ptr) {}

// A progressive file can hold thousands of tiny scans, each a full pass over the
// picture; no real picture needs more than a few dozen.
constexpr int ScanLimit = 100;

void CheckScans(j_common_ptr info)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number > ScanLimit) {
        ErrorManager& manager = ManagerOf(info);
        std::snprintf(manager.message, sizeof manager.message, "Too many scans (more than %d)", ScanLimit);
        std::longjmp(manager.jump, 1);
    }
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    QImage* image;  // filled by Decode; owned by the caller
    QSize limit;
    QSize exact;  // when valid, the only size taken
    std::FILE* file;  // the source: a file, or
    const std::string* bytes;  // bytes in memory
};

J_COLOR_SPACE ChooseOutputSpace(J_COLOR_SPACE source)
{
    switch (source) {
    case JCS_GRAYSCALE:
        return JCS_GRAYSCALE;
    case JCS_CMYK:
    case JCS_YCCK:
        return JCS_CMYK;
    default:
        // 0xAARRGGBB in memory order, with alpha filled by the library.
        return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    }
}

void GrayRow(const JSAMPLE* in, QRgb* out, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x)
        out[x] = qRgb(in[x], in[x], in[x]);
}

// Adobe's writers store CMYK inverted (0 = full ink); the marker tells which way.
void CmykRow(const JSAMPLE* in, QRgb* out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Returns false with errors.message set when libjpeg gave up. No C++ object with a
// destructor lives in this frame, so the long jump skips nothing.
bool Decode(Decoder& d)
{
    d.info.err = jpeg_std_error(&d.errors.pub);
    d.errors.pub.error_exit = ErrorExit;
    d.errors.pub.emit_message = EmitMessage;
    d.errors.pub.output_message = OutputMessage;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    d.progress.progress_monitor = CheckScans;
    d.info.progress = &d.progress;
    if (d.file)
        jpeg_stdio_src(&d.info, d.file);
    else
        jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(d.bytes->data()),
                     static_cast<unsigned long>(d.bytes->size()));
    jpeg_read_header(&d.info, TRUE);
    if (d.exact.isValid()
        && (d.info.image_width != JDIMENSION(d.exact.width()) || d.info.image_height != JDIMENSION(d.exact.height()))) {
        std::snprintf(d.errors.message, sizeof d.errors.message, "Picture is %u x %u, not %d x %d",
                      unsigned(d.info.image_width), unsigned(d.info.image_height), d.exact.width(),
                      d.exact.height());
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    if (d.info.image_width > JDIMENSION(d.limit.width()) || d.info.image_height > JDIMENSION(d.limit.height())) {
        std::snprintf(d.errors.message, sizeof d.errors.message, "Picture too large (%u x %u)",
                      unsigned(d.info.image_width), unsigned(d.info.image_height));
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    d.info.out_color_space = ChooseOutputSpace(d.info.jpeg_color_space);
    jpeg_start_decompress(&d.info);

    const JDIMENSION width = d.info.output_width;
    *d.image = QImage(int(width), int(d.info.output_height), QImage::Format_RGB32);
    if (d.image->isNull()) {
        std::snprintf(d.errors.message, sizeof d.errors.message, "Picture too large (%u x %u)", unsigned(width),
                      unsigned(d.info.output_height));
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    const bool direct = d.info.out_color_space != JCS_GRAYSCALE && d.info.out_color_space != JCS_CMYK;
    JSAMPARRAY row = direct ? nullptr
                            : (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                          width * JDIMENSION(d.info.output_components), 1);
    while (d.info.output_scanline < d.info.output_height) {
        auto* line = reinterpret_cast<QRgb*>(d.image->scanLine(int(d.info.output_scanline)));
        if (direct) {
            JSAMPROW target = reinterpret_cast<JSAMPROW>(line);
            jpeg_read_scanlines(&d.info, &target, 1);
        } else {
            jpeg_read_scanlines(&d.info, row, 1);
            if (d.info.out_color_space == JCS_GRAYSCALE)
                GrayRow(row[0], line, width);
            else
                CmykRow(row[0], line, width, d.info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::unique_ptr<std::FILE, FileCloser> OpenForReading(const std::string& path)
{
    RegularFile regular(path);
    if (!regular.IsOpen() && regular.Error() == 0)
        throw FrameworkError(PlayerText::Fill(
            QCoreApplication::translate("JpegImage", "Cannot open file \"%1\". Not a file"), {path}));
    std::unique_ptr<std::FILE, FileCloser> file(regular.TakeStream());
    if (!file)
        throw FrameworkError(
            PlayerText::Fill(QCoreApplication::translate("JpegImage", "Cannot open file \"%1\". %2"),
                             {path, std::strerror(regular.Error() != 0 ? regular.Error() : errno)}));
    return file;
}

}  // namespace

void JpegImage::LoadFromFile(const std::string& path, QSize limit)
{
    auto file = OpenForReading(path);
    Load(file.get(), nullptr, path, limit, QSize());
}

void JpegImage::LoadOfSize(const std::string& path, QSize size)
{
    auto file = OpenForReading(path);
    Load(file.get(), nullptr, path, size, size);
}

void JpegImage::LoadFromMemory(const std::string& bytes, const std::string& name, QSize limit)
{
    Load(nullptr, &bytes, name, limit, QSize());
}

void JpegImage::Load(std::FILE* file, const std::string* bytes, const std::string& name, QSize limit, QSize exact)
{
    QImage decoded;
    auto decoder = std::make_unique<Decoder>();  // value-initialised: all zero
    decoder->image = &decoded;
    decoder->limit = limit;
    decoder->exact = exact;
    decoder->file = file;
    decoder->bytes = bytes;
    if (!Decode(*decoder))
        throw FrameworkError(
            PlayerText::Fill(QCoreApplication::translate("JpegImage", "Cannot read picture \"%1\": %2"),
                             {name, decoder->errors.message}));
    image_ = std::move(decoded);
    warnings_ = decoder->errors.warnings;
    firstWarning_ = warnings_ > 0 ? decoder->errors.firstWarning : "";
}
