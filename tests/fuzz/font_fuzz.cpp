// Font metrics from arbitrary picture bytes, then measuring and laying out text.
#include "media/BitmapText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CBitmapText font;
    font.LoadMetrics(data, size, nullptr);
    font.TextWidth("Az! ~\n\x7f\xff", 12.0f);
    font.Layout("Az! ~\n\x7f\xff", 12.0f, 0.0f, 0.0f, true);
    return 0;
}
