// chromal-tool: command-line companion for players and maintainers.
#include <cstdio>

int main(int, char**)
{
    std::puts("chromal-tool");
    return 0;
}
