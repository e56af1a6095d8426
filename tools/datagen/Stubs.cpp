#include "tools/datagen/Generate.h"
namespace NDatagen {
void WriteHints(COutput&) {}
void WriteHelp(COutput&) {}
void WriteSounds(COutput&) {}
void WriteMusic(COutput&) {}
}
