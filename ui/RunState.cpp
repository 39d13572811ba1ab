#include "ui/RunState.h"

#include "platform/DataPath.h"

QString RunState::DataFile(const QString& relative) const
{
    return QString::fromStdString(ResolveDataPath(BaseDir.toStdString(), relative.toStdString()));
}
