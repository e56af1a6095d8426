// libjpeg decompression with an error manager that jumps back to the caller,
// so a damaged picture fails only its own load.
#include "media/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <utility>

#include <jerror.h>
#include <jpeglib.h>

namespace
{
// Pictures beyond this are not game art; refusing them bounds the allocation
// that a forged header can ask for.
constexpr std::uint64_t kMaxPixels = 8192ull * 8192ull;

struct SErrorManager
{
    jpeg_error_mgr m_base;
    std::jmp_buf m_jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<SErrorManager*>(info->err)->m_jump, 1);
}

void EmitMessage(j_common_ptr info, int level)
{
    // Running out of data is reported by libjpeg as a warning and padded with
    // grey; a truncated file is refused instead of shown half grey.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

// Everything that must survive a longjmp lives here, outside the frame that
// called setjmp.
struct SDecodeState
{
    jpeg_decompress_struct m_info;
    SErrorManager m_error;
    CImage m_result;
};

bool Decode(const unsigned char* data, std::size_t size, SDecodeState& state)
{
    jpeg_decompress_struct& info = state.m_info;
    info.err = jpeg_std_error(&state.m_error.m_base);
    state.m_error.m_base.error_exit = ErrorExit;
    state.m_error.m_base.emit_message = EmitMessage;
    state.m_error.m_base.output_message = OutputMessage;
    if (setjmp(state.m_error.m_jump))
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);

    const std::uint32_t width = info.output_width;
    const std::uint32_t height = info.output_height;
    const std::uint32_t components = info.output_components;
    if (width == 0 || height == 0 || static_cast<std::uint64_t>(width) * height > kMaxPixels ||
        (components != 1 && components != 3))
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    CImage& result = state.m_result;
    result.m_width = width;
    result.m_height = height;
    result.m_components = components;
    const std::size_t stride = static_cast<std::size_t>(width) * components;
    result.m_pixels.resize(stride * height);
    while (info.output_scanline < info.output_height)
    {
        // The first decoded row goes last: the picture's top lies at t = 1.
        JSAMPROW row = result.m_pixels.data() + stride * (height - 1 - info.output_scanline);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, CImage& image)
{
    if (data == nullptr || size == 0)
        return false;
    SDecodeState state{};
    if (!Decode(data, size, state))
        return false;
    image = std::move(state.m_result);
    return true;
}
