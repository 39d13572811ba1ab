#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <utility>

namespace {

MessageBoxes::Sink& CurrentSink()
{
    static MessageBoxes::Sink sink;
    return sink;
}

QString BoxTitle()
{
    const QString title = QGuiApplication::applicationDisplayName();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

}  // namespace

void MessageBoxes::ShowMessage(const std::string& text)
{
    if (const Sink& sink = CurrentSink()) {
        sink(text);
        return;
    }
    // Without a widget application there is nothing to show a box on; the text must
    // still reach someone rather than vanish.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, BoxTitle(), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

MessageBoxes::Sink MessageBoxes::SetMessageSink(Sink sink) { return std::exchange(CurrentSink(), std::move(sink)); }
