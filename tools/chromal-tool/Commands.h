// chromal-tool's subcommands. Each takes the whole command line (argv[1] is
// its own name) and returns the process exit code.
#pragma once

namespace NTool
{
int RunEncipher(int argc, char** argv);
int RunDecipher(int argc, char** argv);
int RunPack(int argc, char** argv);
int RunProps(int argc, char** argv);
int RunShow(int argc, char** argv);
int RunBoard(int argc, char** argv);
int RunMove(int argc, char** argv);
int RunAi(int argc, char** argv);
int RunSimulate(int argc, char** argv);
int RunPar(int argc, char** argv);
} // namespace NTool
