#include "Jpeg2000Writer.h"

#include <openjpeg.h>

#include <QThread>
#include <algorithm>
#include <memory>

namespace {

constexpr int kMostResolutions = 6;

struct CImageDeleter {
    void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};
struct CCodecDeleter {
    void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct CStreamDeleter {
    void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};

// The page as OpenJPEG's image: one plane per component.
std::unique_ptr<opj_image_t, CImageDeleter> MakeImage(const QImage& page) {
    const bool grey = page.format() == QImage::Format_Grayscale8;
    const int components = grey ? 1 : 3;
    opj_image_cmptparm_t parameters[3] = {};
    for (int c = 0; c < components; ++c) {
        parameters[c].dx = 1;
        parameters[c].dy = 1;
        parameters[c].w = static_cast<OPJ_UINT32>(page.width());
        parameters[c].h = static_cast<OPJ_UINT32>(page.height());
        parameters[c].prec = 8;
        parameters[c].sgnd = 0;
    }
    std::unique_ptr<opj_image_t, CImageDeleter> image(opj_image_create(
        static_cast<OPJ_UINT32>(components), parameters, grey ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB));
    if (!image) {
        return nullptr;
    }
    image->x1 = static_cast<OPJ_UINT32>(page.width());
    image->y1 = static_cast<OPJ_UINT32>(page.height());
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        const std::size_t offset = static_cast<std::size_t>(y) * static_cast<std::size_t>(page.width());
        for (int x = 0; x < page.width(); ++x) {
            for (int c = 0; c < components; ++c) {
                image->comps[c].data[offset + static_cast<std::size_t>(x)] = row[x * components + c];
            }
        }
    }
    return image;
}

opj_cparameters_t EncoderParameters(const QImage& page, int a) {
    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    if (a >= 1 && a <= 100) {
        parameters.irreversible = 1;
        parameters.cp_fixed_quality = 1;
        parameters.tcp_distoratio[0] = static_cast<float>(CJpeg2000Writer::TargetPsnr(a));
    } else {
        parameters.irreversible = 0;
        parameters.cp_disto_alloc = 1;
        parameters.tcp_rates[0] = 0;  // no rate limit: lossless
    }
    parameters.tcp_mct = page.format() == QImage::Format_Grayscale8 ? 0 : 1;
    // Each resolution level halves the picture; the smallest must keep at least one pixel.
    int levels = 1;
    while (levels < kMostResolutions && (std::min(page.width(), page.height()) >> levels) > 0) {
        ++levels;
    }
    parameters.numresolution = levels;
    return parameters;
}

OPJ_SIZE_T WriteBytes(void* buffer, OPJ_SIZE_T count, void* device) {
    const qint64 written =
        static_cast<QIODevice*>(device)->write(static_cast<const char*>(buffer), static_cast<qint64>(count));
    return written == static_cast<qint64>(count) ? count : static_cast<OPJ_SIZE_T>(-1);
}

OPJ_OFF_T SkipBytes(OPJ_OFF_T count, void* device) {
    QIODevice* io = static_cast<QIODevice*>(device);
    return io->seek(io->pos() + count) ? count : -1;
}

OPJ_BOOL SeekTo(OPJ_OFF_T position, void* device) {
    return static_cast<QIODevice*>(device)->seek(position) ? OPJ_TRUE : OPJ_FALSE;
}

void KeepMessage(const char* message, void* error) {
    std::string& text = *static_cast<std::string*>(error);
    if (text.empty()) {
        text = message;
        while (!text.empty() && text.back() == '\n') {
            text.pop_back();
        }
    }
}

void Ignore(const char*, void*) {}

}  // namespace

double CJpeg2000Writer::TargetPsnr(int a) {
    return 20 + 0.4 * std::clamp(a, 1, 100);
}

bool CJpeg2000Writer::WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                                std::string& error) const {
    const std::unique_ptr<opj_image_t, CImageDeleter> image = MakeImage(page);
    const std::unique_ptr<opj_codec_t, CCodecDeleter> codec(opj_create_compress(OPJ_CODEC_J2K));
    const std::unique_ptr<opj_stream_t, CStreamDeleter> stream(
        opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE));
    if (!image || !codec || !stream) {
        error = "not enough memory for the JPEG 2000 encoder";
        return false;
    }
    std::string message;
    opj_set_error_handler(codec.get(), KeepMessage, &message);
    opj_set_warning_handler(codec.get(), Ignore, nullptr);
    opj_set_info_handler(codec.get(), Ignore, nullptr);
    opj_cparameters_t parameters = EncoderParameters(page, options.a);
    opj_stream_set_user_data(stream.get(), &device, nullptr);
    opj_stream_set_write_function(stream.get(), WriteBytes);
    opj_stream_set_skip_function(stream.get(), SkipBytes);
    opj_stream_set_seek_function(stream.get(), SeekTo);
    bool encoded = opj_setup_encoder(codec.get(), &parameters, image.get());
    // Code blocks are encoded in parallel where the library was built with threads.
    opj_codec_set_threads(codec.get(), std::max(1, QThread::idealThreadCount()));
    encoded = encoded && opj_start_compress(codec.get(), image.get(), stream.get()) &&
              opj_encode(codec.get(), stream.get()) && opj_end_compress(codec.get(), stream.get());
    if (!encoded) {
        error = "JPEG 2000 encoder: " + (message.empty() ? std::string("failed") : message);
    }
    return encoded;
}
