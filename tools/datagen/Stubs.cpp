#include "tools/datagen/Generate.h"
namespace NDatagen {
void WriteScreens(COutput&) {}
void WriteHints(COutput&) {}
void WriteHelp(COutput&) {}
void WriteSounds(COutput&) {}
void WriteMusic(COutput&) {}
}
