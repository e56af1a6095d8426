// The small plain-text log in the per-user folder, opened and closed per line.
#pragma once

#include <string>

bool LogOpen(const std::string& path);
void LogWrite(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogClose();
