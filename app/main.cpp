// Chromal's entry point: start-up, the frame loop and shutdown.
#include <cstdio>

int main(int, char**)
{
    std::puts("chromal: not playable yet");
    return 0;
}
