#pragma once
// Every builder and tool window by id. The builder registry opens them by
// these ids; the palettes and the site pane refer to them the same way.

#include <QStringList>

namespace builderid {

// Element builders, page generators, objects and scripts.
inline constexpr char QuickStart[] = "QuickStart";
inline constexpr char QuickStartStyle[] = "QuickStartStyle";
inline constexpr char Anchor[] = "Anchor";
inline constexpr char FrameBuilder[] = "FrameBuilder";
inline constexpr char FloatingFrame[] = "FloatingFrame";
inline constexpr char Graphics[] = "Graphics";
inline constexpr char ListBuilder[] = "ListBuilder";
inline constexpr char Marquee[] = "Marquee";
inline constexpr char ParagraphBuilder[] = "ParagraphBuilder";
inline constexpr char SpecialEffects[] = "SpecialEffects";
inline constexpr char TableBuilder[] = "TableBuilder";
inline constexpr char FontWizard[] = "FontWizard";
inline constexpr char Script[] = "Script";
inline constexpr char PremadeScripts[] = "PremadeScripts";
inline constexpr char ObjectTags[] = "ObjectTags";
inline constexpr char JavaApplet[] = "JavaApplet";
inline constexpr char Parameters[] = "Parameters";
inline constexpr char FormBuilder[] = "FormBuilder";
inline constexpr char FormInput[] = "FormInput";
inline constexpr char ListboxBuilder[] = "ListboxBuilder";
inline constexpr char InternetSearches[] = "InternetSearches";
inline constexpr char BackgroundSounds[] = "BackgroundSounds";
inline constexpr char ImageMapBuilder[] = "ImageMapBuilder";
inline constexpr char VrmlBuilder[] = "VrmlBuilder";
inline constexpr char InlineStyleSheet[] = "InlineStyleSheet";
inline constexpr char LinkBox[] = "LinkBox";
inline constexpr char RandomBackground[] = "RandomBackground";
inline constexpr char RandomText[] = "RandomText";

// Tool windows.
inline constexpr char Find[] = "Find";
inline constexpr char Replace[] = "Replace";
inline constexpr char Organizer[] = "Organizer";
inline constexpr char FileRetriever[] = "FileRetriever";
inline constexpr char ThumbnailBrowser[] = "ThumbnailBrowser";
inline constexpr char FileProperties[] = "FileProperties";
inline constexpr char MultiFileReplace[] = "MultiFileReplace";
inline constexpr char About[] = "About";

// Every id above, once.
const QStringList &all();

} // namespace builderid
