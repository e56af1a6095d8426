#include "tools/datagen/Generate.h"
namespace NDatagen {
void WriteFont(COutput&) {}
void WriteGameSprites(COutput&) {}
void WriteMenuSprites(COutput&) {}
void WriteScreens(COutput&) {}
void WriteHints(COutput&) {}
void WriteHelp(COutput&) {}
void WriteSounds(COutput&) {}
void WriteMusic(COutput&) {}
}
