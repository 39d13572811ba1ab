#include "TSession.h"

#include "DataPath.h"
#include "GameAudio.h"
#include "TFont.h"

TSession Session;

namespace {
std::unique_ptr<TFont> MakeLookFont(QColor color)
{
    QFont font;  // the default face
    font.setPixelSize(13);  // 10 points at 96 dpi
    font.setStyleStrategy(QFont::PreferDefault);
    return std::make_unique<TFont>(font, color, 204);  // Cyrillic, as designed
}
}  // namespace

TSession::TSession() = default;
TSession::~TSession() = default;

QString TSession::DataFile(const QString& relative) const
{
    return QString::fromStdString(ResolveDataPath(BaseDir.toStdString(), relative.toStdString()));
}

void TSession::CreateLookFonts()
{
    DisabledLookFont = MakeLookFont(QColor(0x80, 0x80, 0x80));
    EnabledLookFont = MakeLookFont(QColor(0xFF, 0xFF, 0xFF));
}
