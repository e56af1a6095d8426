// Key codes as the screens see them: the Windows virtual-key values, which the
// layouts, settings ("close key" 27, "hide key" 13) and screens are written in.
#pragma once

namespace NKey
{
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kPause = 19;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
// '0'..'9' = 48..57, 'A'..'Z' = 65..90.
constexpr int kF1 = 112;
constexpr int kF4 = 115;
constexpr int kF12 = 123;
} // namespace NKey
