// What the desktop learns about the game's window: which program it belongs to
// (so that docks and task bars tie it to the menu entry and show its icon),
// which process and machine run it, and the icon itself.
#pragma once

#include <cstddef>
#include <cstdint>

// The smallest window a window manager is asked to allow: half the picture.
constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 300;

// Sets WM_CLASS (instance "tumblewell", class "Tumblewell", the menu entry's
// StartupWMClass), _NET_WM_NAME, the minimum size, _NET_WM_PID with
// WM_CLIENT_MACHINE, and _NET_WM_ICON on the
// window whose GL context is current: call it right after glutCreateWindow,
// which makes the new window current, before the window manager reads them.
void identifyWindow();

// The icon as _NET_WM_ICON holds it: for each size its width, its height and
// its pixels row by row as 0xAARRGGBB. Made by tools/make_icons.py at build
// time from the same pictures as the installed icons.
extern const std::uint32_t kWindowIcon[];
extern const std::size_t kWindowIconLength;
