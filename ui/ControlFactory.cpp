#include "ui/ControlFactory.h"

#include "media/MediaPlayer.h"
#include "ui/BitBtn.h"
#include "ui/ComboBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/ShockwaveFlash.h"

#include <QHash>

namespace {
template <class Kind>
std::unique_ptr<TComponent> Make(TForm& owner)
{
    return std::make_unique<Kind>(owner);
}
}

std::unique_ptr<TComponent> CreateComponent(const QString& kind, TForm& owner)
{
    using Maker = std::unique_ptr<TComponent> (*)(TForm&);
    static const QHash<QString, Maker> makers = {
        {QStringLiteral("TImage"), &Make<TImage>},
        {QStringLiteral("TLabel"), &Make<TLabel>},
        {QStringLiteral("TBitBtn"), &Make<TBitBtn>},
        {QStringLiteral("TComboBox"), &Make<TComboBox>},
        {QStringLiteral("TMemo"), &Make<TMemo>},
        {QStringLiteral("TMediaPlayer"), &Make<TMediaPlayer>},
        {QStringLiteral("TShockwaveFlash"), &Make<TShockwaveFlash>},
    };
    const Maker maker = makers.value(kind);
    return maker ? maker(owner) : nullptr;
}
