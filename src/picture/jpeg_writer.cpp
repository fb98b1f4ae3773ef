#include "picture/jpeg_writer.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "picture/codec_guard.h"
#include "picture/file_bytes.h"
#include "picture/jpeg_errors.h"

namespace tessary {

namespace {

constexpr std::size_t kOutputBufferSize = 65536;

// A libjpeg destination that passes the encoded bytes on to a stream.
struct StreamDestination {
    jpeg_destination_mgr manager{};  // first, so that libjpeg's pointer to it leads back here
    std::ostream* out = nullptr;
    std::vector<JOCTET> buffer = std::vector<JOCTET>(kOutputBufferSize);
};

StreamDestination& DestinationOf(j_compress_ptr object) {
    return *reinterpret_cast<StreamDestination*>(object->dest);
}

void FlushBytes(j_compress_ptr object, std::size_t count) {
    StreamDestination& destination = DestinationOf(object);
    destination.out->write(reinterpret_cast<const char*>(destination.buffer.data()),
                           static_cast<std::streamsize>(count));
    if (!destination.out->good()) {
        RaiseJpegError(reinterpret_cast<j_common_ptr>(object), "can't write the JPEG data");
    }
}

void StartOutput(j_compress_ptr object) {
    StreamDestination& destination = DestinationOf(object);
    destination.manager.next_output_byte = destination.buffer.data();
    destination.manager.free_in_buffer = destination.buffer.size();
}

boolean EmptyOutput(j_compress_ptr object) {
    FlushBytes(object, DestinationOf(object).buffer.size());
    StartOutput(object);
    return TRUE;
}

void EndOutput(j_compress_ptr object) {
    StreamDestination& destination = DestinationOf(object);
    FlushBytes(object, destination.buffer.size() - destination.manager.free_in_buffer);
}

// The libjpeg state of one encoding, destroyed whatever happens.
struct JpegEncoder {
    JpegErrors errors;
    jpeg_compress_struct object{};
    StreamDestination destination;

    JpegEncoder() { object.err = InstallJpegErrors(errors); }
    ~JpegEncoder() { jpeg_destroy_compress(&object); }
    JpegEncoder(const JpegEncoder&) = delete;
    JpegEncoder& operator=(const JpegEncoder&) = delete;

    template <class Body>
    bool run(Body&& body) {
        return RunGuarded(errors.jump, body);
    }
};

}  // namespace

bool WriteFieldJpeg(std::ostream& out, const JpegOptions& options, const PixelView32& field,
                    const CaptureRect& box, ProgressSink* progress) {
    if (!field.holds(box)) {
        return false;
    }
    JpegEncoder encoder;
    jpeg_compress_struct& object = encoder.object;
    encoder.destination.out = &out;
    encoder.destination.manager.init_destination = StartOutput;
    encoder.destination.manager.empty_output_buffer = EmptyOutput;
    encoder.destination.manager.term_destination = EndOutput;
    const bool isStarted = encoder.run([&] {
        jpeg_create_compress(&object);
        object.dest = &encoder.destination.manager;
        object.image_width = static_cast<JDIMENSION>(box.width());
        object.image_height = static_cast<JDIMENSION>(box.height());
        // The field's pixels go in as they are: blue, green, red and an unused byte.
        object.input_components = 4;
        object.in_color_space = JCS_EXT_BGRX;
        jpeg_set_defaults(&object);
        jpeg_set_quality(&object, std::clamp(options.quality, 0, 100), TRUE);
        object.smoothing_factor = std::clamp(options.smoothing, 0, 100);
        object.optimize_coding = options.isOptimized ? TRUE : FALSE;
        if (options.isProgressive) {
            jpeg_simple_progression(&object);
        }
        jpeg_start_compress(&object, TRUE);
    });
    if (!isStarted) {
        return false;
    }
    ProgressScope scope(progress, box.height());
    for (int y = box.top; y < box.bottom; ++y) {
        // libjpeg takes rows as writable but only reads them.
        JSAMPROW row =
            const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(field.row(y) + box.left));
        if (!encoder.run([&] { jpeg_write_scanlines(&object, &row, 1); })) {
            return false;
        }
        scope.step();
    }
    return encoder.run([&] { jpeg_finish_compress(&object); });
}

bool WriteFieldJpeg(const std::filesystem::path& path, const JpegOptions& options,
                    const PixelView32& field, const CaptureRect& box, ProgressSink* progress) {
    return WriteFileReplacing(path, [&](std::ostream& out) {
        return WriteFieldJpeg(out, options, field, box, progress);
    });
}

}  // namespace tessary
