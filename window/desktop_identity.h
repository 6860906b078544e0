// How the desktop knows the program: the id its menu entry and icons are
// installed under, its window class and its icon.
#pragma once

namespace pelmora {

// The id of the menu entry (org.pelmora.Pelmora.desktop), the AppStream
// component and the theme icon.
inline constexpr char kDesktopId[] = "org.pelmora.Pelmora";

// Gives the application the id, the window class and the icon; call it
// after the application object is made and before any window is shown.
void take_desktop_identity();

}  // namespace pelmora
