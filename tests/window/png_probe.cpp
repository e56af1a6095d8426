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
// Regions take X0 <= x < X1, Y0 <= y < Y1.
// Exit 0 when every probe is within 12 of the expected value per channel;
// otherwise each mismatch is printed and the exit code is 1 (2 for bad use).
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: png-probe FILE size | FILE X Y RRGGBB...\n");
        return 2;
    }
    const auto read = [](const char* file, png_image& image, std::vector<unsigned char>& pixels)
    {
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_file(&image, file))
        {
            std::fprintf(stderr, "png-probe: cannot read %s: %s\n", file, image.message);
            return false;
        }
        image.format = PNG_FORMAT_RGB;
        pixels.resize(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        {
            std::fprintf(stderr, "png-probe: cannot decode %s: %s\n", file, image.message);
            return false;
        }
        return true;
    };
    png_image image;
    std::vector<unsigned char> pixels;
    if (!read(argv[1], image, pixels))
        return 2;
    if (std::string(argv[2]) == "same" && argc == 5)
    {
        png_image other;
        std::vector<unsigned char> otherPixels;
        if (!read(argv[3], other, otherPixels))
            return 2;
        if (other.width != image.width || other.height != image.height)
        {
            std::printf("sizes differ\n");
            return 1;
        }
        const int allowed = std::atoi(argv[4]);
        int largest = 0;
        long beyond = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i)
        {
            const int difference = std::abs(pixels[i] - otherPixels[i]);
            largest = std::max(largest, difference);
            beyond += difference > allowed ? 1 : 0;
        }
        std::printf("largest difference %d, %ld channels beyond %d\n", largest, beyond, allowed);
        return beyond == 0 ? 0 : 1;
    }
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    const std::string command = argv[2];
    if (command == "size")
    {
        std::printf("%d %d\n", width, height);
        return 0;
    }
    // Region commands: the region's numbers start at argv[first].
    const auto region = [&](int first, int box[4])
    {
        for (int i = 0; i < 4; ++i)
            box[i] = std::atoi(argv[first + i]);
        if (box[0] < 0 || box[1] < 0 || box[2] > width || box[3] > height || box[0] >= box[2] ||
            box[1] >= box[3])
        {
            std::fprintf(stderr, "png-probe: region %d %d %d %d does not fit the %dx%d picture\n", box[0],
                         box[1], box[2], box[3], width, height);
            return false;
        }
        return true;
    };
    const auto at = [&](const std::vector<unsigned char>& p, int x, int y)
    { return &p[(static_cast<std::size_t>(y) * width + x) * 3]; };
    if (command == "count" && (argc == 8 || argc == 9))
    {
        int box[4];
        if (!region(3, box))
            return 2;
        const unsigned long want = std::strtoul(argv[7], nullptr, 16);
        const int expected[3] = {static_cast<int>((want >> 16) & 0xff), static_cast<int>((want >> 8) & 0xff),
                                 static_cast<int>(want & 0xff)};
        const int tolerance = argc == 9 ? std::atoi(argv[8]) : 12;
        long count = 0;
        for (int y = box[1]; y < box[3]; ++y)
            for (int x = box[0]; x < box[2]; ++x)
            {
                const unsigned char* p = at(pixels, x, y);
                bool ok = true;
                for (int c = 0; c < 3; ++c)
                    ok = ok && std::abs(p[c] - expected[c]) <= tolerance;
                count += ok ? 1 : 0;
            }
        std::printf("%ld\n", count);
        return 0;
    }
    if (command == "changed" && (argc == 8 || argc == 9 || argc == 11))
    {
        png_image other;
        std::vector<unsigned char> otherPixels;
        if (!read(argv[3], other, otherPixels))
            return 2;
        if (other.width != image.width || other.height != image.height)
        {
            std::fprintf(stderr, "png-probe: sizes differ\n");
            return 2;
        }
        int box[4];
        if (!region(4, box))
            return 2;
        const int tolerance = argc >= 9 ? std::atoi(argv[8]) : 24;
        const int dx = argc == 11 ? std::atoi(argv[9]) : 0;
        const int dy = argc == 11 ? std::atoi(argv[10]) : 0;
        if (box[0] + dx < 0 || box[1] + dy < 0 || box[2] + dx > width || box[3] + dy > height)
        {
            std::fprintf(stderr, "png-probe: the moved region does not fit the picture\n");
            return 2;
        }
        long count = 0;
        for (int y = box[1]; y < box[3]; ++y)
            for (int x = box[0]; x < box[2]; ++x)
            {
                const unsigned char* p = at(pixels, x, y);
                const unsigned char* q = at(otherPixels, x + dx, y + dy);
                bool differs = false;
                for (int c = 0; c < 3; ++c)
                    differs = differs || std::abs(p[c] - q[c]) > tolerance;
                count += differs ? 1 : 0;
            }
        std::printf("%ld\n", count);
        return 0;
    }
    if (command == "count" || command == "changed" || (argc - 2) % 3 != 0)
    {
        std::fprintf(stderr, "png-probe: bad arguments (see the head of png_probe.cpp)\n");
        return 2;
    }
    int failures = 0;
    for (int i = 2; i + 2 < argc; i += 3)
    {
        const int x = std::atoi(argv[i]);
        const int y = std::atoi(argv[i + 1]);
        const unsigned long want = std::strtoul(argv[i + 2], nullptr, 16);
        if (x < 0 || y < 0 || x >= width || y >= height)
        {
            std::printf("(%d, %d) lies outside the %dx%d picture\n", x, y, width, height);
            ++failures;
            continue;
        }
        const unsigned char* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
        const int expected[3] = {static_cast<int>((want >> 16) & 0xff), static_cast<int>((want >> 8) & 0xff),
                                 static_cast<int>(want & 0xff)};
        bool ok = true;
        for (int c = 0; c < 3; ++c)
            ok = ok && std::abs(p[c] - expected[c]) <= 12;
        if (!ok)
        {
            std::printf("(%d, %d) is %02x%02x%02x, expected %s\n", x, y, p[0], p[1], p[2], argv[i + 2]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
