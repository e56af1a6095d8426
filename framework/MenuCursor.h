// The sprite cursor drawn at the mouse position on every menu screen, dialog
// and the game screen, in place of the system cursor.
#pragma once

class CSprite;

namespace NInterface
{
struct SArea;

// Copies the "menu_cursor" prototype of the interface resources; true when
// the copy has a picture to show (otherwise the system cursor should stay).
bool CreateCursor();
void DestroyCursor();
// Before CreateCursor and after DestroyCursor these do nothing.
void DrawCursor();
// The rectangle of the logical screen that DrawCursor would cover now; false
// without a cursor.
bool GetCursorArea(SArea& area);
void UpdateCursor(float elapsed);
CSprite* GetCursorSprite();
} // namespace NInterface
