#include "RunState.h"

#include "DataPath.h"

QString RunState::DataFile(const QString& relative) const
{
    return QString::fromStdString(ResolveDataPath(BaseDir.toStdString(), relative.toStdString()));
}
