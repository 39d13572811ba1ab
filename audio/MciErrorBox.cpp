#include "audio/MciErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <utility>

namespace {

MciErrorBox::Sink& CurrentSink()
{
    static MciErrorBox::Sink sink;
    return sink;
}

}  // namespace

void MciErrorBox::Show(const std::string& text, const std::string& caption)
{
    if (const Sink& sink = CurrentSink()) {
        sink(text, caption);
        return;
    }
    // Without a widget application there is nothing to show a box on; the text must
    // still reach someone rather than vanish.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

MciErrorBox::Sink MciErrorBox::SetSink(Sink sink) { return std::exchange(CurrentSink(), std::move(sink)); }
