#include "tools/datagen/Generate.h"
namespace NDatagen {
void WriteSounds(COutput&) {}
void WriteMusic(COutput&) {}
}
