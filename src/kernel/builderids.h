// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How windows below the shell open builder and tool windows: by the id of
// the window's row in the builder registry, or by the kind of file a
// window takes. Only ids some window opens by name are here; a builder
// reached through its menu items and palette tabs alone needs none.

namespace builderid {

inline constexpr char QuickStart[] = "QuickStart";
inline constexpr char QuickStartStyle[] = "QuickStartStyle";
inline constexpr char Anchor[] = "Anchor";
inline constexpr char LinkBox[] = "LinkBox";
inline constexpr char RandomBackground[] = "RandomBackground";
inline constexpr char RandomText[] = "RandomText";
inline constexpr char Organizer[] = "Organizer";
inline constexpr char FileRetriever[] = "FileRetriever";
inline constexpr char ThumbnailBrowser[] = "ThumbnailBrowser";

} // namespace builderid

// The files a window takes from the site pane and the thumbnail browser.
enum class FileRole { None, Image, Sound };
