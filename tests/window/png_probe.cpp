// png-probe: checks the colours of a PNG picture at given pixels, for the
// real-window tests.
//   png-probe FILE size                  prints "WIDTH HEIGHT"
//   png-probe FILE X Y RRGGBB [X Y RRGGBB]...
//   png-probe FILE same OTHER.png MAX     every channel of every pixel within MAX
//   png-probe FILE count X0 Y0 X1 Y1 RRGGBB [TOL]
//                                         prints how many pixels of the region
//                                         have the colour (each channel within TOL, default 12)
//   png-probe FILE changed OTHER.png X0 Y0 X1 Y1 [TOL [DX DY]]
//                                         prints how many pixels of the region
//                                         differ from OTHER's (moved by DX, DY) by
//                                         more than TOL (default 24)
//   png-probe FILE sharpness X0 Y0 X1 Y1 [SMALL.png]
//                                         prints the RMS of the brightness gradient
//                                         over the region; with SMALL (the picture
//                                         the window scales, letterboxed), also that
//                                         of SMALL stretched bilinearly into FILE's
//                                         frame, the first over the second, and the
//                                         mean brightness difference of the two
// Regions take X0 <= x < X1, Y0 <= y < Y1.
// Exit 0 when every probe is within 12 of the expected value per channel;
// otherwise each mismatch is printed and the exit code is 1 (2 for bad use).
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct SPicture
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
    const unsigned char* At(int x, int y) const
    {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
    }
};

bool Read(const char* file, SPicture& picture)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, file))
    {
        image.format = PNG_FORMAT_RGB;
        picture.pixels.resize(PNG_IMAGE_SIZE(image));
        picture.width = static_cast<int>(image.width);
        picture.height = static_cast<int>(image.height);
        if (png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr))
            return true;
    }
    std::fprintf(stderr, "png-probe: cannot read %s: %s\n", file, image.message);
    return false;
}

float Brightness(const unsigned char* p)
{
    return 0.299f * p[0] + 0.587f * p[1] + 0.114f * p[2];
}

// SMALL stretched into a WIDTH by HEIGHT frame the way GL's bilinear filter
// shows it, centred between bars: its brightness at pixel (x, y) of the frame.
struct SStretched
{
    const SPicture& m_small;
    float m_scale, m_left, m_top;
    SStretched(const SPicture& small, int width, int height)
        : m_small(small), m_scale(std::min(static_cast<float>(width) / small.width,
                                           static_cast<float>(height) / small.height)),
          m_left(static_cast<float>((width - static_cast<int>(small.width * m_scale + 0.5f)) / 2)),
          m_top(static_cast<float>((height - static_cast<int>(small.height * m_scale + 0.5f)) / 2))
    {
    }
    float operator()(int x, int y) const
    {
        const float u = std::clamp((x + 0.5f - m_left) / m_scale - 0.5f, 0.0f, m_small.width - 1.0f);
        const float v = std::clamp((y + 0.5f - m_top) / m_scale - 0.5f, 0.0f, m_small.height - 1.0f);
        const int x0 = static_cast<int>(u), y0 = static_cast<int>(v);
        const int x1 = std::min(x0 + 1, m_small.width - 1), y1 = std::min(y0 + 1, m_small.height - 1);
        const float fx = u - x0, fy = v - y0;
        const float top = Brightness(m_small.At(x0, y0)) * (1 - fx) + Brightness(m_small.At(x1, y0)) * fx;
        const float bottom = Brightness(m_small.At(x0, y1)) * (1 - fx) + Brightness(m_small.At(x1, y1)) * fx;
        return top * (1 - fy) + bottom * fy;
    }
};

