// The program's start-up, frame loop and shutdown, in their fixed order.
#pragma once

struct CCommandLine;

// Returns the process exit code.
int RunProgram(const CCommandLine& options);
