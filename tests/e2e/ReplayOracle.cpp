#include "ReplayOracle.h"

#include <QProcess>

#include <algorithm>
#include <stdexcept>

namespace {
QStringList Replay(const QStringList& commands, const QString& folder = {})
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QString::fromLocal8Bit(qgetenv("GLIMMORA_BIN_DIR")) + "/glimmora-replay", {});
    if (!p.waitForStarted(5000))
        throw std::runtime_error("glimmora-replay did not start");
    p.write((commands.join('\n') + "\n").toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n');
}
}  // namespace

QStringList ReplayTable(const QStringList& commands, const QString& folder)
{
    const QStringList lines = Replay(commands + QStringList{"table"}, folder);
    // The rows are the last seven lines; a row text is never empty.
    QStringList rows = lines.mid(0, lines.size() - (lines.endsWith("") ? 1 : 0));
    return rows.mid(std::max(0, int(rows.size()) - 7));
}

ReplayState RunReplay(const QStringList& commands)
{
    const QStringList lines = Replay(commands + QStringList{"print", "cursor"});

    ReplayState s;
    int last = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i] == "kinds")
            last = i;
    if (last < 0)
        throw std::runtime_error("glimmora-replay printed no state");
    for (const QString& line : lines.mid(0, last))
        if (line.startsWith("sound "))
            s.sounds << line.mid(6);
    int i = last + 1;
    for (; i < lines.size() && !lines[i].startsWith("score "); ++i) {
        std::vector<int> row;
        for (const QString& k : lines[i].split(' ', Qt::SkipEmptyParts))
            row.push_back(k.toInt());
        s.kinds.push_back(row);
    }
    const QStringList f = lines.value(i).split(' ');
    s.score = f.value(1).toInt();
    s.points = f.value(3).toInt();
    s.group = f.value(5).toInt();
    s.active = f.value(7) == "1";
    for (const QString& cell : lines.value(i + 1).split(' ', Qt::SkipEmptyParts).mid(1))
        s.lit.push_back({cell.section(',', 0, 0).toInt(), cell.section(',', 1, 1).toInt()});
    const QStringList cursor = lines.value(i + 2).split(' ');
    s.cursorRow = cursor.value(1).toInt();
    s.cursorColumn = cursor.value(2).toInt();
    return s;
}
