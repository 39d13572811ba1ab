#include "WaylandDesktop.h"

#include "../e2e/FieldProjection.h"
#include "../e2e/ReplayOracle.h"
#include "../e2e/RunningGame.h"
#include "../support/PieceColours.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace Desktop {

QString Missing()
{
    const QString why = qEnvironmentVariable("GLIMMORA_COMPOSITOR_MISSING");
    if (!why.isEmpty())
        return why;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "no compositor: run the test through scripts/with-weston or scripts/with-sway";
    return {};
}

int Scale() { return std::max(1, qEnvironmentVariableIntValue("GLIMMORA_OUTPUT_SCALE")); }

QColor Background() { return QColor(qEnvironmentVariable("GLIMMORA_BACKGROUND", "#20c040")); }

int Deadline(int ms) { return ms * std::max(1, qEnvironmentVariableIntValue("GLIMMORA_TEST_TIMEOUT_SCALE")); }

QImage Screenshot()
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/shot.png";
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/scripts/wayland-shot", {file});
    if (!p.waitForFinished(Deadline(20000)) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QImage ScreenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QImage shot;
    do {
        shot = Screenshot();
        if (!shot.isNull() && ready(shot))
            break;
        QThread::msleep(100);
    } while (clock.elapsed() < timeoutMs);
    return shot;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (done())
            return true;
        QThread::msleep(100);
    } while (clock.elapsed() < timeoutMs);
    return done();
}

QRect NonDesktopBox(const QImage& shot)
{
    const QRgb desktop = Background().rgb();
    int left = shot.width(), right = -1, top = shot.height(), bottom = -1;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            if ((line[x] & 0xffffff) != (desktop & 0xffffff)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QString Keep(const QImage& shot, const QString& name)
{
    const QString path = QDir::tempPath() + "/glimmora-wayland-" + name + ".png";
    shot.save(path);
    return path;
}

}  // namespace Desktop

QPoint DrawnField::Cell(int row, int column) const
{
    const QPointF p = (QPointF(MainWindow::View) + ProjectCell(row, column, Rows, Cols)) * scale;
    return window + QPoint(qRound(p.x()), qRound(p.y()));
}

std::vector<std::string> DrawnField::Mismatches(const QImage& shot, const ReplayState& expected) const
{
    std::vector<std::string> wrong;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c) {
            const int want = std::max(0, expected.kinds[r - 1][c - 1]);
            const QPoint at = Cell(r, c);
            const int seen = shot.rect().contains(at) ? KindOfColour(shot.pixelColor(at)) : -2;
            if (seen != want)
                wrong.push_back(QString("%1,%2 shows %3, expected %4").arg(r).arg(c).arg(seen).arg(want).toStdString());
        }
    return wrong;
}

namespace Sway {
namespace {
QJsonDocument Ask(const QString& type)
{
    QProcess p;
    p.start("swaymsg", {"-r", "-t", type});
    p.waitForFinished(Desktop::Deadline(10000));
    return QJsonDocument::fromJson(p.readAllStandardOutput());
}

QRect Find(const QJsonObject& node, const QString& title)
{
    if (node.value("name").toString() == title && node.contains("pid")) {
        const QJsonObject r = node.value("rect").toObject();
        return QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(), r.value("height").toInt());
    }
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node.value(children).toArray())
            if (const QRect found = Find(child.toObject(), title); !found.isEmpty())
                return found;
    return {};
}
}  // namespace

QRect WindowRect(const QString& title) { return Find(Ask("get_tree").object(), title); }

QSize LayoutSize()
{
    QRect layout;
    for (const QJsonValue& output : Ask("get_outputs").array()) {
        const QJsonObject r = output.toObject().value("rect").toObject();
        layout |= QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(), r.value("height").toInt());
    }
    return layout.size();
}
}  // namespace Sway

QString VirtualPointer::Start(QSize layout)
{
    const QString tool = qEnvironmentVariable("GLIMMORA_BIN_DIR") + "/glimmora-wlinput";
    if (!QFile::exists(tool))
        return "glimmora-wlinput was not built: no wlr-virtual-pointer protocol XML on this machine "
               "(Debian's librust-wayland-protocols-dev ships it)";
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(tool, {});
    if (!process_.waitForStarted(Desktop::Deadline(5000)))
        return "glimmora-wlinput did not start";
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < Desktop::Deadline(10000))
        if (!process_.waitForReadyRead(200) && process_.state() == QProcess::NotRunning)
            break;
    const QByteArray first = process_.readLine().trimmed();
    if (first != "ready")
        return "the compositor gave no virtual pointer: " + QString::fromUtf8(first);
    if (!Send(QString("extent %1 %2").arg(layout.width()).arg(layout.height())))
        return "glimmora-wlinput did not take the layout's size";
    return {};
}

VirtualPointer::~VirtualPointer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.closeWriteChannel();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool VirtualPointer::Send(const QString& line)
{
    if (process_.state() != QProcess::Running)
        return false;
    process_.write((line + "\n").toUtf8());
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < Desktop::Deadline(10000))
        if (!process_.waitForReadyRead(200) && process_.state() == QProcess::NotRunning)
            break;
    return process_.readLine().trimmed() == "ok";
}

bool VirtualPointer::Move(QPoint p) { return Send(QString("move %1 %2").arg(p.x()).arg(p.y())); }
bool VirtualPointer::Press() { return Send("press"); }
bool VirtualPointer::Release() { return Send("release"); }
bool VirtualPointer::Click() { return Send("click"); }