// The root mean square of the forward-difference gradient over the region.
template <typename FBrightness> double GradientRms(const int box[4], FBrightness brightness)
{
    double sum = 0;
    long n = 0;
    for (int y = box[1]; y + 1 < box[3]; ++y)
        for (int x = box[0]; x + 1 < box[2]; ++x)
        {
            const double here = brightness(x, y);
            const double dx = brightness(x + 1, y) - here;
            const double dy = brightness(x, y + 1) - here;
            sum += dx * dx + dy * dy;
            ++n;
        }
    return n > 0 ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

// Whether each channel of the pixel is within TOLERANCE of the RRGGBB colour.
bool Near(const unsigned char* p, unsigned long rgb, int tolerance)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(p[c] - static_cast<int>((rgb >> (16 - 8 * c)) & 0xff)) > tolerance)
            return false;
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: png-probe FILE size | FILE X Y RRGGBB...\n");
        return 2;
    }
    SPicture picture, other;
    if (!Read(argv[1], picture))
        return 2;
    const int width = picture.width;
    const int height = picture.height;
    const std::string command = argv[2];
    const bool same = command == "same" && argc == 5;
    const bool changed = command == "changed" && (argc == 8 || argc == 9 || argc == 11);
    if (same || changed)
    {
        if (!Read(argv[3], other))
            return 2;
        if (other.width != width || other.height != height)
        {
            std::printf("sizes differ\n");
            return same ? 1 : 2;
        }
    }
    if (command == "size")
    {
        std::printf("%d %d\n", width, height);
        return 0;
    }
    // Region commands: the region's numbers start at argv[first]; a region
    // moved by (dx, dy) must fit the picture as well.
    int box[4] = {0, 0, 0, 0};
    const auto region = [&](int first, int dx, int dy)
    {
        for (int i = 0; i < 4; ++i)
            box[i] = std::atoi(argv[first + i]);
        if (std::min(box[0], box[0] + dx) >= 0 && std::min(box[1], box[1] + dy) >= 0 &&
            std::max(box[2], box[2] + dx) <= width && std::max(box[3], box[3] + dy) <= height &&
            box[0] < box[2] && box[1] < box[3])
            return true;
        std::fprintf(stderr, "png-probe: region %d %d %d %d moved by %d %d does not fit the %dx%d picture\n",
                     box[0], box[1], box[2], box[3], dx, dy, width, height);
        return false;
    };
    // How many pixels of the region pass the test.
    const auto count = [&](auto test)
    {
        long n = 0;
        for (int y = box[1]; y < box[3]; ++y)
            for (int x = box[0]; x < box[2]; ++x)
                n += test(x, y) ? 1 : 0;
        return n;
    };
    if (command == "count" && (argc == 8 || argc == 9))
    {
        if (!region(3, 0, 0))
            return 2;
        const unsigned long want = std::strtoul(argv[7], nullptr, 16);
        const int tolerance = argc == 9 ? std::atoi(argv[8]) : 12;
        std::printf("%ld\n", count([&](int x, int y) { return Near(picture.At(x, y), want, tolerance); }));
        return 0;
    }
    if (command == "sharpness" && (argc == 7 || argc == 8))
    {
        if (!region(3, 0, 0) || (argc == 8 && !Read(argv[7], other)))
            return 2;
        const double rms = GradientRms(box, [&](int x, int y) { return Brightness(picture.At(x, y)); });
        if (argc == 7)
            std::printf("%.2f\n", rms);
        else
        {
            const SStretched small(other, width, height);
            const double stretched = GradientRms(box, small);
            double difference = 0;
            for (int y = box[1]; y < box[3]; ++y)
                for (int x = box[0]; x < box[2]; ++x)
                    difference += std::fabs(Brightness(picture.At(x, y)) - small(x, y));
            difference /= static_cast<double>(box[2] - box[0]) * (box[3] - box[1]);
            std::printf("%.2f %.2f %.2f %.2f\n", rms, stretched, stretched > 0 ? rms / stretched : 0.0,
                        difference);
        }
        return 0;
    }
    if (same || changed)
    {
        // same: the whole picture within MAX; changed: the region, moved by DX, DY.
        const int tolerance = same ? std::atoi(argv[4]) : argc >= 9 ? std::atoi(argv[8]) : 24;
        const int dx = argc == 11 ? std::atoi(argv[9]) : 0;
        const int dy = argc == 11 ? std::atoi(argv[10]) : 0;
        if (same)
        {
            box[2] = width;
            box[3] = height;
        }
        else if (!region(4, dx, dy))
            return 2;
        const long n = count(
            [&](int x, int y)
            {
                const unsigned char* p = picture.At(x, y);
                const unsigned char* q = other.At(x + dx, y + dy);
                return std::max({std::abs(p[0] - q[0]), std::abs(p[1] - q[1]), std::abs(p[2] - q[2])}) >
                       tolerance;
            });
        if (same)
            std::printf("%ld pixels differ by more than %d\n", n, tolerance);
        else
            std::printf("%ld\n", n);
        return same && n != 0 ? 1 : 0;
    }
    if (command == "count" || command == "changed" || command == "same" || (argc - 2) % 3 != 0)
    {
        std::fprintf(stderr, "png-probe: bad arguments (see the head of png_probe.cpp)\n");
        return 2;
    }
    int failures = 0;
    for (int i = 2; i + 2 < argc; i += 3)
    {
        const int x = std::atoi(argv[i]);
        const int y = std::atoi(argv[i + 1]);
        if (x < 0 || y < 0 || x >= width || y >= height)
        {
            std::printf("(%d, %d) lies outside the %dx%d picture\n", x, y, width, height);
            ++failures;
        }
        else if (!Near(picture.At(x, y), std::strtoul(argv[i + 2], nullptr, 16), 12))
        {
            const unsigned char* p = picture.At(x, y);
            std::printf("(%d, %d) is %02x%02x%02x, expected %s\n", x, y, p[0], p[1], p[2], argv[i + 2]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
