// The program's artwork, compiled in: the launcher's logo and the application icon.
#pragma once

#include <span>
#include <vector>

// The maker's logo, a 200 x 70 PNG mostly transparent, for the launcher's picture control.
std::span<const unsigned char> LogoPng();
// The application icon as PNGs of 16, 32, 48, 64, 128 and 256 pixels, smallest first, so each
// window and panel can pick the size it draws.
std::vector<std::span<const unsigned char>> IconPngs();
// The sizes a window carries, 16 to 64 pixels: its caption, the task bar and the window switcher
// draw no larger. Every window hands its icons to the window system in all the sizes it has,
// decoded, and the two largest alone made the launcher start a tenth slower; menus and docks
// take the large sizes from the icon files installed with the desktop entry instead.
std::vector<std::span<const unsigned char>> WindowIconPngs();
