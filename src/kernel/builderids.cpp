#include "kernel/builderids.h"

namespace builderid {

const QStringList &all()
{
    static const QStringList ids = [] {
        QStringList list;
        for (const char *id : {QuickStart,
                               QuickStartStyle,
                               Anchor,
                               FrameBuilder,
                               FloatingFrame,
                               Graphics,
                               ListBuilder,
                               Marquee,
                               ParagraphBuilder,
                               SpecialEffects,
                               TableBuilder,
                               FontWizard,
                               Script,
                               PremadeScripts,
                               ObjectTags,
                               JavaApplet,
                               Parameters,
                               FormBuilder,
                               FormInput,
                               ListboxBuilder,
                               InternetSearches,
                               BackgroundSounds,
                               ImageMapBuilder,
                               VrmlBuilder,
                               InlineStyleSheet,
                               LinkBox,
                               RandomBackground,
                               RandomText,
                               Find,
                               Replace,
                               Organizer,
                               FileRetriever,
                               ThumbnailBrowser,
                               FileProperties,
                               MultiFileReplace,
                               About})
            list << QLatin1String(id);
        return list;
    }();
    return ids;
}

} // namespace builderid
