// The game's basic terms: walls, block colours, the size of a wall, flags
// and times.
#pragma once

#include <cstdint>

// A wall of the tunnel. The game always moves on to the next wall in the order
// Left, Top, Right, Bottom, Left, ...
enum Side : int { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// The content of one block cell.
enum Colour : int { Empty = 0, Red = 1, Green = 2, Blue = 3, LightBlue = 4 };

constexpr int kSides = 4;
constexpr int kRows = 7;     // row 0 is the far end of the tunnel, row 6 its mouth
constexpr int kColumns = 5;  // column 0 is at the left of the flat grid

// Flags are one byte holding 0 or 1 and are tested against 1.
using Flag = unsigned char;
// Times are milliseconds from the game clock, compared by unsigned difference.
using Millis = std::uint32_t;
